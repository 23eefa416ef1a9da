#pragma once
// A secondary window: created hidden once, shown modally on demand, hidden when closed.

#include <QDialog>

class ModalWindow : public QDialog {
    Q_OBJECT
public:
    // Places the window the first time only, then shows it modally and returns when
    // it is closed. Afterwards it reopens wherever it was left.
    void ShowModal();

protected:
    explicit ModalWindow(QWidget* owner);
    virtual QPoint firstPlace() const = 0;
    // The window has no default or cancel button: Enter and Escape do nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool placed_ = false;
};
