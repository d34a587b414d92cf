// The conversions between field texts and numbers: what any text reads as,
// how results are rounded, and how they are written back.

#include "core/FieldText.h"

#include <QByteArray>
#include <QTest>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using kelvora::fieldValue;
using kelvora::numberText;
using kelvora::roundHalfEven;

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// QCOMPARE takes any two doubles near zero for equal, 1e-91 and 0 alike:
// a number read or rounded must be the very double expected, bit for bit.
struct Exactly {
    double value;
    friend bool operator==(Exactly a, Exactly b) {
        return std::bit_cast<std::uint64_t>(a.value) == std::bit_cast<std::uint64_t>(b.value);
    }
};

char* toString(Exactly exactly) {
    return qstrdup(QByteArray::number(exactly.value, 'g', 17).constData());
}

} // namespace

class tst_FieldText : public QObject {
    Q_OBJECT

private slots:
    void tellsLikelyMisreadings_data();
    void tellsLikelyMisreadings();
    void tellsWhyMisread_data();
    void tellsWhyMisread();
    void readsText_data();
    void readsText();
    void numberBeyondRangeRaisesOverflow_data();
    void numberBeyondRangeRaisesOverflow();
    void readsAnyCharacters();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void writesNumbers_data();
    void writesNumbers();
    void roundedResultReadsBack_data();
    void roundedResultReadsBack();
};

void tst_FieldText::tellsLikelyMisreadings_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("misread");
    QTest::addColumn<double>("value"); // what the program reads, misread or not

    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "  \t" << false << 0.0;
    QTest::newRow("a word") << "mười" << true << 0.0;
    QTest::newRow("letters") << "abc" << true << 0.0;
    QTest::newRow("lone minus") << "-" << true << 0.0;
    QTest::newRow("lone point") << "." << true << 0.0;
    QTest::newRow("two signs") << "--5" << true << 0.0;
    QTest::newRow("unit first") << "m2 60" << true << 0.0;
    QTest::newRow("decimal comma") << "48,5" << true << 48.0;
    QTest::newRow("decimal comma and unit") << "145,5 m3" << true << 145.0;
    QTest::newRow("comma, blank, digit") << "48, 5" << true << 48.0;
    QTest::newRow("thousands comma") << "1,200" << true << 1.0;
    QTest::newRow("second point") << "1.2.3" << true << 1.2;
    QTest::newRow("range") << "12-5" << true << 12.0;
    QTest::newRow("sum") << "12+5" << true << 12.0;
    QTest::newRow("point, then a sign") << "12.-5" << true << 12.0;
    QTest::newRow("whole number") << "60" << false << 60.0;
    QTest::newRow("decimals") << "12.5" << false << 12.5;
    QTest::newRow("signed") << "-3" << false << -3.0;
    QTest::newRow("leading point") << ".5" << false << 0.5;
    QTest::newRow("exponent") << "1e2" << false << 100.0;
    QTest::newRow("area unit") << "60 m2" << false << 60.0;
    QTest::newRow("people") << "21 người" << false << 21.0;
    QTest::newRow("watts") << "11 W" << false << 11.0;
    QTest::newRow("decimals and unit") << "12.5 m2" << false << 12.5;
    QTest::newRow("blank inside a number") << "1 2" << false << 12.0;
    QTest::newRow("trailing comma") << "12," << false << 12.0;
    QTest::newRow("comma, then a word") << "12,m" << false << 12.0;
    QTest::newRow("dash, then a unit") << "12-m" << false << 12.0;
    QTest::newRow("blank in thousands") << "12 345" << false << 12345.0;
    QTest::newRow("no-break space in thousands") << "12\u00A0345" << true << 12.0;
    QTest::newRow("narrow no-break space") << "12\u202F345" << true << 12.0;
    QTest::newRow("figure space") << "12\u2007345" << true << 12.0;
    QTest::newRow("thin space") << "12\u2009345" << true << 12.0;
    QTest::newRow("ideographic space") << "12\u3000345" << true << 12.0;
    QTest::newRow("zero-width space") << "12\u200B345" << true << 12.0;
    QTest::newRow("no-break space, then a unit") << "12\u00A0m2" << false << 12.0;
    QTest::newRow("full-width digits") << "\uFF11\uFF12" << true << 0.0;
}

void tst_FieldText::tellsLikelyMisreadings() {
    QFETCH(QString, text);
    QFETCH(bool, misread);
    QFETCH(double, value);
    const std::string utf8 = text.toStdString();
    QCOMPARE(kelvora::isLikelyMisread(utf8), misread);
    QCOMPARE(Exactly{fieldValue(utf8)}, Exactly{value});
}

void tst_FieldText::tellsWhyMisread_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("meant"); // what to type instead of the comma
    QTest::addColumn<uint>("stopCode");
    using kelvora::Misreading;
    const auto row = [](const char* name, const char* text, Misreading kind, const char* meant,
                        uint stopCode = 0) {
        QTest::newRow(name) << QString::fromUtf8(text) << int(kind) << QString(meant) << stopCode;
    };
    row("a word", "mười", Misreading::NoNumber, "");
    row("decimal comma", "48,5", Misreading::DecimalComma, "48.5");
    row("decimal comma and unit", "145,5 m3", Misreading::DecimalComma, "145.5");
    row("comma, blank, digit", "48, 5", Misreading::DecimalComma, "48.5");
    row("comma, exponent", "1,5e3", Misreading::DecimalComma, "1.5e3");
    row("comma after the decimals", "12.5,3", Misreading::DecimalComma, "");
    row("comma after an exponent", "1e2,5", Misreading::DecimalComma, "");
    row("second point", "1.2.3", Misreading::SecondPoint, "");
    row("range", "12-5", Misreading::Sign, "");
    row("no-break space", "12\u00A0345", Misreading::Space, "", 0xA0);
    row("hair space in an exponent", "1e\u200A2", Misreading::Space, "", 0x200A);
    row("space before a point", "12\u205F.5", Misreading::Space, "", 0x205F);
    row("space first", "\u00A012", Misreading::NoNumber, "");
    row("full-width digit after", "12\uFF13", Misreading::FullWidthDigit, "", 0xFF13);
    row("comma, full-width digit", "12,\uFF15", Misreading::DecimalComma, "12.5");
}

void tst_FieldText::tellsWhyMisread() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, meant);
    const kelvora::MisreadingReason reason = kelvora::likelyMisreading(text.toStdString());
    QCOMPARE(int(reason.kind), kind);
    QCOMPARE(QString::fromStdString(reason.meant), meant);
    QFETCH(uint, stopCode);
    QCOMPARE(uint(reason.stopCode), stopCode);
}

void tst_FieldText::readsText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone plus") << "+" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("minus point") << "-." << 0.0;
    QTest::newRow("number then unit") << "12.5 m2" << 12.5;
    QTest::newRow("blank between digits") << "1 2" << 12.0;
    QTest::newRow("tab and line feed inside") << "\t1\n2 .\t5" << 12.5;
    QTest::newRow("blank after sign") << "- 3" << -3.0;
    QTest::newRow("carriage return ends it") << "1\r2" << 1.0;
    QTest::newRow("comma ends it") << "12,5" << 12.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("two signs") << "+-7" << 0.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("capital exponent, signed") << "25E-1" << 2.5;
    QTest::newRow("blanks in exponent") << "1 e + 2" << 100.0;
    QTest::newRow("blank after exponent sign") << "5e- 2" << 0.05;
    QTest::newRow("blank after sign and point") << "-. 5" << -0.5;
    QTest::newRow("blank after plus") << "+ 7" << 7.0;
    QTest::newRow("blank turns overflow into exponent")
        << QString(309, '9') + "e -400" << 1e-91; // read without its blank, no overflow
    QTest::newRow("exponent without digits") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e+x" << 3.0;
    QTest::newRow("point exponent") << "2.e1" << 20.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("inf is letters") << "inf" << 0.0;
    QTest::newRow("infinity is letters") << "-Infinity" << 0.0;
    QTest::newRow("nan is letters") << "nan" << 0.0;
    QTest::newRow("hexadecimal reads its 0") << "0x10" << 0.0;
    QTest::newRow("D is no exponent") << "1d2" << 1.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("Vietnamese after") << "5 người" << 5.0;
    QTest::newRow("Vietnamese before") << "người 5" << 0.0;
    QTest::newRow("full-width digit") << "\uFF15" << 0.0;
    QTest::newRow("non-breaking space ends it") << "1\u00A02" << 1.0;
    QTest::newRow("tiny underflows to zero") << "1e-400" << 0.0;
    QTest::newRow("tiny with long fraction") << "0.00000000001e-320" << 0.0;
    QTest::newRow("zero, huge exponent") << "0e999999" << 0.0;
    QTest::newRow("subnormal") << "5e-324" << 4.9406564584124654e-324;
    // Leading zeros count for nothing in the order of a number, however many.
    QTest::newRow("zeros, then beyond the least subnormal") << QString(400, '0') + "1e-330" << 0.0;
    QTest::newRow("zeros, then a subnormal") << QString(400, '0') + "1e-320" << 1e-320;
    QTest::newRow("tiny fraction, exponent up") << "0." + QString(400, '0') + "1e2" << 0.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
    QTest::newRow("many digits") << QString(400, '1').prepend("0.") << 0.11111111111111111;
}

void tst_FieldText::readsText() {
    QFETCH(QString, text);
    QFETCH(double, value);
    std::feclearexcept(FE_ALL_EXCEPT);
    QCOMPARE(Exactly{fieldValue(text.toStdString())}, Exactly{value});
    QVERIFY2(!std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO),
             "reading an ordinary text must raise no fault");
}

void tst_FieldText::numberBeyondRangeRaisesOverflow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("1e999") << "1e999" << infinity;
    QTest::newRow("negative") << "-1e999" << -infinity;
    QTest::newRow("just beyond") << "1.8e308" << infinity;
    QTest::newRow("309 digits") << QString(309, '9') << infinity;
    QTest::newRow("exponent beyond int") << "1e99999999999999999999" << infinity;
    QTest::newRow("leading zeros hide nothing") << "000.001e312" << infinity;
    QTest::newRow("many digits, exponent down") << "1" + QString(400, '0') + "e-1" << infinity;
    QTest::newRow("blank inside exponent") << "1e3 09" << infinity;
}

void tst_FieldText::numberBeyondRangeRaisesOverflow() {
    QFETCH(QString, text);
    QFETCH(double, value);
    std::feclearexcept(FE_ALL_EXCEPT);
    QCOMPARE(Exactly{fieldValue(text.toStdString())}, Exactly{value});
    QVERIFY(std::fetestexcept(FE_OVERFLOW));
}

void tst_FieldText::readsAnyCharacters() {
    // A 30 000-character text and every byte value: none may crash or hang.
    const std::string longDigits(30000, '7');
    QCOMPARE(Exactly{fieldValue(longDigits)}, Exactly{infinity});
    const std::string longBlanks = std::string(30000, ' ') + "4";
    QCOMPARE(Exactly{fieldValue(longBlanks)}, Exactly{4.0});
    const std::string longFraction = "1." + std::string(30000, '0') + "1";
    QCOMPARE(Exactly{fieldValue(longFraction)}, Exactly{1.0});
    std::string allBytes;
    for (int c = 1; c < 256; ++c)
        allBytes.push_back(static_cast<char>(c));
    QCOMPARE(Exactly{fieldValue(allBytes)}, Exactly{0.0});
    QCOMPARE(Exactly{fieldValue(std::string("4\0"
                                            "2",
                                            3))},
             Exactly{4.0});
}

void tst_FieldText::roundsHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("rounded");

    QTest::newRow("0.5") << 0.5 << 0 << 0.0;
    QTest::newRow("1.5") << 1.5 << 0 << 2.0;
    QTest::newRow("2.5") << 2.5 << 0 << 2.0;
    QTest::newRow("3.5") << 3.5 << 0 << 4.0;
    QTest::newRow("-2.5") << -2.5 << 0 << -2.0;
    QTest::newRow("-3.5") << -3.5 << 0 << -4.0;
    QTest::newRow("1276.5") << 1276.5 << 0 << 1276.0;
    QTest::newRow("250.5") << 250.5 << 0 << 250.0;
    QTest::newRow("251.5") << 251.5 << 0 << 252.0;
    QTest::newRow("just below a half") << 1.4999999999999998 << 0 << 1.0;
    QTest::newRow("just above a half") << 2.5000000000000004 << 0 << 3.0;
    QTest::newRow("huge is whole already") << 1e300 << 0 << 1e300;
    QTest::newRow("two places, exact tie") << 0.125 << 2 << 0.12;
    QTest::newRow("two places, 2.675 is below its tie") << 2.675 << 2 << 2.67;
    QTest::newRow("one place") << 0.25 << 1 << 0.2;
    QTest::newRow("places clamped below") << 2.5 << -3 << 2.0;
}

void tst_FieldText::roundsHalfToEven() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, rounded);
    QCOMPARE(Exactly{roundHalfEven(value, decimals)}, Exactly{rounded});
}

void tst_FieldText::writesNumbers_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("2") << 2.0 << "2";
    QTest::newRow("-7") << -7.0 << "-7";
    QTest::newRow("0.25") << 0.25 << "0.25";
    QTest::newRow("0.5") << 0.5 << "0.5";
    QTest::newRow("one third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("two thirds round up") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("-0.4 rounded") << roundHalfEven(-0.4, 0) << "0";
    QTest::newRow("3929") << 3929.0 << "3929";
    QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("rounds up into exponent form") << 999999999999999.9 << "1E+15";
    QTest::newRow("mantissa") << 1.5e20 << "1.5E+20";
    QTest::newRow("largest stays in range") << 1.7976931348623157e308 << "1.79769313486231E+308";
    QTest::newRow("largest negative") << -1.7976931348623157e308 << "-1.79769313486231E+308";
    QTest::newRow("negative large") << -2.5e16 << "-2.5E+16";
    QTest::newRow("0.0001") << 0.0001 << "0.0001";
    QTest::newRow("1E-05") << 0.00001 << "1E-05";
    QTest::newRow("small mantissa") << -1.25e-7 << "-1.25E-07";
    // From 10 up the exponent keeps its own digits, never padded to three.
    QTest::newRow("1E-10") << 1e-10 << "1E-10";
    QTest::newRow("1E+10 digits") << 2.5e25 << "2.5E+25";
    QTest::newRow("1E+100") << 1e100 << "1E+100";
    QTest::newRow("1E-100") << -1e-100 << "-1E-100";
    QTest::newRow("subnormal") << 4.9406564584124654e-324 << "4.94065645841247E-324";
    QTest::newRow("fraction digits") << 1234.5678 << "1234.5678";
    QTest::newRow("sixteenth digit dropped") << 0.1234567890123456 << "0.123456789012346";
}

void tst_FieldText::writesNumbers() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(numberText(value)), text);
}

void tst_FieldText::roundedResultReadsBack_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("tie") << 2.5;
    QTest::newRow("negative") << -1234.56;
    QTest::newRow("small") << 0.4;
    QTest::newRow("large") << 123456789012.7;
    QTest::newRow("beyond 15 digits") << 98765432109876543.0;
    QTest::newRow("huge") << 1.2345678901234e300;
    QTest::newRow("largest") << 1.7976931348623157e308;
}

void tst_FieldText::roundedResultReadsBack() {
    QFETCH(double, value);
    const double rounded = roundHalfEven(value, 0);
    const double back = fieldValue(numberText(rounded));
    // Exact up to 15 significant digits, which is all a field's text carries.
    if (std::abs(rounded) < 1e15)
        QCOMPARE(Exactly{back}, Exactly{rounded});
    else
        QVERIFY(std::abs(back - rounded) <= std::abs(rounded) * 1e-14);
}

QTEST_APPLESS_MAIN(tst_FieldText)
#include "tst_FieldText.moc"
