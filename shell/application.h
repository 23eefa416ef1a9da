#pragma once
// Start-up: the application's title and icon, and the four windows.

#include <QString>
#include <memory>

class TForm1;
class TForm2;
class TForm5;
class TForm6;

namespace shell {

// The title derived from an executable's path: the file name cut at its first ".",
// its first character unchanged and every later one lower-cased.
//   "/opt/calc/SHORT.Circuit.exe" -> "Short"
QString ApplicationTitle(const QString& executablePath);

// The program's windows, created once in this order and alive until it ends. The
// main window is shown at once, centred on the primary screen; the others stay
// hidden until opened.
class Application {
public:
    // Needs a QApplication. Sets the application's title and icon.
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    TForm1* const Form1;
    TForm5* const Form5;  // owned by Form1, as are the two below
    TForm6* const Form6;
    TForm2* const Form2;
};

}  // namespace shell
