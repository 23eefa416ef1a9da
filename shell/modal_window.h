#pragma once
// A secondary window: created hidden once, shown modally on demand, hidden when closed.

#include <QDialog>
#include <span>

#include "ui/control_table.h"

class ModalWindow : public QDialog {
    Q_OBJECT
public:
    // Places the window the first time only, then shows it modally and returns when
    // it is closed. Afterwards it reopens wherever it was left.
    void ShowModal();

protected:
    // Gives the window the look all secondary windows share (11-pixel regular text
    // in window text on white) and builds `controls` on it, so that a derived
    // class's members can look them up.
    ModalWindow(QWidget* owner, std::span<const ControlRow> controls);
    virtual QPoint firstPlace() const = 0;
    // The window has no default or cancel button: Enter and Escape do nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool placed_ = false;
};
