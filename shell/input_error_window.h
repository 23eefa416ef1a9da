#pragma once
// Tells the user that a required input field is empty.

#include <QLabel>

#include "shell/modal_window.h"
#include "ui/speed_button.h"

class TForm2 : public ModalWindow {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner);

    void SpeedButton1Click();

protected:
    QPoint firstPlace() const override;

private:
    QLabel* const Label1 = Control<QLabel>(this, "Label1");
    SpeedButton* const SpeedButton1 = Control<SpeedButton>(this, "SpeedButton1");
};
