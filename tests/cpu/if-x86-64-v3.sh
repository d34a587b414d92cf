#!/usr/bin/env bash
# Runs a test program built for x86-64-v3 where the processor can run it, and
# otherwise tells CTest to skip it (status 77) with one line saying why.
#
#   bash tests/cpu/if-x86-64-v3.sh PROGRAM [ARGS...]
set -euo pipefail
# What x86-64-v3 adds to x86-64-v2, as /proc/cpuinfo names it (abm is lzcnt).
flags=" $(grep -m1 '^flags' /proc/cpuinfo | cut -d: -f2) "
for flag in avx avx2 bmi1 bmi2 f16c fma movbe abm xsave; do
    if [[ $flags != *" $flag "* ]]; then
        echo "if-x86-64-v3.sh: this processor lacks $flag, so an x86-64-v3 program cannot run here"
        exit 77
    fi
done
exec "$@"
