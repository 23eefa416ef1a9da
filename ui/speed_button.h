#pragma once
// A push button that never takes the keyboard focus, with an optional glyph left
// of its caption. A flat one shows no edge until the mouse is over it.

#include <QAbstractButton>
#include <QPixmap>

class SpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    bool isFlat() const { return flat_; }
    void setFlat(bool flat);
    // Fills its rectangle with the button face instead of letting the parent show through.
    void setOpaque(bool opaque);
    // The glyph is drawn as given; make its background transparent beforehand.
    void setGlyph(const QPixmap& glyph);
    QPixmap glyph() const { return glyph_; }
    void setCaptionColour(const QColor& colour);
    QColor captionColour() const { return palette().color(QPalette::ButtonText); }

    // Where glyph and caption stand when the button is up, in button coordinates.
    // Together they are centred within the button less a 1-pixel border; the glyph
    // may start above the top and is clipped.
    QRect glyphRect() const;
    QRect captionRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int contentLeft() const;

    bool flat_ = false;
    bool opaque_ = false;
    QPixmap glyph_;
};
