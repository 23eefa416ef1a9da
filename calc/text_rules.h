#pragma once
// The three rules between text and number: which typed characters an input field
// takes, how a field's text becomes a number, and how a result becomes text.
// Texts are UTF-8. The decimal separator is passed in: this core reads no settings.

#include <string>
#include <string_view>

#include "calc/extended.h"

namespace calc {

inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kEscape = 27;  // an edit field does not insert it

// Digits, the comma and Backspace pass unchanged; every other character becomes
// Escape. Nothing else is checked: ",,5" can be typed.
//   FilterKey(U'7') == U'7'    FilterKey(U'.') == kEscape    FilterKey(U'\x16') == kEscape
char32_t FilterKey(char32_t typed);

// Reads a field's text: blanks (code 32 only), an optional sign, digits, an optional
// `separator` with more digits, an optional exponent ("E"/"e", optional sign, digits;
// none counts as 0, growth stops at 500), blanks, and nothing else. At least one digit
// or the separator must be present. The value is correctly rounded to Extended.
//   with ',':  "12,5" -> 12.5   "," -> 0   "5," -> 5   "1,5E2" -> 150   "12.5" fails
// Raises the conversion error, quoting `text` verbatim, on malformed text, on an empty
// text and on a value beyond the extended range. Tiny values become denormals or zero.
Extended ParseNumber(std::string_view text, char32_t separator);

// Two decimals, ties away from zero, taken from the value's 17-decimal image;
// right-aligned in 7 characters, never cut; "-" from the sign bit; "." always.
//   0.2205 -> "   0.22"   -0.001 -> "  -0.00"   12345.678 -> "12345.68"
// From 2^120 on: " 1.3E+0036" (sign or blank, two significant digits, four-digit exponent).
std::string FormatResult(double value);

}  // namespace calc
