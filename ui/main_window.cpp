#include "ui/main_window.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <algorithm>
#include <array>

#include "calc/calculation.h"
#include "calc/text_rules.h"
#include "shell/error_box.h"
#include "shell/input_error_window.h"
#include "shell/purpose_window.h"

namespace {

// The layout was drawn for a 544 x 410 window with a 4-pixel sizeable border, a
// 19-pixel caption and a 19-pixel menu bar: this is the client area it leaves.
constexpr int kClientWidth = 536;
constexpr int kClientHeight = 364;

using enum ControlKind;
using C = Colour;

// clang-format off
const ControlRow kWindowControls[] = {
    // name, kind, parent, left, top, width, height, text, font px, bold, colour, background, shown, glyph, hand cursor
    {"SpeedButton2", FlatButton, nullptr, 416, 336, 89, 24, "Закрыть", 11, false, C::Black, C::Inherit, true, ":/glyphs/tick.xpm", true},
    {"PanelRez", Panel, nullptr, 24, 10, 489, 40, nullptr, 13, true, C::Silver, C::Teal, true},
    {"PanelZadan", Panel, nullptr, 24, 56, 209, 273, nullptr, 0, false, C::Inherit, C::Inherit, true},
    {"PanelDate", Panel, nullptr, 240, 56, 273, 273, nullptr, 0, false, C::Inherit, C::Inherit, true},
};

// Three result slots: caption label, value field, "Ом" unit label, each framed by a bevel.
const ControlRow kResultControls[] = {
    {"Bevel1", Bevel, "PanelRez", 6, 6, 161, 30, nullptr, 0, false, C::Inherit, C::Inherit, true},
    {"Bevel2", Bevel, "PanelRez", 172, 6, 153, 30, nullptr, 0, false, C::Inherit, C::Inherit, true},
    {"Bevel3", Bevel, "PanelRez", 332, 6, 153, 30, nullptr, 0, false, C::Inherit, C::Inherit, true},
    {"LblSopr1", Label, "PanelRez", 15, 14, 24, 16, "Х   =", 13, false, C::White, C::Inherit, false},
    {"Xrez", ResultEdit, "PanelRez", 44, 14, 60, 18, "234567", 13, true, C::Lime, C::Teal, false},
    {"Label2", Label, "PanelRez", 111, 16, 16, 13, "Ом", 11, false, C::White, C::Inherit, false},
    {"LblSoprM", Label, "PanelRez", 192, 14, 25, 16, "Хс =", 13, false, C::White, C::Inherit, false},
    {"Edit2", ResultEdit, "PanelRez", 224, 14, 60, 18, "123", 13, true, C::Lime, C::Teal, false},
    {"Label3", Label, "PanelRez", 288, 16, 16, 13, "Ом", 11, false, C::White, C::Inherit, false},
    {"LblSoprL", Label, "PanelRez", 352, 15, 26, 16, "Хн =", 13, false, C::White, C::Inherit, false},
    {"Edit3", ResultEdit, "PanelRez", 384, 14, 60, 18, "123", 13, true, C::Lime, C::Teal, false},
    {"Label4", Label, "PanelRez", 448, 16, 16, 13, "Ом", 11, false, C::White, C::Inherit, false},
};

// The equipment list; its order on screen is not the order of the kind codes.
const ControlRow kEquipmentControls[] = {
    {"Label1", Label, "PanelZadan", 48, 12, 111, 16, "Оборудование", 13, true, C::Navy, C::Inherit, true},
    {"BtnGen", FlatButton, "PanelZadan", 0, 36, 209, 25, "Генератор", 13, false, C::WindowText, C::Inherit, true},
    {"BtnSystem", FlatButton, "PanelZadan", 0, 62, 209, 25, "Система 1", 13, false, C::WindowText, C::Inherit, true},
    {"BtnSystem2", FlatButton, "PanelZadan", 0, 88, 209, 25, "Система 2", 13, false, C::WindowText, C::Inherit, true},
    {"BtntTrans", FlatButton, "PanelZadan", 0, 114, 209, 25, "Трансформатор двухобм.", 13, false, C::WindowText, C::Inherit, true},
    {"BtnTrans3", FlatButton, "PanelZadan", 0, 140, 209, 25, "Трансформатор трехобм.", 13, false, C::WindowText, C::Inherit, true},
    {"BtnLine", FlatButton, "PanelZadan", 0, 166, 209, 25, "Линия", 13, false, C::WindowText, C::Inherit, true},
    {"BtnReaktor", FlatButton, "PanelZadan", 0, 192, 209, 25, "Реактор", 13, false, C::WindowText, C::Inherit, true},
    {"BtnReaktor2", FlatButton, "PanelZadan", 0, 218, 209, 25, "Сдвоенный реактор", 13, false, C::Black, C::Inherit, true},
    {"BtnOther", Button, "PanelZadan", 0, 244, 209, 25, "Другой вид оборудования", 11, false, C::Black, C::Inherit, false, nullptr, true},
};

// The input panel: five fixed rows of caption and field, and the calculate button.
const ControlRow kInputControls[] = {
    {"LblUb", Label, "PanelDate", 16, 32, 133, 13, "Базисное напряжение, кВ", 11, false, C::WindowText, C::Inherit, false},
    {"LblSnom", Label, "PanelDate", 16, 64, 157, 13, "Номинальная мощность,  МВА", 11, false, C::Black, C::Inherit, false},
    {"LblXd", Label, "PanelDate", 16, 96, 146, 13, "Сверхпереходное сопр., о.е..", 11, false, C::Black, C::Inherit, false},
    {"LblX2", Label, "PanelDate", 16, 128, 150, 13, "Сопротивление обр.посл. ,о.е", 11, false, C::Black, C::Inherit, false},
    {"LblUkCN", Label, "PanelDate", 16, 160, 150, 13, "Сопротивление обр.посл. ,о.е", 11, false, C::Black, C::Inherit, false},
    {"EditUb", Edit, "PanelDate", 200, 24, 60, 24, "", 13, true, C::WindowText, C::Inherit, false},
    {"EditSnom", Edit, "PanelDate", 200, 56, 60, 24, "", 13, true, C::WindowText, C::Inherit, false},
    {"EditXd", Edit, "PanelDate", 200, 88, 60, 24, "", 13, true, C::WindowText, C::Inherit, false},
    {"EditX2", Edit, "PanelDate", 200, 120, 60, 24, "", 0, false, C::Inherit, C::Inherit, false},
    {"EditUk", Edit, "PanelDate", 200, 152, 60, 24, "", 0, false, C::Inherit, C::Inherit, false},
    {"BtnReady", FlatButton, "PanelDate", 176, 240, 89, 24, "Готово", 11, false, C::Black, C::Inherit, false, ":/glyphs/ready.xpm", true},
};
// clang-format on

}  // namespace

QWidget* TForm1::buildClientArea()
{
    // The window's look first: the controls' fonts derive from it.
    SetWindowLook(this, LayoutFont(13, true), Colour::Black, Colour::ButtonFace);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    BuildControls(client, kWindowControls);
    BuildControls(client, kResultControls);
    BuildControls(client, kEquipmentControls);
    BuildControls(client, kInputControls);
    return client;
}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Тиверон"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    // The menu keeps the system's font; the window's bold font is for its controls.
    const QFont systemFont = QApplication::font();
    QFont menuFont(systemFont.family(), systemFont.pointSize());
    menuFont.setBold(false);
    menuBar()->setFont(menuFont);
    N1->setFont(menuFont);
    N1->setObjectName(QStringLiteral("N1"));
    N3->setObjectName(QStringLiteral("N3"));
    N4->setObjectName(QStringLiteral("N4"));
    resize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);

    setTabOrder(Xrez, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, EditUb);
    setTabOrder(EditUb, EditSnom);
    setTabOrder(EditSnom, EditXd);
    setTabOrder(EditXd, EditX2);
    setTabOrder(EditX2, EditUk);

    for (QLineEdit* edit : {EditUb, EditSnom, EditXd, EditX2, EditUk})
        edit->installEventFilter(this);
    readDecimalSeparator();
    connectHandlers();
}

void TForm1::SetModalWindows(TForm2* inputError, TForm6* purpose)
{
    Form2 = inputError;
    Form6 = purpose;
}

void TForm1::connectHandlers()
{
    connect(BtnGen, &SpeedButton::clicked, this, &TForm1::BtnGenClick);
    connect(BtnSystem, &SpeedButton::clicked, this, &TForm1::BtnSystemClick);
    connect(BtnSystem2, &SpeedButton::clicked, this, &TForm1::BtnSystem2Click);
    connect(BtntTrans, &SpeedButton::clicked, this, &TForm1::BtntTransClick);
    connect(BtnTrans3, &SpeedButton::clicked, this, &TForm1::BtnTrans3Click);
    connect(BtnLine, &SpeedButton::clicked, this, &TForm1::BtnLineClick);
    connect(BtnReaktor, &SpeedButton::clicked, this, &TForm1::BtnReaktorClick);
    connect(BtnReaktor2, &SpeedButton::clicked, this, &TForm1::BtnReaktor2Click);
    connect(BtnOther, &SpeedButton::clicked, this, &TForm1::BtnOtherClick);
    connect(BtnReady, &SpeedButton::clicked, this, &TForm1::BtnReadyClick);
    connect(SpeedButton2, &SpeedButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(N3, &QAction::triggered, this, &TForm1::N3Click);
}

// --- Regional settings -------------------------------------------------------

void TForm1::readDecimalSeparator()
{
    const QList<uint> symbol = QLocale().decimalPoint().toUcs4();
    decimalSeparator_ = symbol.isEmpty() ? U'.' : char32_t(symbol.first());
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        readDecimalSeparator();
    QMainWindow::changeEvent(event);
}

// --- Key filter of the input fields -------------------------------------------

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == EditUb)
            return EditUbKeyPress(key);
        if (watched == EditSnom)
            return EditSnomKeyPress(key);
        if (watched == EditXd)
            return EditXdKeyPress(key);
        if (watched == EditX2)
            return EditX2KeyPress(key);
        if (watched == EditUk)
            return EditX2KeyPress(key);
    }
    return QMainWindow::eventFilter(watched, event);
}

// All four apply the same filter.
bool TForm1::EditUbKeyPress(QKeyEvent* key) { return filterTypedKey(key); }
bool TForm1::EditSnomKeyPress(QKeyEvent* key) { return filterTypedKey(key); }
bool TForm1::EditXdKeyPress(QKeyEvent* key) { return filterTypedKey(key); }
bool TForm1::EditX2KeyPress(QKeyEvent* key) { return filterTypedKey(key); }

bool TForm1::filterTypedKey(QKeyEvent* key)
{
    // Keys that type no character keep their usual behaviour.
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    // A character the filter turns into Escape is not inserted.
    const QList<uint> typed = key->text().toUcs4();
    return std::any_of(typed.begin(), typed.end(),
                       [](uint c) { return calc::FilterKey(char32_t(c)) == calc::kEscape; });
}

// --- Equipment selection and reset ---------------------------------------------

namespace {

// What a selection does with one input row.
struct RowCaption {
    bool shown;
    const char* caption;  // nullptr: keep whatever caption the label has
};
constexpr RowCaption kHidden{false, nullptr};
constexpr RowCaption kKeep{true, nullptr};
constexpr RowCaption set(const char* caption) { return {true, caption}; }

struct KindRows {
    calc::EquipmentKind kind;
    const char* button;
    std::array<RowCaption, 5> rows;  // rows 1 to 5: Ub, Snom, Xd, X2, Uk
};

// clang-format off
// Only the generator sets row 1: until it is chosen, row 1 shows its design caption.
constexpr KindRows kKindRows[] = {
    {calc::KindGen, "BtnGen", {set("Базисное напряжение,кВ"), set("Номинальная мощность,МВА"), set("Сверхпереходное сопр.,о.е."), set("Сопротивление обр.посл,о.е."), kHidden}},
    {calc::KindSystem, "BtnSystem", {kKeep, set("Мощность к.з.,МВА"), kHidden, kHidden, kHidden}},
    {calc::KindTrans, "BtntTrans", {kKeep, set("Номинальная мощность,МВА"), set("Напряжение к.з.,%"), kHidden, kHidden}},
    {calc::KindTrans3, "BtnTrans3", {kKeep, set("Номинальная мощность,МВА"), set("Напряжение к.з. ВН-СН, %"), set("Напряжение к.з. ВН-НН, %"), set("Напряжение к.з. СН-НН, %")}},
    {calc::KindLine, "BtnLine", {kKeep, set("Среднее напряжение,кВ"), set("Длина линии,км"), set("Удельное сопротивление,Ом/км"), kHidden}},
    {calc::KindSystem2, "BtnSystem2", {kKeep, set("Номинальная мощность,МВА"), set("Сопротивление системы, о.е."), kHidden, kHidden}},
    {calc::KindReaktor, "BtnReaktor", {kKeep, set("Среднее напряжение,кВ"), set("Сопротивление реактора, Ом"), kHidden, kHidden}},
    {calc::KindReaktor2, "BtnReaktor2", {kKeep, set("Среднее напряжение,кВ"), set(" Индуктивное сопр. рассеяния,%"), set("Коэффициент связи"), kHidden}},
};
// clang-format on

const char* const kLineDefaultReactance = "0,4";  // ohm per kilometre

}  // namespace

std::array<SpeedButton*, 8> TForm1::equipmentButtons() const
{
    return {BtnGen, BtnSystem, BtnSystem2, BtntTrans, BtnTrans3, BtnLine, BtnReaktor, BtnReaktor2};
}

void TForm1::select(calc::EquipmentKind kind)
{
    const KindRows& shape = *std::find_if(std::begin(kKindRows), std::end(kKindRows),
                                          [kind](const KindRows& k) { return k.kind == kind; });
    const SpeedButton* chosen = Control<SpeedButton>(client_, shape.button);
    const std::array<std::pair<QLabel*, QLineEdit*>, 5> rows{{
        {LblUb, EditUb}, {LblSnom, EditSnom}, {LblXd, EditXd}, {LblX2, EditX2}, {LblUkCN, EditUk},
    }};

    state_.EquipKind = kind;
    for (SpeedButton* button : equipmentButtons()) {
        if (button == chosen)
            button->setCaptionColour(ColourValue(Colour::Blue));
        else
            button->hide();
    }
    BtnOther->show();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const RowCaption& caption = shape.rows[row];
        if (!caption.shown)
            continue;
        auto [label, edit] = rows[row];
        label->show();
        edit->show();
        if (caption.caption)
            SetCaption(label, QString::fromUtf8(caption.caption));
    }
    if (kind == calc::KindLine)
        EditX2->setText(QString::fromUtf8(kLineDefaultReactance));
    BtnReady->show();
    if (kind == calc::KindGen)
        EditUb->setFocus();
}

void TForm1::BtnGenClick() { shell::Guarded([this] { select(calc::KindGen); }); }
void TForm1::BtnSystemClick() { shell::Guarded([this] { select(calc::KindSystem); }); }
void TForm1::BtnSystem2Click() { shell::Guarded([this] { select(calc::KindSystem2); }); }
void TForm1::BtntTransClick() { shell::Guarded([this] { select(calc::KindTrans); }); }
void TForm1::BtnTrans3Click() { shell::Guarded([this] { select(calc::KindTrans3); }); }
void TForm1::BtnLineClick() { shell::Guarded([this] { select(calc::KindLine); }); }
void TForm1::BtnReaktorClick() { shell::Guarded([this] { select(calc::KindReaktor); }); }
void TForm1::BtnReaktor2Click() { shell::Guarded([this] { select(calc::KindReaktor2); }); }

// Back to the list. The calculator state, the captions and the focus stay as they are.
void TForm1::BtnOtherClick()
{
    shell::Guarded([this] {
        for (SpeedButton* button : equipmentButtons())
            button->setCaptionColour(ColourValue(Colour::Black));
        for (SpeedButton* button : equipmentButtons())
            button->show();
        BtnOther->hide();
        for (QWidget* control : std::initializer_list<QWidget*>{LblUb, LblSnom, LblX2, LblXd, EditUb, EditSnom, EditX2, EditXd, BtnReady})
            control->hide();
        for (QLineEdit* value : {Edit2, Edit3, Xrez})
            value->clear();
        for (QWidget* control : std::initializer_list<QWidget*>{Edit2, Edit3, Xrez, LblSopr1, LblSoprM, LblSoprL, Label2, Label3, Label4})
            control->hide();
        for (QLineEdit* input : {EditUb, EditSnom, EditXd, EditX2, EditUk})
            input->clear();
        EditUk->hide();
        LblUkCN->hide();
    });
}

// --- The calculation command ---------------------------------------------------

void TForm1::showResult(int slot, std::string_view caption, const std::string& text)
{
    struct Slot {
        QLabel* caption;
        QLineEdit* value;
        QLabel* unit;
    };
    const std::array<Slot, 3> slots{{{LblSopr1, Xrez, Label2}, {LblSoprM, Edit2, Label3}, {LblSoprL, Edit3, Label4}}};
    const Slot& shown = slots.at(std::size_t(slot - 1));
    shown.caption->show();
    SetCaption(shown.caption, QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    shown.value->show();
    shown.unit->show();
    shown.value->setText(QString::fromStdString(text));
}

void TForm1::BtnReadyClick()
{
    shell::Guarded([this] {
        const calc::InputTexts texts{EditUb->text().toStdString(), EditSnom->text().toStdString(),
                                     EditXd->text().toStdString(), EditX2->text().toStdString(),
                                     EditUk->text().toStdString()};
        const auto show = [this](int slot, std::string_view caption, const std::string& text) {
            showResult(slot, caption, text);
        };
        if (calc::Calculate(state_, texts, decimalSeparator_, show) == calc::Outcome::MissingInput) {
            Form2->ShowModal();
            return;
        }
        if (state_.EquipKind != calc::KindGen)
            BtnOther->show();
    });
}

// --- Close and Help ------------------------------------------------------------

void TForm1::SpeedButton2Click()
{
    shell::Guarded([this] { close(); });
}

void TForm1::N3Click()
{
    shell::Guarded([this] { Form6->ShowModal(); });
}
