#pragma once
// Reporting of errors that end an event handler.

#include <QString>
#include <exception>
#include <optional>

namespace shell {

// The box's text: the message with "." appended when its last character's code is
// above that of "." (after letters and digits, not after ".", ",", "!", ")" or a blank).
QString ErrorBoxText(const QString& message);

// Shows the application-wide error box: modal over every window, the application's
// title as caption, a stop icon, one OK button, the text as plain text (a message
// may quote what the user pasted).
void ShowErrorBox(const QString& message);

// Runs a handler's body. An error it raises ends the body there and is shown in the
// error box; no exception ever leaves, so none crosses Qt's event machinery.
template <typename Body>
void Guarded(Body&& body) noexcept
{
    std::optional<QString> message;
    try {
        body();
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    if (message)
        ShowErrorBox(*message);
}

}  // namespace shell
