#include "shell/input_error_window.h"

#include "shell/error_box.h"

namespace {

using enum ControlKind;
using C = Colour;

// The window was drawn 325 x 108 with a 4-pixel sizeable border and a 19-pixel caption.
constexpr QSize kClientSize(317, 81);
constexpr QPoint kDesignedPlace(287, 257);

// clang-format off
const ControlRow kControls[] = {
    // name, kind, parent, left, top, width, height, text, font px, bold, colour, background, shown
    {"Label1", Label, nullptr, 88, 16, 151, 16, "Данные не введены!", 13, true, C::Red, C::Inherit, true},
    {"SpeedButton1", FlatButton, nullptr, 128, 48, 65, 22, "Ok", 11, true, C::Blue, C::Inherit, true},
};
// clang-format on

}  // namespace

TForm2::TForm2(QWidget* owner) : ModalWindow(owner, kControls)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ошибка ввода данных"));
    // The platform's default frame: sizeable, with system menu, minimise and maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(kClientSize);
    SpeedButton1->setOpaque(true);
    connect(SpeedButton1, &SpeedButton::clicked, this, &TForm2::SpeedButton1Click);
}

QPoint TForm2::firstPlace() const
{
    return kDesignedPlace;
}

void TForm2::SpeedButton1Click()
{
    shell::Guarded([this] { close(); });
}
