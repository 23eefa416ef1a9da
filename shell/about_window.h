#pragma once
// An About window. It is created with the others but no command opens it.

#include "shell/modal_window.h"
#include "ui/speed_button.h"

class TForm5 : public ModalWindow {
    Q_OBJECT
public:
    explicit TForm5(QWidget* owner);

protected:
    QPoint firstPlace() const override;
};
