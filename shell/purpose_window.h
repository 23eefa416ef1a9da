#pragma once
// States what the program computes; opened from the Help menu.

#include <QLabel>

#include "shell/modal_window.h"
#include "ui/control_table.h"
#include "ui/speed_button.h"

class TForm6 : public ModalWindow {
    Q_OBJECT
public:
    explicit TForm6(QWidget* owner);

    void SpeedButton1Click();

protected:
    QPoint firstPlace() const override;  // centred over the owner's outer rectangle

private:
    QWidget* buildControls();

    QWidget* const client_ = buildControls();
    QLabel* const Label1 = Control<QLabel>(client_, "Label1");
    QLabel* const Label2 = Control<QLabel>(client_, "Label2");
    QLabel* const Label3 = Control<QLabel>(client_, "Label3");
    SpeedButton* const SpeedButton1 = Control<SpeedButton>(client_, "SpeedButton1");
};
