#pragma once
// States what the program computes; opened from the Help menu.

#include <QLabel>

#include "shell/modal_window.h"
#include "ui/speed_button.h"

class TForm6 : public ModalWindow {
    Q_OBJECT
public:
    explicit TForm6(QWidget* owner);

    void SpeedButton1Click();

protected:
    QPoint firstPlace() const override;  // centred over the owner's outer rectangle

private:
    QLabel* const Label1 = Control<QLabel>(this, "Label1");
    QLabel* const Label2 = Control<QLabel>(this, "Label2");
    QLabel* const Label3 = Control<QLabel>(this, "Label3");
    SpeedButton* const SpeedButton1 = Control<SpeedButton>(this, "SpeedButton1");
};
