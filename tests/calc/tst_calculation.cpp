#include <QTest>

#include <cmath>
#include <limits>

#include "calc/calculation.h"
#include "calc/errors.h"

using calc::CalcError;
using calc::CalcState;
using calc::EquipmentKind;
using calc::ErrorKind;
using calc::InputTexts;
using calc::Outcome;

namespace {

// What the window would show: one "slot caption text" line per delivered result.
struct Delivery {
    QStringList lines;
    calc::ResultSink sink()
    {
        return [this](int slot, std::string_view caption, const std::string& text) {
            lines << QStringLiteral("%1 %2%3").arg(slot).arg(QString::fromUtf8(caption.data(), caption.size()),
                                                           QString::fromStdString(text));
        };
    }
};

InputTexts texts(const QStringList& fields)
{
    InputTexts result;
    for (int i = 0; i < fields.size(); ++i)
        result[std::size_t(i)] = fields[i].toStdString();
    return result;
}

Outcome calculate(CalcState& state, EquipmentKind kind, const QStringList& fields, Delivery& shown)
{
    state.EquipKind = kind;
    return calc::Calculate(state, texts(fields), U',', shown.sink());
}

}  // namespace

Q_DECLARE_METATYPE(calc::ErrorKind)

class TstCalculation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workedExamples_data();
    void workedExamples();
    void threeWindingVoltages_data();
    void threeWindingVoltages();
    void missingInput_data();
    void missingInput();
    void faults_data();
    void faults();
    void faultKeepsWhatWasStored();
    void stateCarriesOver();
    void startsZeroed();
};

void TstCalculation::workedExamples_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("fields");  // EditUb, EditSnom, EditXd, EditX2, EditUk
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("generator") << int(calc::KindGen) << QStringList{"10,5", "100", "0,2", "", ""}
                               << QStringList{"1 X=   0.22"};
    QTest::newRow("generator with X2") << int(calc::KindGen) << QStringList{"10,5", "100", "0,2", "0,25", ""}
                                       << QStringList{"1 X=   0.22", "2 X2=   0.28"};
    QTest::newRow("system 1") << int(calc::KindSystem) << QStringList{"115", "2500", "", "", ""}
                              << QStringList{"1 X=   5.29"};
    QTest::newRow("system 1 ignores the other fields") << int(calc::KindSystem) << QStringList{"115", "2500", "x", "x", "x"}
                                                       << QStringList{"1 X=   5.29"};
    QTest::newRow("two-winding transformer") << int(calc::KindTrans) << QStringList{"115", "40", "10,5", "", ""}
                                             << QStringList{"1 X=  34.72"};
    QTest::newRow("three-winding transformer") << int(calc::KindTrans3) << QStringList{"115", "40", "10,5", "17", "6"}
                                               << QStringList{"1 Xв=  35.54", "2 Xc=   0.00", "3 Xн=  20.66"};
    QTest::newRow("three-winding, negative outer windings pass")
        << int(calc::KindTrans3) << QStringList{"115", "40", "1", "2", "10"}
        << QStringList{"1 Xв= -11.57", "2 Xc=  14.88", "3 Xн=  18.18"};
    QTest::newRow("three-winding, a negative zero is not clamped")
        << int(calc::KindTrans3) << QStringList{"115", "40", "-0", "0", "-0"}
        << QStringList{"1 Xв=   0.00", "2 Xc=  -0.00", "3 Xн=   0.00"};
    QTest::newRow("line") << int(calc::KindLine) << QStringList{"10,5", "115", "50", "0,4", ""}
                          << QStringList{"1 X=   0.17"};
    QTest::newRow("line at its own voltage") << int(calc::KindLine) << QStringList{"115", "115", "50", "0,4", ""}
                                             << QStringList{"1 X=  20.00"};
    QTest::newRow("system 2") << int(calc::KindSystem2) << QStringList{"115", "1000", "0,4", "", ""}
                              << QStringList{"1 X=   5.29"};
    QTest::newRow("reactor") << int(calc::KindReaktor) << QStringList{"6,3", "10,5", "0,35", "", ""}
                             << QStringList{"1 X=   0.13"};
    QTest::newRow("twin reactor") << int(calc::KindReaktor2) << QStringList{"10,5", "10,5", "0,2", "0,5", ""}
                                  << QStringList{"1 X=  -0.10", "2 X=   0.30", "3 X=   0.30"};
}

void TstCalculation::workedExamples()
{
    QFETCH(int, kind);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, shown);
    CalcState state;
    Delivery delivery;
    QCOMPARE(calculate(state, EquipmentKind(kind), fields, delivery), Outcome::Completed);
    QCOMPARE(delivery.lines, shown);
    QVERIFY(shown.last().endsWith(QString::fromStdString(state.ResultText)));

    // Pressing the command again without changing the inputs gives the same texts.
    Delivery again;
    calculate(state, EquipmentKind(kind), fields, again);
    QCOMPARE(again.lines, shown);
}

void TstCalculation::threeWindingVoltages_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<double>("ukV");
    QTest::addColumn<double>("ukS");
    QTest::addColumn<double>("ukN");
    QTest::addColumn<double>("xOut");
    QTest::newRow("medium winding clamped to +0") << QStringList{"115", "40", "10,5", "17", "6"} << 10.75 << 0.0 << 6.25 << 20.6640625;
    QTest::newRow("outer windings negative") << QStringList{"115", "40", "1", "2", "10"} << -3.5 << 4.5 << 5.5 << 18.184375;
}

void TstCalculation::threeWindingVoltages()
{
    QFETCH(QStringList, fields);
    QFETCH(double, ukV);
    QFETCH(double, ukS);
    QFETCH(double, ukN);
    QFETCH(double, xOut);
    CalcState state;
    Delivery delivery;
    calculate(state, calc::KindTrans3, fields, delivery);
    QCOMPARE(state.UkV, ukV);
    QCOMPARE(state.UkS, ukS);
    QVERIFY(!std::signbit(state.UkS) || ukS != 0);
    QCOMPARE(state.UkN, ukN);
    QCOMPARE(state.XOut, xOut);
}

void TstCalculation::missingInput_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("generator without Xd, with X2") << int(calc::KindGen) << QStringList{"10,5", "100", "", "0,25", ""};
    QTest::newRow("generator without Ub") << int(calc::KindGen) << QStringList{"", "100", "0,2", "", ""};
    QTest::newRow("system 1 without Snom") << int(calc::KindSystem) << QStringList{"115", "", "1", "", ""};
    QTest::newRow("transformer without Xd") << int(calc::KindTrans) << QStringList{"115", "40", "", "", ""};
    QTest::newRow("three-winding without Uk") << int(calc::KindTrans3) << QStringList{"115", "40", "10,5", "17", ""};
    QTest::newRow("line without X2") << int(calc::KindLine) << QStringList{"10,5", "115", "50", "", ""};
    QTest::newRow("twin reactor without X2") << int(calc::KindReaktor2) << QStringList{"10,5", "10,5", "0,2", "", ""};
    QTest::newRow("a malformed field before the empty one is not read") << int(calc::KindTrans) << QStringList{"1,2,3", "", "1", "", ""};
}

void TstCalculation::missingInput()
{
    QFETCH(int, kind);
    QFETCH(QStringList, fields);
    CalcState state;
    state.Ub = 1;
    state.X2 = 2;
    state.ResultText = "   9.99";
    Delivery delivery;
    QCOMPARE(calculate(state, EquipmentKind(kind), fields, delivery), Outcome::MissingInput);
    QVERIFY(delivery.lines.isEmpty());
    QCOMPARE(state.Ub, 1.0);
    QCOMPARE(state.X2, 2.0);
    QCOMPARE(state.ResultText, std::string("   9.99"));
}

void TstCalculation::faults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<ErrorKind>("error");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("shownBefore");

    const QString divByZero = "Floating point division by zero";
    const QString invalid = "Invalid floating point operation";
    QTest::newRow("generator: zero Snom") << int(calc::KindGen) << QStringList{"10,5", "0", "0,2", "", ""}
                                          << ErrorKind::DivisionByZero << divByZero << QStringList{};
    QTest::newRow("generator: 0/0") << int(calc::KindGen) << QStringList{"10,5", "0", "0", "", ""}
                                    << ErrorKind::InvalidOperation << invalid << QStringList{};
    QTest::newRow("system 1: zero Snom") << int(calc::KindSystem) << QStringList{"115", "0", "", "", ""}
                                         << ErrorKind::DivisionByZero << divByZero << QStringList{};
    QTest::newRow("system 1: 0/0") << int(calc::KindSystem) << QStringList{"0", "0", "", "", ""}
                                   << ErrorKind::InvalidOperation << invalid << QStringList{};
    QTest::newRow("transformer: zero Snom") << int(calc::KindTrans) << QStringList{"115", "0", "10,5", "", ""}
                                            << ErrorKind::DivisionByZero << divByZero << QStringList{};
    QTest::newRow("three-winding: zero Snom") << int(calc::KindTrans3) << QStringList{"115", "0", "10,5", "17", "6"}
                                              << ErrorKind::DivisionByZero << divByZero << QStringList{};
    QTest::newRow("line: zero average voltage") << int(calc::KindLine) << QStringList{"10,5", "0", "50", "0,4", ""}
                                                << ErrorKind::DivisionByZero << divByZero << QStringList{};
    QTest::newRow("system 2: 0/0") << int(calc::KindSystem2) << QStringList{"0", "0", "0,4", "", ""}
                                   << ErrorKind::InvalidOperation << invalid << QStringList{};
    QTest::newRow("reactor: zero average voltage") << int(calc::KindReaktor) << QStringList{"6,3", "0", "0,35", "", ""}
                                                   << ErrorKind::DivisionByZero << divByZero << QStringList{};
    QTest::newRow("twin reactor: zero average voltage") << int(calc::KindReaktor2) << QStringList{"10,5", "0", "0,2", "0,5", ""}
                                                        << ErrorKind::DivisionByZero << divByZero << QStringList{};

    QTest::newRow("malformed first field") << int(calc::KindTrans) << QStringList{"1,2,3", "40", "10,5", "", ""}
                                           << ErrorKind::Conversion << "'1,2,3' is not a valid floating point value" << QStringList{};
    QTest::newRow("malformed fifth field") << int(calc::KindTrans3) << QStringList{"115", "40", "10,5", "17", ",,5"}
                                           << ErrorKind::Conversion << "',,5' is not a valid floating point value" << QStringList{};
    QTest::newRow("malformed X2 after the generator's first result")
        << int(calc::KindGen) << QStringList{"10,5", "100", "0,2", " ", ""}
        << ErrorKind::Conversion << "' ' is not a valid floating point value" << QStringList{"1 X=   0.22"};

    QTest::newRow("input beyond double") << int(calc::KindSystem) << QStringList{"1E309", "1", "", "", ""}
                                         << ErrorKind::Overflow << "Floating point overflow" << QStringList{};
    QTest::newRow("result beyond double") << int(calc::KindSystem) << QStringList{"1E200", "1", "", "", ""}
                                          << ErrorKind::Overflow << "Floating point overflow" << QStringList{};
    QTest::newRow("twin reactor: outer branch overflows after the common one")
        << int(calc::KindReaktor2) << QStringList{"1", "1", "1E308", "1", ""}
        << ErrorKind::Overflow << "Floating point overflow" << QStringList{"1 X=-1.0E+0308"};
    QTest::newRow("underflow is no fault") << int(calc::KindSystem) << QStringList{"1E-200", "1E200", "", "", ""}
                                           << ErrorKind{} << QString() << QStringList{"1 X=   0.00"};
}

void TstCalculation::faults()
{
    QFETCH(int, kind);
    QFETCH(QStringList, fields);
    QFETCH(ErrorKind, error);
    QFETCH(QString, message);
    QFETCH(QStringList, shownBefore);
    CalcState state;
    Delivery delivery;
    try {
        calculate(state, EquipmentKind(kind), fields, delivery);
        QVERIFY2(message.isEmpty(), "no error was raised");
    } catch (const CalcError& raised) {
        QCOMPARE(raised.kind(), error);
        QCOMPARE(QString::fromUtf8(raised.what()), message);
    }
    QCOMPARE(delivery.lines, shownBefore);
}

void TstCalculation::faultKeepsWhatWasStored()
{
    CalcState state;
    Delivery delivery;
    calculate(state, calc::KindTrans3, {"115", "40", "10,5", "17", "6"}, delivery);
    const CalcState before = state;

    // Ub and Snom are stored, then Xd fails: nothing after it changes.
    QVERIFY_THROWS_EXCEPTION(CalcError, calculate(state, calc::KindTrans3, {"110", "25", "1,2,3", "1", "1"}, delivery));
    QCOMPARE(state.Ub, 110.0);
    QCOMPARE(state.Snom, 25.0);
    QCOMPARE(state.Xd, before.Xd);
    QCOMPARE(state.X2, before.X2);
    QCOMPARE(state.UkV, before.UkV);
    QCOMPARE(state.XOut, before.XOut);
    QCOMPARE(state.ResultText, before.ResultText);

    // All inputs stored, the first division fails: the voltages are new, XOut is not.
    QVERIFY_THROWS_EXCEPTION(CalcError, calculate(state, calc::KindTrans3, {"110", "0", "10", "20", "6"}, delivery));
    QCOMPARE(state.Snom, 0.0);
    QCOMPARE(state.Uk, 6.0);
    QCOMPARE(state.UkV, 12.0);
    QCOMPARE(state.UkS, 0.0);
    QCOMPARE(state.UkN, 8.0);
    QCOMPARE(state.XOut, before.XOut);
    QCOMPARE(state.ResultText, before.ResultText);
}

void TstCalculation::stateCarriesOver()
{
    CalcState state;
    Delivery delivery;
    // A generator's X2 result overwrites the stored input.
    calculate(state, calc::KindGen, {"10,5", "100", "0,2", "0,25", ""}, delivery);
    QCOMPARE(state.X2, 0.275625);

    // Another kind's calculation stores new Ub and Snom and leaves the rest.
    calculate(state, calc::KindSystem, {"115", "2500", "", "", ""}, delivery);
    QCOMPARE(state.Ub, 115.0);
    QCOMPARE(state.Snom, 2500.0);
    QCOMPARE(state.Xd, 0.2);
    QCOMPARE(state.X2, 0.275625);
    QCOMPARE(state.XOut, 5.29);
    QCOMPARE(state.ResultText, std::string("   5.29"));
    QCOMPARE(state.EquipKind, calc::KindSystem);
}

void TstCalculation::startsZeroed()
{
    const CalcState state;
    for (double field : {state.Ub, state.Snom, state.Xd, state.XOut, state.X2, state.Uk, state.UkV, state.UkS,
                         state.UkN, state.XOut2}) {
        QCOMPARE(field, 0.0);
        QVERIFY(!std::signbit(field));
    }
    QCOMPARE(state.EquipKind, calc::KindNone);
    QVERIFY(state.ResultText.empty());
}

QTEST_APPLESS_MAIN(TstCalculation)
#include "tst_calculation.moc"
