#include "Spreadsheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <csignal>
#include <tuple>
#include <unistd.h>

namespace kelvora::ui::test {

namespace {

constexpr int timeoutMs = 120'000;

// Runs the program to its end, which is to write the file `writes` unless
// that is empty; the failure, or an empty string. soffice hands the work to a
// soffice.bin it starts, which ending soffice alone would leave running on
// the profile, so the program gets a process group of its own and the whole
// group ends with it.
QString run(const QString& program, const QStringList& arguments, const QString& writes = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The profile alone sets Calc's locale, not the one the test runs in.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return program + QStringLiteral(" did not start: ") + process.errorString();
    const auto group = pid_t(process.processId());
    const bool ended = process.waitForFinished(timeoutMs);
    // A group's number is not given to another process while a member of it
    // lives: what this one left running is all that this can reach.
    if (group > 0)
        ::kill(-group, SIGKILL);
    if (!ended) {
        process.waitForFinished();
        return program + QStringLiteral(" took more than %1 s").arg(timeoutMs / 1000);
    }
    const QString output = QString::fromUtf8(process.readAll()).left(2000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("%1 failed (exit code %2): %3")
            .arg(program)
            .arg(process.exitCode())
            .arg(output);
    if (!writes.isEmpty() && !QFile::exists(writes)) // soffice says why, and ends well
        return QStringLiteral("%1 wrote no %2: %3").arg(program, writes, output);
    return {};
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The xlsx's first sheet, its shared strings put in; the failure, or an empty string.
QString readSheet(const QString& xlsx, const QString& folder, Sheet& sheet) {
    if (QString failure = run(QStringLiteral("unzip"),
                              {QStringLiteral("-qo"), xlsx, QStringLiteral("-d"), folder});
        !failure.isEmpty())
        return failure;
    QStringList strings; // a file without texts has no sharedStrings.xml
    QXmlStreamReader stringsXml(contents(folder + QStringLiteral("/xl/sharedStrings.xml")));
    while (!stringsXml.atEnd())
        if (stringsXml.readNext() == QXmlStreamReader::StartElement &&
            stringsXml.name() == u"si") // runs are joined
            strings << stringsXml.readElementText(QXmlStreamReader::IncludeChildElements);

    QXmlStreamReader xml(contents(folder + QStringLiteral("/xl/worksheets/sheet1.xml")));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"c")
            continue;
        SheetCell cell;
        cell.reference = xml.attributes().value(QLatin1String("r")).toString();
        for (const QChar c : cell.reference) // "AB12": column 27, row 12
            if (c.isLetter())
                cell.column = cell.column * 26 + (c.unicode() - u'A' + 1);
            else
                cell.row = cell.row * 10 + c.digitValue();
        --cell.column;
        const auto type = xml.attributes().value(QLatin1String("t")).toString();
        QString value, formula;
        bool empty = true, calculated = false; // a shared formula's <f> may be empty
        while (xml.readNextStartElement()) {
            const bool f = xml.name() == u"f";
            (f ? formula : value) = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            calculated |= f;
            empty = false;
        }
        if (empty) // a cell with a format and nothing in it
            continue;
        if (calculated || type == u"e") {
            cell.kind = SheetCell::Kind::FormulaOrError;
            cell.text = calculated ? u'=' + formula : value;
        } else if (type == u"s") {
            cell.text =
                strings.value(value.toInt(), QStringLiteral("(no shared string %1)").arg(value));
        } else if (type.isEmpty() || type == u"n") {
            bool read = false;
            cell.kind = SheetCell::Kind::Number;
            cell.number = value.toDouble(&read); // in the C locale, as xlsx writes it
            if (!read)
                return QStringLiteral("%1: the number \"%2\" does not read")
                    .arg(cell.reference, value);
        } else {
            cell.text = value; // a boolean, a date or an inline string: never a number here
        }
        sheet << cell;
    }
    return xml.hasError() ? xlsx + QStringLiteral(": ") + xml.errorString() : QString();
}

} // namespace

PastedRoom pasteIntoCalc(const QString& localeName, const QString& html, const QString& text) {
    PastedRoom pasted;
    const QTemporaryDir folder;
    const QString profile = folder.filePath(QStringLiteral("profile"));
    const QString settings = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Setup/L10N"><prop oor:name="ooSetupSystemLocale" oor:op="fuse"><value>%1</value></prop></item>
</oor:items>
)");
    if (!folder.isValid() || !write(profile + QStringLiteral("/user/registrymodifications.xcu"),
                                    settings.arg(localeName.toHtmlEscaped()).toUtf8())) {
        pasted.failure = QStringLiteral("cannot make a LibreOffice profile in a temporary folder");
        return pasted;
    }
    // The text filter's options: tab-separated, '"' quotes, UTF-8, from line
    // 1, the locale's language; each input's own name keeps its xlsx apart.
    const std::tuple<const char*, const QString&, const char*, Sheet&> forms[] = {
        {"copied-html", html, "HTML (StarCalc)", pasted.fromHtml},
        {"copied-text", text, "Text - txt - csv (StarCalc):9,34,76,1,,0", pasted.fromText}};
    for (const auto& [name, contents, filter, sheet] : forms) {
        const QString input = folder.filePath(QString::fromLatin1(name));
        const QString xlsx = input + QStringLiteral(".xlsx");
        pasted.failure =
            !write(input, contents.toUtf8())
                ? QStringLiteral("cannot write ") + input
                : run(QStringLiteral("soffice"),
                      {QStringLiteral("-env:UserInstallation=") +
                           QUrl::fromLocalFile(profile).toString(),
                       QStringLiteral("--headless"), QStringLiteral("--infilter=") + filter,
                       QStringLiteral("--convert-to"), QStringLiteral("xlsx"),
                       QStringLiteral("--outdir"), folder.path(), input},
                      xlsx);
        if (pasted.failure.isEmpty())
            pasted.failure = readSheet(xlsx, input + QStringLiteral(".unzipped"), sheet);
        if (!pasted.failure.isEmpty()) {
            pasted.failure.prepend(QStringLiteral("%1 in %2: ").arg(name, localeName));
            return pasted;
        }
    }
    return pasted;
}

int pagesInWriter(const QString& html, QString& failure) {
    const QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("copied.html"));
    const QString pdf = folder.filePath(QStringLiteral("copied.pdf"));
    failure =
        !folder.isValid() || !write(input, html.toUtf8())
            ? QStringLiteral("cannot write ") + input
            : run(QStringLiteral("soffice"),
                  {QStringLiteral("-env:UserInstallation=") +
                       QUrl::fromLocalFile(folder.filePath(QStringLiteral("profile"))).toString(),
                   QStringLiteral("--headless"), QStringLiteral("--infilter=HTML (StarWriter)"),
                   QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                   QStringLiteral("--outdir"), folder.path(), input},
                  pdf);
    if (!failure.isEmpty())
        return 0;
    // Each page is an object of type /Page; the tree above them is /Pages.
    return int(QString::fromLatin1(contents(pdf))
                   .count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s])"))));
}

Sheet rowLabelled(const Sheet& sheet, const QString& label) {
    for (const SheetCell& first : sheet) {
        if (first.column != 0 || first.kind != SheetCell::Kind::Text || first.text != label)
            continue;
        Sheet row;
        for (const SheetCell& cell : sheet) // xlsx keeps a row's cells from left to right
            if (cell.row == first.row)
                row << cell;
        return row;
    }
    return {};
}

QString describe(const Sheet& cells) {
    QStringList described;
    for (const SheetCell& cell : cells)
        described
            << (cell.kind == SheetCell::Kind::Number
                    ? QStringLiteral("%1: number %2")
                          .arg(cell.reference,
                               QString::number(cell.number, 'g', QLocale::FloatingPointShortest))
                : cell.kind == SheetCell::Kind::Text
                    ? QStringLiteral("%1: text \"%2\"").arg(cell.reference, cell.text)
                    : QStringLiteral("%1: formula or error \"%2\"").arg(cell.reference, cell.text));
    return described.join(QStringLiteral("; "));
}

} // namespace kelvora::ui::test
