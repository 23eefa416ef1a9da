#include "shell/error_box.h"

#include <QApplication>
#include <QMessageBox>

namespace shell {

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), ErrorBoxText(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace shell
