#include "shell/modal_window.h"

#include <QKeyEvent>

ModalWindow::ModalWindow(QWidget* owner, std::span<const ControlRow> controls) : QDialog(owner)
{
    SetWindowLook(this, LayoutFont(11, false), Colour::WindowText, Colour::White);
    BuildControls(this, controls);
}

void ModalWindow::ShowModal()
{
    if (!placed_) {
        move(firstPlace());
        placed_ = true;
    }
    exec();
}

void ModalWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
