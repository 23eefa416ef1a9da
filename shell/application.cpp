#include "shell/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>

#include "shell/about_window.h"
#include "shell/input_error_window.h"
#include "shell/placement.h"
#include "shell/purpose_window.h"
#include "ui/main_window.h"

namespace shell {

namespace {

// The main window's designed outer size, by which it is centred.
constexpr QSize kMainOuterSize(544, 410);

// The application's title and icon, then the main window, shown at once.
TForm1* startMainWindow()
{
    QCoreApplication::setApplicationName(ApplicationTitle(QCoreApplication::applicationFilePath()));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));

    auto* main = new TForm1;
    main->move(CentredOnScreen(QGuiApplication::primaryScreen()->size(), kMainOuterSize));
    main->show();
    return main;
}

}  // namespace

QString ApplicationTitle(const QString& executablePath)
{
    const QString name = QFileInfo(executablePath).fileName().section(QLatin1Char('.'), 0, 0);
    return name.left(1) + name.mid(1).toLower();
}

Application::Application()
    : Form1(startMainWindow()),
      Form5(new TForm5(Form1)),
      Form6(new TForm6(Form1)),
      Form2(new TForm2(Form1))
{
    Form1->SetModalWindows(Form2, Form6);
}

Application::~Application()
{
    delete Form1;
}

}  // namespace shell
