#pragma once
// Extended-precision arithmetic with the faults that plain IEEE arithmetic would hide.
//
// Intermediates are carried in Extended (64-bit significand, round to nearest);
// a value is rounded to double only when it is stored. Plain +, - and * are used
// as they are: with double operands they cannot leave the extended range, and a
// value that did would still be caught by StoreDouble.

#include <limits>

namespace calc {

// The one place that names the platform type: x87 80-bit long double on x86-64 Linux.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the results need a 64-bit significand for intermediates");

// dividend / divisor. A zero divisor raises the division-by-zero error, or the
// invalid-operation error when the dividend is zero too (0/0).
Extended Divide(Extended dividend, Extended divisor);

// Rounds to double (nearest). A value beyond the largest double raises the
// overflow error, a NaN the invalid-operation error; underflow gives a
// denormal or zero silently.
double StoreDouble(Extended value);

}  // namespace calc
