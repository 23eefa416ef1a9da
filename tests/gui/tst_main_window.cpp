// Choosing equipment, typing through the key filter, the calculation command and
// the input-error window, driven by real clicks and key presses.
#include <QClipboard>
#include <QLineEdit>
#include <memory>

#include "gui_test.h"

using namespace gui_test;

namespace {

const char* const kFields[] = {"EditUb", "EditSnom", "EditXd", "EditX2", "EditUk"};
const char* const kRowLabels[] = {"LblUb", "LblSnom", "LblXd", "LblX2", "LblUkCN"};
const char* const kEquipmentButtons[] = {"BtnGen", "BtnSystem", "BtnSystem2", "BtntTrans",
                                         "BtnTrans3", "BtnLine", "BtnReaktor", "BtnReaktor2"};
struct SlotNames {
    const char* caption;
    const char* value;
    const char* unit;
};
const SlotNames kSlots[] = {{"LblSopr1", "Xrez", "Label2"}, {"LblSoprM", "Edit2", "Label3"}, {"LblSoprL", "Edit3", "Label4"}};

}  // namespace

class TstMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void rowsOfEachKind_data();
    void rowsOfEachKind();
    void selectionMarksTheButton();
    void firstRowCaptionRule();
    void lineRestoresDefaultReactance();
    void resetEmptiesAndHides();
    void keyFilter_data();
    void keyFilter();
    void clipboardKeys();
    void workedExamples_data();
    void workedExamples();
    void tabOrder();
    void emptyRequiredFieldOpensInputErrorWindow_data();
    void emptyRequiredFieldOpensInputErrorWindow();
    void inputErrorWindowReopensWhereLeft();
    void malformedNumberIsReported();
    void faultKeepsEarlierSlots();
    void slotsNotWrittenKeepTheirTexts();
    void regionalSeparator();

private:
    QWidget* control(const char* name) const { return find(form, name); }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(form, name); }
    QString caption(const char* name) const { return find<QLabel>(form, name)->text(); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    void type(const char* name, const QString& text);
    void fill(const QStringList& typed);  // EditUb to EditUk; empty entries are skipped
    QStringList slotTexts() const;

    std::unique_ptr<shell::Application> app;
    QWidget* form = nullptr;
};

void TstMainWindow::initTestCase()
{
    pinRussianLocale();
}

void TstMainWindow::init()
{
    app = std::make_unique<shell::Application>();
    form = app->Form1;
    QVERIFY(QTest::qWaitForWindowExposed(form));
}

void TstMainWindow::cleanup()
{
    app.reset();
}

void TstMainWindow::type(const char* name, const QString& text)
{
    QLineEdit* edit = field(name);
    edit->setFocus();
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, c.toLatin1());
        else  // beyond what keyClick spells: a key press carrying the character
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void TstMainWindow::fill(const QStringList& typed)
{
    for (int i = 0; i < typed.size(); ++i) {
        if (!typed[i].isEmpty())
            type(kFields[i], typed[i]);
    }
}

// "caption|value" for every visible slot, in slot order.
QStringList TstMainWindow::slotTexts() const
{
    QStringList texts;
    for (const SlotNames& slot : kSlots) {
        if (!control(slot.caption)->isVisible())
            continue;
        // A shown slot always shows its value and its unit.
        if (!control(slot.value)->isVisible() || !control(slot.unit)->isVisible())
            return {"slot shown only in part"};
        texts << caption(slot.caption) + "|" + field(slot.value)->text();
    }
    return texts;
}

void TstMainWindow::rowsOfEachKind_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("rows");  // captions of rows 1 to 5; empty: hidden

    const QString ub = "Базисное напряжение, кВ";  // the design caption: no generator chosen yet
    QTest::newRow("generator") << "BtnGen" << 1
        << QStringList{"Базисное напряжение,кВ", "Номинальная мощность,МВА", "Сверхпереходное сопр.,о.е.", "Сопротивление обр.посл,о.е.", ""};
    QTest::newRow("system 1") << "BtnSystem" << 2 << QStringList{ub, "Мощность к.з.,МВА", "", "", ""};
    QTest::newRow("two-winding transformer") << "BtntTrans" << 3 << QStringList{ub, "Номинальная мощность,МВА", "Напряжение к.з.,%", "", ""};
    QTest::newRow("three-winding transformer") << "BtnTrans3" << 4
        << QStringList{ub, "Номинальная мощность,МВА", "Напряжение к.з. ВН-СН, %", "Напряжение к.з. ВН-НН, %", "Напряжение к.з. СН-НН, %"};
    QTest::newRow("line") << "BtnLine" << 5 << QStringList{ub, "Среднее напряжение,кВ", "Длина линии,км", "Удельное сопротивление,Ом/км", ""};
    QTest::newRow("system 2") << "BtnSystem2" << 6 << QStringList{ub, "Номинальная мощность,МВА", "Сопротивление системы, о.е.", "", ""};
    QTest::newRow("reactor") << "BtnReaktor" << 7 << QStringList{ub, "Среднее напряжение,кВ", "Сопротивление реактора, Ом", "", ""};
    QTest::newRow("twin reactor") << "BtnReaktor2" << 8 << QStringList{ub, "Среднее напряжение,кВ", " Индуктивное сопр. рассеяния,%", "Коэффициент связи", ""};
}

void TstMainWindow::rowsOfEachKind()
{
    QFETCH(QString, button);
    QFETCH(int, kind);
    QFETCH(QStringList, rows);
    click(qPrintable(button));
    QCOMPARE(int(app->Form1->calcState().EquipKind), kind);
    for (int row = 0; row < 5; ++row) {
        const bool shown = !rows[row].isEmpty();
        QCOMPARE(control(kRowLabels[row])->isVisible(), shown);
        QCOMPARE(control(kFields[row])->isVisible(), shown);
        if (shown)
            QCOMPARE(caption(kRowLabels[row]), rows[row]);
    }
    QVERIFY(control("BtnReady")->isVisible());
}

void TstMainWindow::selectionMarksTheButton()
{
    for (const char* chosen : kEquipmentButtons) {
        click(chosen);
        for (const char* button : kEquipmentButtons)
            QCOMPARE(control(button)->isVisible(), button == chosen);
        QCOMPARE(find<SpeedButton>(form, chosen)->captionColour(), QColor(Qt::blue));
        QVERIFY(control("BtnOther")->isVisible());
        // Only the generator takes the focus to the first field.
        QCOMPARE(field("EditUb")->hasFocus(), chosen == kEquipmentButtons[0]);
        click("BtnOther");
        QCOMPARE(find<SpeedButton>(form, chosen)->captionColour(), QColor(Qt::black));
        form->setFocus();
    }
}

void TstMainWindow::firstRowCaptionRule()
{
    click("BtnSystem");
    QCOMPARE(caption("LblUb"), "Базисное напряжение, кВ");
    click("BtnOther");
    click("BtnGen");
    click("BtnOther");
    click("BtnSystem");
    QCOMPARE(caption("LblUb"), "Базисное напряжение,кВ");
}

void TstMainWindow::lineRestoresDefaultReactance()
{
    click("BtnLine");
    QCOMPARE(field("EditX2")->text(), "0,4");
    type("EditUb", "10,5");
    field("EditX2")->clear();
    type("EditX2", "0,32");
    click("BtnLine");
    QCOMPARE(field("EditX2")->text(), "0,4");
    QCOMPARE(field("EditUb")->text(), "10,5");
    QVERIFY(control("EditXd")->isVisible());
}

void TstMainWindow::resetEmptiesAndHides()
{
    click("BtnTrans3");
    fill({"115", "40", "10,5", "17", "6"});
    click("BtnReady");
    QCOMPARE(slotTexts().size(), 3);
    const calc::CalcState before = app->Form1->calcState();

    click("BtnOther");
    QVERIFY(slotTexts().isEmpty());
    for (const SlotNames& slot : kSlots) {
        QVERIFY(!control(slot.value)->isVisible());
        QVERIFY(!control(slot.unit)->isVisible());
        QVERIFY(field(slot.value)->text().isEmpty());
    }
    for (int i = 0; i < 5; ++i) {
        QVERIFY(!control(kFields[i])->isVisible());
        QVERIFY(!control(kRowLabels[i])->isVisible());
        QVERIFY(field(kFields[i])->text().isEmpty());
    }
    for (const char* button : kEquipmentButtons)
        QVERIFY(control(button)->isVisible());
    QVERIFY(!control("BtnOther")->isVisible());
    QVERIFY(!control("BtnReady")->isVisible());
    // The calculator state and the captions stay.
    QCOMPARE(app->Form1->calcState().XOut, before.XOut);
    QCOMPARE(app->Form1->calcState().EquipKind, calc::KindTrans3);
    QCOMPARE(caption("LblXd"), "Напряжение к.з. ВН-СН, %");
}

void TstMainWindow::keyFilter_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("the point is swallowed") << "EditUb" << "1.5" << "15";
    QTest::newRow("commas pass, any number of them") << "EditSnom" << ",,5" << ",,5";
    QTest::newRow("letters, blanks and signs are swallowed") << "EditXd" << "-1 e+2a" << "12";
    QTest::newRow("cyrillic is swallowed") << "EditX2" << "1б2" << "12";
    QTest::newRow("the fifth field shares the filter") << "EditUk" << "6.x" << "6";
}

void TstMainWindow::keyFilter()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    click("BtnTrans3");
    type(qPrintable(field), typed);
    QCOMPARE(this->field(qPrintable(field))->text(), text);

    // Editing keys keep working: Backspace, arrows, Delete.
    QLineEdit* edit = this->field(qPrintable(field));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), text.chopped(1));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), text.chopped(1).mid(1));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(edit->text(), text.chopped(1).mid(1));
}

void TstMainWindow::clipboardKeys()
{
    click("BtnGen");
    QGuiApplication::clipboard()->setText("x9");
    QLineEdit* edit = field("EditUb");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), "");
    // Shift+Insert types no character: it pastes, unfiltered.
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(edit->text(), "x9");
}

void TstMainWindow::workedExamples_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("typed");  // EditUb, EditSnom, EditXd, EditX2, EditUk
    QTest::addColumn<QStringList>("slots");

    QTest::newRow("generator") << "BtnGen" << QStringList{"10,5", "100", "0,2", "", ""} << QStringList{"X=|   0.22"};
    QTest::newRow("generator with X2") << "BtnGen" << QStringList{"10,5", "100", "0,2", "0,25", ""}
                                       << QStringList{"X=|   0.22", "X2=|   0.28"};
    QTest::newRow("system 1") << "BtnSystem" << QStringList{"115", "2500", "", "", ""} << QStringList{"X=|   5.29"};
    QTest::newRow("two-winding transformer") << "BtntTrans" << QStringList{"115", "40", "10,5", "", ""} << QStringList{"X=|  34.72"};
    QTest::newRow("three-winding transformer") << "BtnTrans3" << QStringList{"115", "40", "10,5", "17", "6"}
                                               << QStringList{"Xв=|  35.54", "Xc=|   0.00", "Xн=|  20.66"};
    QTest::newRow("line, with its default reactance") << "BtnLine" << QStringList{"10,5", "115", "50", "", ""} << QStringList{"X=|   0.17"};
    QTest::newRow("system 2") << "BtnSystem2" << QStringList{"115", "1000", "0,4", "", ""} << QStringList{"X=|   5.29"};
    QTest::newRow("reactor") << "BtnReaktor" << QStringList{"6,3", "10,5", "0,35", "", ""} << QStringList{"X=|   0.13"};
    QTest::newRow("twin reactor") << "BtnReaktor2" << QStringList{"10,5", "10,5", "0,2", "0,5", ""}
                                  << QStringList{"X=|  -0.10", "X=|   0.30", "X=|   0.30"};
}

void TstMainWindow::workedExamples()
{
    QFETCH(QString, button);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, slots);
    click(qPrintable(button));
    fill(typed);
    click("BtnReady");
    QCOMPARE(slotTexts(), slots);
    QVERIFY(control("BtnOther")->isVisible());

    // The command can be repeated with the same result.
    click("BtnReady");
    QCOMPARE(slotTexts(), slots);
}

void TstMainWindow::tabOrder()
{
    click("BtnTrans3");
    fill({"115", "40", "10,5", "17", "6"});
    click("BtnReady");

    field("Xrez")->setFocus();
    QStringList visited{"Xrez"};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"Xrez", "Edit2", "Edit3", "EditUb", "EditSnom", "EditXd", "EditX2", "EditUk", "Xrez"}));
}

void TstMainWindow::emptyRequiredFieldOpensInputErrorWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("typed");
    QTest::newRow("transformer without base voltage") << "BtntTrans" << QStringList{"", "40", "10,5", "", ""};
    QTest::newRow("transformer without Xd") << "BtntTrans" << QStringList{"115", "40", "", "", ""};
    QTest::newRow("three-winding without Uk") << "BtnTrans3" << QStringList{"115", "40", "10,5", "17", ""};
    QTest::newRow("generator without Xd but with X2") << "BtnGen" << QStringList{"10,5", "100", "", "0,25", ""};
}

void TstMainWindow::emptyRequiredFieldOpensInputErrorWindow()
{
    QFETCH(QString, button);
    QFETCH(QStringList, typed);
    click(qPrintable(button));
    fill(typed);
    const calc::CalcState before = app->Form1->calcState();

    struct Seen {
        QString name, caption, text;
        QPoint place;
        bool openAfterKeys = false;
    } seen;
    onNextModal([&seen](QWidget* modal) {
        seen.name = modal->objectName();
        seen.caption = modal->windowTitle();
        seen.text = find<QLabel>(modal, "Label1")->text();
        seen.place = modal->pos();
        QTest::keyClick(modal, Qt::Key_Return);
        QTest::keyClick(modal, Qt::Key_Escape);
        seen.openAfterKeys = modal->isVisible();
        QTest::mouseClick(find(modal, "SpeedButton1"), Qt::LeftButton);
    });
    click("BtnReady");

    QCOMPARE(seen.name, "Form2");
    QCOMPARE(seen.caption, "Ошибка ввода данных");
    QCOMPARE(seen.text, "Данные не введены!");
    QCOMPARE(seen.place, QPoint(287, 257));
    QVERIFY(seen.openAfterKeys);
    QVERIFY(!app->Form2->isVisible());
    QVERIFY(slotTexts().isEmpty());
    QCOMPARE(app->Form1->calcState().Ub, before.Ub);
    QCOMPARE(app->Form1->calcState().X2, before.X2);
}

void TstMainWindow::inputErrorWindowReopensWhereLeft()
{
    click("BtnSystem");
    onNextModal([](QWidget* modal) {
        modal->move(10, 20);
        modal->close();
    });
    click("BtnReady");
    form->move(400, 300);
    QPoint reopened;
    onNextModal([&reopened](QWidget* modal) {
        reopened = modal->pos();
        modal->close();
    });
    click("BtnReady");
    QCOMPARE(reopened, QPoint(10, 20));
}

void TstMainWindow::malformedNumberIsReported()
{
    click("BtntTrans");
    type("EditUb", "1,2,3");
    type("EditSnom", "40");
    type("EditXd", "10,5");
    auto seen = answerNextErrorBox();
    click("BtnReady");
    QVERIFY(seen->shown);
    QCOMPARE(seen->text, "'1,2,3' is not a valid floating point value.");
    QVERIFY(slotTexts().isEmpty());

    // A pasted text is not filtered, and its markup is shown as it is.
    field("EditUb")->setText("<i>115</i>");
    seen = answerNextErrorBox();
    click("BtnReady");
    QCOMPARE(seen->text, "'<i>115</i>' is not a valid floating point value.");
    QCOMPARE(seen->format, Qt::PlainText);

    // The program goes on working.
    field("EditUb")->setText("115");
    click("BtnReady");
    QCOMPARE(slotTexts(), QStringList{"X=|  34.72"});
}

void TstMainWindow::faultKeepsEarlierSlots()
{
    click("BtnGen");
    fill({"10,5", "100", "0,2", "0,25"});
    click("BtnReady");
    QCOMPARE(slotTexts(), (QStringList{"X=|   0.22", "X2=|   0.28"}));

    // A malformed X2 fails after slot 1 has its new value; slot 2 keeps the old one.
    field("EditUb")->clear();
    type("EditUb", "6,3");
    type("EditX2", ",");
    auto seen = answerNextErrorBox();
    click("BtnReady");
    QCOMPARE(seen->text, "'0,25,' is not a valid floating point value.");
    QCOMPARE(slotTexts(), (QStringList{"X=|   0.08", "X2=|   0.28"}));

    // A zero rated power divides by zero before anything is shown.
    field("EditSnom")->clear();
    type("EditSnom", "0");
    seen = answerNextErrorBox();
    click("BtnReady");
    QCOMPARE(seen->text, "Floating point division by zero.");
    QCOMPARE(slotTexts(), (QStringList{"X=|   0.08", "X2=|   0.28"}));

    // Zero divided by zero is an invalid operation.
    field("EditXd")->clear();
    type("EditXd", "0");
    seen = answerNextErrorBox();
    click("BtnReady");
    QCOMPARE(seen->text, "Invalid floating point operation.");

    // The window keeps working.
    click("BtnOther");
    click("BtnSystem");
    type("EditUb", "115");
    type("EditSnom", "2500");
    click("BtnReady");
    QCOMPARE(slotTexts(), QStringList{"X=|   5.29"});
}

void TstMainWindow::slotsNotWrittenKeepTheirTexts()
{
    click("BtnGen");
    fill({"10,5", "100", "0,2", "0,25"});
    click("BtnReady");
    field("EditX2")->clear();
    field("EditXd")->clear();
    type("EditXd", "0,3");
    click("BtnReady");
    QCOMPARE(slotTexts(), (QStringList{"X=|   0.33", "X2=|   0.28"}));
}

void TstMainWindow::regionalSeparator()
{
    QCOMPARE(app->Form1->decimalSeparator(), U',');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(app->Form1, &change);
    QCOMPARE(app->Form1->decimalSeparator(), U'.');

    // Only whole numbers can be typed now.
    click("BtnSystem");
    type("EditUb", "115");
    type("EditSnom", "2500,5");
    auto seen = answerNextErrorBox();
    click("BtnReady");
    QCOMPARE(seen->text, "'2500,5' is not a valid floating point value.");
    pinRussianLocale();
}

QTEST_MAIN(TstMainWindow)
#include "tst_main_window.moc"
