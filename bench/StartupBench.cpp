// Times two programs side by side: each run forks, execs the program (which
// the quitwhenshown plugin, named in the environment by bench/run, ends once
// its window is painted), and waits for it, taking the wall time from fork to exit
// and the peak resident memory from wait4. The programs alternate (A B, B A,
// ...) so that neither always runs on a warmer machine; the medians of the
// runs, and the median of the paired ratios, are printed against the targets.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Sample {
    double wallMs = 0;
    long peakRssKiB = 0;
};

// Runs the program once; exits the benchmark if it does not end cleanly.
Sample runOnce(const char* program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (pid == 0) {
        // Qt's complaints about the offscreen platform would only add noise.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        std::exit(1);
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program, status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printRatio(const char* what, double ratio, double target) {
    std::printf("%-28s %6.3f  (target <= %.2f: %s)\n", what, ratio, target,
                ratio <= target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const char* program = argv[2];
    const char* baseline = argv[3];

    // One run each first, so that both meet the same warm caches.
    runOnce(program);
    runOnce(baseline);

    std::vector<double> programMs, baselineMs, programKiB, baselineKiB, timeRatios, memoryRatios;
    for (int run = 0; run < runs; ++run) {
        Sample a;
        Sample b;
        if (run % 2 == 0) {
            a = runOnce(program);
            b = runOnce(baseline);
        } else {
            b = runOnce(baseline);
            a = runOnce(program);
        }
        programMs.push_back(a.wallMs);
        baselineMs.push_back(b.wallMs);
        programKiB.push_back(static_cast<double>(a.peakRssKiB));
        baselineKiB.push_back(static_cast<double>(b.peakRssKiB));
        timeRatios.push_back(a.wallMs / b.wallMs);
        memoryRatios.push_back(static_cast<double>(a.peakRssKiB) /
                               static_cast<double>(b.peakRssKiB));
    }

    std::printf("%d paired runs, medians:\n", runs);
    std::printf("%-28s %10s %14s\n", "", "start-up ms", "peak RSS KiB");
    std::printf("%-28s %10.1f %14.0f\n", program, median(programMs), median(programKiB));
    std::printf("%-28s %10.1f %14.0f\n", baseline, median(baselineMs), median(baselineKiB));
    printRatio("start-up ratio (paired)", median(timeRatios), 1.15);
    printRatio("peak memory ratio (paired)", median(memoryRatios), 1.10);
    return 0;
}
