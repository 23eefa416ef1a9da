#include "ui/control_table.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLineEdit>

#include "ui/speed_button.h"

QColor ColourValue(Colour colour)
{
    switch (colour) {
    case Colour::Teal: return {0x00, 0x80, 0x80};
    case Colour::Silver: return {0xC0, 0xC0, 0xC0};
    case Colour::White: return {0xFF, 0xFF, 0xFF};
    case Colour::Lime: return {0x00, 0xFF, 0x00};
    case Colour::Navy: return {0x00, 0x00, 0x80};
    case Colour::Black: return {0x00, 0x00, 0x00};
    case Colour::Blue: return {0x00, 0x00, 0xFF};
    case Colour::Red: return {0xFF, 0x00, 0x00};
    case Colour::Maroon: return {0x80, 0x00, 0x00};
    case Colour::Gray: return {0x80, 0x80, 0x80};
    case Colour::ButtonFace: return QApplication::palette().color(QPalette::Button);
    case Colour::WindowText: return QApplication::palette().color(QPalette::WindowText);
    case Colour::Inherit: break;
    }
    return {};
}

namespace {

QStringList families(const char* face)
{
    return {QString::fromLatin1(face), QStringLiteral("Liberation Sans")};
}

}  // namespace

QFont LayoutFont(int pixels, bool bold, const char* face)
{
    QFont font;
    font.setFamilies(families(face));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetWindowLook(QWidget* window, const QFont& font, Colour colour, Colour background)
{
    window->setFont(font);
    QPalette palette = window->palette();
    palette.setColor(QPalette::WindowText, ColourValue(colour));
    palette.setColor(QPalette::Window, ColourValue(background));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void SetCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

QPixmap LoadGlyph(const QString& resource)
{
    const QImage image(resource);
    QPixmap glyph = QPixmap::fromImage(image);
    if (!image.isNull())
        glyph.setMask(glyph.createMaskFromColor(image.pixelColor(0, image.height() - 1), Qt::MaskInColor));
    return glyph;
}

namespace {

QWidget* createControl(const ControlRow& row, QWidget* parent)
{
    const QString text = row.text ? QString::fromUtf8(row.text) : QString();
    switch (row.kind) {
    case ControlKind::Panel:
    case ControlKind::Bevel: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | (row.kind == ControlKind::Panel ? QFrame::Raised : QFrame::Sunken));
        frame->setLineWidth(1);
        return frame;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        return label;
    }
    case ControlKind::Edit:
    case ControlKind::ResultEdit: {
        auto* edit = new QLineEdit(text, parent);
        edit->setFrame(row.kind == ControlKind::Edit);
        // Every typed character must reach the key filter as a key press.
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        return edit;
    }
    case ControlKind::FlatButton:
    case ControlKind::Button: {
        auto* button = new SpeedButton(parent);
        button->setFlat(row.kind == ControlKind::FlatButton);
        button->setText(text);
        if (row.glyph)
            button->setGlyph(LoadGlyph(QString::fromLatin1(row.glyph)));
        return button;
    }
    }
    return nullptr;
}

QPalette::ColorRole textRole(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::ResultEdit:
        return QPalette::Text;
    case ControlKind::FlatButton:
    case ControlKind::Button:
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

}  // namespace

void BuildControls(QWidget* client, std::span<const ControlRow> rows)
{
    for (const ControlRow& row : rows) {
        QWidget* parent = row.parent ? Control<QWidget>(client, row.parent) : client;
        QWidget* control = createControl(row, parent);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(row.left, row.top, row.width, row.height);

        if (row.fontPixels > 0) {
            QFont font = parent->font();
            font.setPixelSize(row.fontPixels);
            font.setBold(row.bold);
            if (row.face)
                font.setFamilies(families(row.face));
            control->setFont(font);
        }
        QPalette palette = control->palette();
        if (row.colour != Colour::Inherit)
            palette.setColor(textRole(row.kind), ColourValue(row.colour));
        if (row.background != Colour::Inherit) {
            const bool edit = row.kind == ControlKind::Edit || row.kind == ControlKind::ResultEdit;
            palette.setColor(edit ? QPalette::Base : QPalette::Window, ColourValue(row.background));
            control->setAutoFillBackground(!edit);
        }
        control->setPalette(palette);

        if (row.kind == ControlKind::Label)
            control->adjustSize();
        if (row.handCursor)
            control->setCursor(Qt::PointingHandCursor);
        control->setVisible(row.shown);
    }
}
