#include "calc/extended.h"

#include <cmath>

#include "calc/errors.h"

namespace calc {

Extended Divide(Extended dividend, Extended divisor)
{
    if (divisor == 0) {
        if (dividend == 0 || std::isnan(dividend))
            throw CalcError::invalidOperation();
        throw CalcError::divisionByZero();
    }
    return dividend / divisor;
}

double StoreDouble(Extended value)
{
    if (std::isnan(value))
        throw CalcError::invalidOperation();
    const double stored = static_cast<double>(value);
    if (std::isinf(stored))
        throw CalcError::overflow();
    return stored;
}

}  // namespace calc
