#include "shell/about_window.h"

#include "shell/placement.h"
#include "ui/control_table.h"

namespace {

using enum ControlKind;
using C = Colour;

// clang-format off
const ControlRow kControls[] = {
    {"Label1", Label, nullptr, 16, 16, 200, 18, "Тиверон", 16, false, C::Maroon, C::Inherit, true, nullptr, false, "Arial"},
    {"SpeedButton1", FlatButton, nullptr, 200, 56, 81, 22, "Закрыть", 11, true, C::Gray, C::Inherit, true, nullptr, true},
};
// clang-format on

}  // namespace

TForm5::TForm5(QWidget* owner) : ModalWindow(owner, kControls)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(297, 90);
    connect(Control<SpeedButton>(this, "SpeedButton1"), &SpeedButton::clicked, this, &QDialog::close);
}

QPoint TForm5::firstPlace() const
{
    return shell::CentredOver(parentWidget()->frameGeometry(), frameGeometry().size());
}
