#include "shell/purpose_window.h"

#include <QPixmap>

#include "shell/error_box.h"
#include "shell/placement.h"

namespace {

using enum ControlKind;
using C = Colour;

constexpr QSize kClientSize(475, 122);

// clang-format off
const ControlRow kControls[] = {
    // name, kind, parent, left, top, width, height, text, font px, bold, colour, background, shown, glyph, hand cursor, face
    {"Label1", Label, nullptr, 184, 16, 86, 18, "Назначение", 16, false, C::Maroon, C::Inherit, true, nullptr, false, "Arial"},
    {"Label2", Label, nullptr, 16, 48, 422, 16, "Программа позволяет рассчитать параметры схемы замещения ", 13, false, C::WindowText, C::Inherit, true},
    {"Label3", Label, nullptr, 16, 72, 172, 16, "в именнованных единицах", 13, false, C::WindowText, C::Inherit, true},
    {"SpeedButton1", FlatButton, nullptr, 376, 88, 81, 22, "Закрыть", 11, true, C::Gray, C::Inherit, true, nullptr, true},
};
// clang-format on

}  // namespace

TForm6::TForm6(QWidget* owner) : ModalWindow(owner, kControls)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Назначение программы"));
    // A fixed dialog frame with the close button only and no caption icon.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    setWindowIcon(noIcon);
    setFixedSize(kClientSize);
    connect(SpeedButton1, &SpeedButton::clicked, this, &TForm6::SpeedButton1Click);
}

QPoint TForm6::firstPlace() const
{
    const QWidget* owner = parentWidget();
    // The frame this window will get is not known before it is first shown; the
    // owner's frame margins stand in for it.
    const QSize ownerFrame = owner->frameGeometry().size() - owner->geometry().size();
    return shell::CentredOver(owner->frameGeometry(), size() + ownerFrame);
}

void TForm6::SpeedButton1Click()
{
    shell::Guarded([this] { close(); });
}
