#include "calc/errors.h"

namespace calc {

CalcError::CalcError(ErrorKind kind, const std::string& message)
    : std::runtime_error(message), kind_(kind) {}

CalcError CalcError::conversion(std::string_view text)
{
    std::string message = "'";
    message += text;
    message += "' is not a valid floating point value";
    return {ErrorKind::Conversion, message};
}

CalcError CalcError::divisionByZero() { return {ErrorKind::DivisionByZero, "Floating point division by zero"}; }
CalcError CalcError::invalidOperation() { return {ErrorKind::InvalidOperation, "Invalid floating point operation"}; }
CalcError CalcError::overflow() { return {ErrorKind::Overflow, "Floating point overflow"}; }

}  // namespace calc
