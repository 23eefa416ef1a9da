#pragma once
// The main window: results strip, equipment list, input panel, close button, menu.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMenu>
#include <array>
#include <string_view>

#include "calc/kinds.h"
#include "ui/control_table.h"
#include "ui/speed_button.h"

class QFrame;
class QKeyEvent;
class TForm2;
class TForm6;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // The windows that this one opens modally; they are created after it.
    void SetModalWindows(TForm2* inputError, TForm6* purpose);

    const calc::CalcState& calcState() const { return state_; }
    // The separator that number entry uses now: the first character of the
    // regional settings' decimal symbol.
    char32_t decimalSeparator() const { return decimalSeparator_; }

    // Selection of an equipment kind, and the way back to the list.
    void BtnGenClick();
    void BtnSystemClick();
    void BtnSystem2Click();
    void BtntTransClick();
    void BtnTrans3Click();
    void BtnLineClick();
    void BtnReaktorClick();
    void BtnReaktor2Click();
    void BtnOtherClick();
    // The calculation command.
    void BtnReadyClick();
    void SpeedButton2Click();
    void N3Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void select(calc::EquipmentKind kind);
    std::array<SpeedButton*, 8> equipmentButtons() const;  // in their order on screen
    void showResult(int slot, std::string_view caption, const std::string& text);
    void readDecimalSeparator();
    static bool filterTypedKey(QKeyEvent* key);
    void connectHandlers();
    QWidget* buildClientArea();

    // Key-press handlers of the input fields; true when the key is swallowed.
    bool EditUbKeyPress(QKeyEvent* key);
    bool EditSnomKeyPress(QKeyEvent* key);
    bool EditXdKeyPress(QKeyEvent* key);
    bool EditX2KeyPress(QKeyEvent* key);  // EditUk's too

    calc::CalcState state_;  // lives as long as the window: the whole run
    char32_t decimalSeparator_ = U'.';
    TForm2* Form2 = nullptr;
    TForm6* Form6 = nullptr;

    // The client area is built from the layout tables first; the members below are
    // initialised in declaration order from the controls it holds.
    QWidget* const client_ = buildClientArea();

    SpeedButton* const SpeedButton2 = Control<SpeedButton>(client_, "SpeedButton2");
    QFrame* const PanelRez = Control<QFrame>(client_, "PanelRez");
    QFrame* const PanelZadan = Control<QFrame>(client_, "PanelZadan");
    QFrame* const PanelDate = Control<QFrame>(client_, "PanelDate");

    QFrame* const Bevel1 = Control<QFrame>(client_, "Bevel1");
    QFrame* const Bevel2 = Control<QFrame>(client_, "Bevel2");
    QFrame* const Bevel3 = Control<QFrame>(client_, "Bevel3");
    QLabel* const LblSopr1 = Control<QLabel>(client_, "LblSopr1");
    QLineEdit* const Xrez = Control<QLineEdit>(client_, "Xrez");
    QLabel* const Label2 = Control<QLabel>(client_, "Label2");
    QLabel* const LblSoprM = Control<QLabel>(client_, "LblSoprM");
    QLineEdit* const Edit2 = Control<QLineEdit>(client_, "Edit2");
    QLabel* const Label3 = Control<QLabel>(client_, "Label3");
    QLabel* const LblSoprL = Control<QLabel>(client_, "LblSoprL");
    QLineEdit* const Edit3 = Control<QLineEdit>(client_, "Edit3");
    QLabel* const Label4 = Control<QLabel>(client_, "Label4");

    QLabel* const Label1 = Control<QLabel>(client_, "Label1");
    SpeedButton* const BtnGen = Control<SpeedButton>(client_, "BtnGen");
    SpeedButton* const BtnSystem = Control<SpeedButton>(client_, "BtnSystem");
    SpeedButton* const BtnSystem2 = Control<SpeedButton>(client_, "BtnSystem2");
    SpeedButton* const BtntTrans = Control<SpeedButton>(client_, "BtntTrans");
    SpeedButton* const BtnTrans3 = Control<SpeedButton>(client_, "BtnTrans3");
    SpeedButton* const BtnLine = Control<SpeedButton>(client_, "BtnLine");
    SpeedButton* const BtnReaktor = Control<SpeedButton>(client_, "BtnReaktor");
    SpeedButton* const BtnReaktor2 = Control<SpeedButton>(client_, "BtnReaktor2");
    SpeedButton* const BtnOther = Control<SpeedButton>(client_, "BtnOther");

    QLabel* const LblUb = Control<QLabel>(client_, "LblUb");
    QLabel* const LblSnom = Control<QLabel>(client_, "LblSnom");
    QLabel* const LblXd = Control<QLabel>(client_, "LblXd");
    QLabel* const LblX2 = Control<QLabel>(client_, "LblX2");
    QLabel* const LblUkCN = Control<QLabel>(client_, "LblUkCN");
    QLineEdit* const EditUb = Control<QLineEdit>(client_, "EditUb");
    QLineEdit* const EditSnom = Control<QLineEdit>(client_, "EditSnom");
    QLineEdit* const EditXd = Control<QLineEdit>(client_, "EditXd");
    QLineEdit* const EditX2 = Control<QLineEdit>(client_, "EditX2");
    QLineEdit* const EditUk = Control<QLineEdit>(client_, "EditUk");
    SpeedButton* const BtnReady = Control<SpeedButton>(client_, "BtnReady");

    QMenu* const N1 = menuBar()->addMenu(QStringLiteral("Справка"));
    QAction* const N3 = N1->addAction(QStringLiteral("Назначение"));
    QAction* const N4 = N1->addSeparator();
};
