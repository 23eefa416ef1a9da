#include <QApplication>

#include "shell/application.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shell::Application windows;
    return app.exec();
}
