#pragma once
// Helpers for driving the real windows headless.

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "shell/application.h"
#include "shell/input_error_window.h"
#include "shell/purpose_window.h"
#include "ui/main_window.h"

namespace gui_test {

// The control named `name` in `window`; fails the test when there is none.
template <typename T = QWidget>
T* find(QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return control;
}

// Runs `act` on the next modal window as soon as it is open (from inside its own
// event loop). After five seconds without one it gives up, so that the test fails
// rather than hangs.
inline void onNextModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, waited, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && (*waited += 10) < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            act(modal);
    });
    timer->start(10);
}

// Answers the next error box: records its caption and text, then presses OK.
struct ErrorBoxSeen {
    bool shown = false;
    QString caption;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
};

inline std::shared_ptr<ErrorBoxSeen> answerNextErrorBox()
{
    auto seen = std::make_shared<ErrorBoxSeen>();
    onNextModal([seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        seen->shown = true;
        seen->caption = box->windowTitle();
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        seen->text = label ? label->text() : box->text();
        seen->format = label ? label->textFormat() : box->textFormat();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    return seen;
}

// Russian regional settings, whatever the machine has.
inline void pinRussianLocale()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

}  // namespace gui_test
