#pragma once
// The closed set of errors that the calculation raises, each with its exact message.

#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

enum class ErrorKind {
    Conversion,       // "'<text>' is not a valid floating point value"
    DivisionByZero,   // "Floating point division by zero"
    InvalidOperation, // "Invalid floating point operation"
    Overflow,         // "Floating point overflow"
};

class CalcError : public std::runtime_error {
public:
    ErrorKind kind() const noexcept { return kind_; }

    // `text` goes into the message verbatim: blanks kept, nothing trimmed.
    static CalcError conversion(std::string_view text);
    static CalcError divisionByZero();
    static CalcError invalidOperation();
    static CalcError overflow();

private:
    CalcError(ErrorKind kind, const std::string& message);
    ErrorKind kind_;
};

}  // namespace calc
