#include <QTest>

#include <cmath>

#include "calc/errors.h"
#include "calc/text_rules.h"

using calc::CalcError;
using calc::ErrorKind;

class TstTextRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filterKey_data();
    void filterKey();
    void parseNumber_data();
    void parseNumber();
    void parseNumberQuotesTextVerbatim_data();
    void parseNumberQuotesTextVerbatim();
    void formatResult_data();
    void formatResult();
};

void TstTextRules::filterKey_data()
{
    QTest::addColumn<uint>("typed");
    QTest::addColumn<bool>("passes");
    for (char32_t c = U'0'; c <= U'9'; ++c)
        QTest::addRow("digit %c", char(c)) << uint(c) << true;
    QTest::newRow("comma") << uint(U',') << true;
    QTest::newRow("backspace") << uint(8) << true;
    QTest::newRow("point") << uint(U'.') << false;
    QTest::newRow("minus") << uint(U'-') << false;
    QTest::newRow("plus") << uint(U'+') << false;
    QTest::newRow("latin E") << uint(U'E') << false;
    QTest::newRow("cyrillic letter") << uint(U'б') << false;
    QTest::newRow("blank") << uint(U' ') << false;
    QTest::newRow("enter") << uint(13) << false;
    QTest::newRow("tab") << uint(9) << false;
    QTest::newRow("ctrl+c") << uint(3) << false;
    QTest::newRow("ctrl+v") << uint(22) << false;
    QTest::newRow("ctrl+x") << uint(24) << false;
    QTest::newRow("ctrl+z") << uint(26) << false;
    QTest::newRow("escape itself") << uint(27) << false;
}

void TstTextRules::filterKey()
{
    QFETCH(uint, typed);
    QFETCH(bool, passes);
    QCOMPARE(uint(calc::FilterKey(char32_t(typed))), passes ? typed : uint(calc::kEscape));
}

void TstTextRules::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("separator");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    struct Row { const char* text; bool commaOk; double commaValue; bool pointOk; double pointValue; };
    const Row rows[] = {
        {"", false, 0, false, 0},
        {",", true, 0, false, 0},
        {"5", true, 5, true, 5},
        {"12,5", true, 12.5, false, 0},
        {",5", true, 0.5, false, 0},
        {"5,", true, 5, false, 0},
        {"1,2,3", false, 0, false, 0},
        {"007", true, 7, true, 7},
        {"12.5", false, 0, true, 12.5},
        {"1,5E2", true, 150, false, 0},
        {",,5", false, 0, false, 0},
        {"  -2,5  ", true, -2.5, false, 0},
        {"+3", true, 3, true, 3},
        {"+", false, 0, false, 0},
        {"-", false, 0, false, 0},
        {" ", false, 0, false, 0},
        {"\t5", false, 0, false, 0},
        {"5 x", false, 0, false, 0},
        {"1 000", false, 0, false, 0},
        {"E5", false, 0, false, 0},
        {"5E", true, 5, true, 5},
        {"5e-", true, 5, true, 5},
        {"25e-1", true, 2.5, true, 2.5},
        {"-,", true, -0.0, false, 0},
        {"1E5000", false, 0, false, 0},
        {"1E4999", false, 0, false, 0},
        {"1E-4999", true, 0, true, 0},
    };
    for (const Row& row : rows) {
        QTest::addRow("'%s' with comma", row.text) << QString::fromUtf8(row.text) << uint(U',') << row.commaOk << row.commaValue;
        QTest::addRow("'%s' with point", row.text) << QString::fromUtf8(row.text) << uint(U'.') << row.pointOk << row.pointValue;
    }
    QTest::newRow("a separator of two bytes") << QStringLiteral("3٫5") << uint(U'٫') << true << 3.5;
}

void TstTextRules::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(uint, separator);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const std::string utf8 = text.toStdString();
    if (!ok) {
        try {
            calc::ParseNumber(utf8, char32_t(separator));
            QFAIL("the text was accepted");
        } catch (const CalcError& error) {
            QCOMPARE(error.kind(), ErrorKind::Conversion);
        }
        return;
    }
    const calc::Extended parsed = calc::ParseNumber(utf8, char32_t(separator));
    QCOMPARE(double(parsed), value);
    QCOMPARE(std::signbit(parsed), text.trimmed().startsWith('-'));
}

void TstTextRules::parseNumberQuotesTextVerbatim_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty: the apostrophes side by side") << QString();
    QTest::newRow("blanks kept") << QStringLiteral("  1,2,3 ");
    QTest::newRow("markup kept") << QStringLiteral("<b>x</b>");
    QTest::newRow("cyrillic") << QStringLiteral("пять");
}

void TstTextRules::parseNumberQuotesTextVerbatim()
{
    QFETCH(QString, text);
    try {
        calc::ParseNumber(text.toStdString(), U',');
        QFAIL("the text was accepted");
    } catch (const CalcError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), "'" + text + "' is not a valid floating point value");
    }
}

void TstTextRules::formatResult_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.2205") << 0.2205 << "   0.22";
    QTest::newRow("123.456") << 123.456 << " 123.46";
    QTest::newRow("wider than seven: not cut") << 12345.678 << "12345.68";
    QTest::newRow("-3.5") << -3.5 << "  -3.50";
    QTest::newRow("negative rounding to zero keeps its sign") << -0.001 << "  -0.00";
    QTest::newRow("zero") << 0.0 << "   0.00";
    QTest::newRow("negative zero") << -0.0 << "  -0.00";
    QTest::newRow("tie goes up") << 0.125 << "   0.13";
    QTest::newRow("tie goes up above one") << 1.125 << "   1.13";
    QTest::newRow("0.015: its 17-decimal image is a tie") << 0.015 << "   0.02";
    QTest::newRow("0.995: likewise, carrying") << 0.995 << "   1.00";
    QTest::newRow("2.675: its image lies below the tie") << 2.675 << "   2.67";
    QTest::newRow("carry into a new digit") << 9.996 << "  10.00";
    QTest::newRow("-0.25") << -0.25 << "  -0.25";
    QTest::newRow("exactly 100") << 100.0 << " 100.00";
    QTest::newRow("1e20: zeros beyond 18 digits") << 1e20 << "100000000000000000000.00";
    QTest::newRow("denormal") << 4.9e-324 << "   0.00";
    QTest::newRow("negative denormal") << -4.9e-324 << "  -0.00";
    QTest::newRow("just below 2^120: fixed") << std::nextafter(0x1p120, 0.0) << "1329227995784915730000000000000000000.00";
    QTest::newRow("2^120: exponent form") << 0x1p120 << " 1.3E+0036";
    QTest::newRow("exponent form, negative") << -0x1p120 << "-1.3E+0036";
    QTest::newRow("exponent form, carry") << 9.96e40 << " 1.0E+0041";
    QTest::newRow("largest double") << 1.7976931348623157e308 << " 1.8E+0308";
}

void TstTextRules::formatResult()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(calc::FormatResult(value)), text);
}

QTEST_APPLESS_MAIN(TstTextRules)
#include "tst_text_rules.moc"
