#include "ui/speed_button.h"

#include <QPainter>

#include <algorithm>
#include <QStyle>
#include <qdrawutil.h>

namespace {

constexpr int kGlyphSpacing = 4;

// Top of a picture of `height` centred in a button of `buttonHeight` less its border.
int centredTop(int buttonHeight, int height)
{
    return 1 + ((buttonHeight - 2) - height + 1) / 2;
}

}  // namespace

SpeedButton::SpeedButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void SpeedButton::setFlat(bool flat)
{
    flat_ = flat;
    update();
}

void SpeedButton::setOpaque(bool opaque)
{
    opaque_ = opaque;
    update();
}

void SpeedButton::setGlyph(const QPixmap& glyph)
{
    glyph_ = glyph;
    update();
}

void SpeedButton::setCaptionColour(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, colour);
    setPalette(pal);
}

int SpeedButton::contentLeft() const
{
    int width = fontMetrics().horizontalAdvance(text());
    if (!glyph_.isNull())
        width += glyph_.width() + (text().isEmpty() ? 0 : kGlyphSpacing);
    return 1 + ((this->width() - 2) - width + 1) / 2;
}

QRect SpeedButton::glyphRect() const
{
    if (glyph_.isNull())
        return {};
    return {QPoint(contentLeft(), centredTop(height(), glyph_.height())), glyph_.size()};
}

QRect SpeedButton::captionRect() const
{
    int left = contentLeft();
    if (!glyph_.isNull())
        left += glyph_.width() + kGlyphSpacing;
    const QFontMetrics metrics = fontMetrics();
    return {left, centredTop(height(), metrics.height()), metrics.horizontalAdvance(text()), metrics.height()};
}

QSize SpeedButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    int width = metrics.horizontalAdvance(text()) + 8;
    int height = metrics.height() + 6;
    if (!glyph_.isNull()) {
        width += glyph_.width() + kGlyphSpacing;
        height = std::max(height, glyph_.height() + 2);
    }
    return {width, height};
}

void SpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect frame = rect();
    const bool down = isDown() || isChecked();
    const bool hovered = underMouse() && isEnabled();

    if (opaque_ || !flat_)
        painter.fillRect(frame, pal.button());
    if (!flat_)
        qDrawWinButton(&painter, frame, pal, down, nullptr);
    else if (down || hovered)
        qDrawShadePanel(&painter, frame, pal, down, 1, nullptr);

    // Pressed content moves one pixel right and down.
    const QPoint shift = down ? QPoint(1, 1) : QPoint();
    painter.setClipRect(frame);
    if (!glyph_.isNull())
        painter.drawPixmap(glyphRect().topLeft() + shift, glyph_);
    painter.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(captionRect().translated(shift), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text());
}

void SpeedButton::enterEvent(QEnterEvent* event)
{
    update();
    QAbstractButton::enterEvent(event);
}

void SpeedButton::leaveEvent(QEvent* event)
{
    update();
    QAbstractButton::leaveEvent(event);
}
