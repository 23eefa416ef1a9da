#pragma once
// Windows are described by constant tables, one row per control in the order of the
// window's layout description, and built by one loop.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <span>

enum class ControlKind {
    Panel,        // raised edge, no caption
    Bevel,        // lowered frame, decoration only
    Label,        // sizes itself to its caption
    Edit,         // single-line field with a border
    ResultEdit,   // single-line field without a border, fixed height
    FlatButton,   // SpeedButton, edge only under the mouse
    Button,       // SpeedButton with a normal border
};

// The named colours of the layout; the last two follow the system palette.
enum class Colour { Inherit, Teal, Silver, White, Lime, Navy, Black, Blue, Red, Maroon, Gray, ButtonFace, WindowText };

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent;  // nullptr: the window's client area
    int left, top, width, height;
    const char* text;    // UTF-8; nullptr for none
    int fontPixels;      // 0: the parent's font
    bool bold;
    Colour colour;       // of the text
    Colour background;   // Inherit: the parent shows through
    bool shown;
    const char* glyph = nullptr;  // resource path of a speed button's picture
    bool handCursor = false;
    const char* face = nullptr;   // nullptr: the parent's font face
};

QColor ColourValue(Colour colour);

// Families in order of preference: the design's face first, then a free face with
// Cyrillic that the set-up installs.
QFont LayoutFont(int pixels, bool bold, const char* face = "MS Sans Serif");

// Gives `window` the layout's font, text colour and background.
void SetWindowLook(QWidget* window, const QFont& font, Colour colour, Colour background);

// Creates every row's control as a child of `client` (or of the named parent row,
// which must come earlier), with the row's name as its objectName.
void BuildControls(QWidget* client, std::span<const ControlRow> rows);

// The control built for `name`; the program cannot run without it.
template <typename T>
T* Control(QWidget* client, const char* name)
{
    T* control = client->findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("The window has no control %s", name);
    return control;
}

// Sets a label's caption; the label takes the caption's size.
void SetCaption(QLabel* label, const QString& caption);

// A speed button glyph whose bottom-left pixel's colour is transparent.
QPixmap LoadGlyph(const QString& resource);
