#include "calc/text_rules.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

#include "calc/errors.h"

namespace calc {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string toUtf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// strtold follows the process locale, which a GUI program sets from the user's
// settings; the digit string built below always uses ".".
Extended readCLocale(const std::string& ascii)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtold_l(ascii.c_str(), nullptr, cLocale);
}

}  // namespace

char32_t FilterKey(char32_t typed)
{
    if ((typed >= U'0' && typed <= U'9') || typed == U',' || typed == kBackspace)
        return typed;
    return kEscape;
}

Extended ParseNumber(std::string_view text, char32_t separator)
{
    const std::string sep = toUtf8(separator);
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && text[i] == ' ')
            ++i;
    };

    std::string number;  // rebuilt as "[-]digits.digitsE[-]exponent"
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }

    bool taken = false;
    std::string digits;
    while (i < text.size() && isDigit(text[i])) {
        digits += text[i++];
        taken = true;
    }
    number += digits.empty() ? "0" : digits;
    number += '.';
    if (text.substr(i).starts_with(sep)) {
        i += sep.size();
        taken = true;  // a lone separator reads as 0
        while (i < text.size() && isDigit(text[i]))
            number += text[i++];
    }
    if (!taken)
        throw CalcError::conversion(text);

    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            ++i;
        }
        int exponent = 0;
        // A digit left over once the exponent reaches 500 makes the text malformed below.
        while (i < text.size() && isDigit(text[i]) && exponent < 500)
            exponent = exponent * 10 + (text[i++] - '0');
        number += 'e';
        if (negative)
            number += '-';
        number += std::to_string(exponent);
    }

    skipBlanks();
    if (i != text.size())
        throw CalcError::conversion(text);

    const Extended value = readCLocale(number);
    if (std::isinf(value))
        throw CalcError::conversion(text);
    return value;
}

namespace {

// 10^k; exact up to k = 27, which covers every fixed-point result (below 2^120).
Extended powerOfTen(int k)
{
    if (k > 27)
        return std::pow(Extended{10}, k);
    Extended p = 1;
    for (int j = 0; j < k; ++j)
        p *= 10;
    return p;
}

// The decimal image of a finite magnitude: an integer digit string and how many
// of its last digits are decimals (negative: zeros to append). Below 10 it
// carries 17 decimals; from 10 up, 18 significant digits.
struct DecimalImage {
    std::string digits;
    int decimals;
};

DecimalImage decimalImage(double magnitude)
{
    const Extended m = magnitude;
    int exponent = 0;  // 10^exponent <= m < 10^(exponent + 1), for m >= 10
    while (exponent < 308 && m >= powerOfTen(exponent + 1))
        ++exponent;
    Extended scaled;
    if (exponent <= 17)
        scaled = m * powerOfTen(17 - exponent);
    else
        scaled = m / powerOfTen(exponent - 17);
    // At most 10^18 after rounding, so it fits in 64 bits.
    const auto integer = static_cast<std::uint64_t>(std::nearbyint(scaled));
    return {std::to_string(integer), 17 - exponent};
}

// Adds one to a string of decimal digits, carrying leftwards.
void increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string exponentForm(bool negative, double magnitude)
{
    DecimalImage image = decimalImage(magnitude);
    // Two significant digits, ties away from zero.
    int exponent = static_cast<int>(image.digits.size()) - 1 - image.decimals;
    std::string head = image.digits.substr(0, 2);
    if (image.digits[2] >= '5')
        increment(head);
    if (head.size() > 2) {  // 9.96 became 10
        head.pop_back();
        ++exponent;
    }
    std::string exponentDigits = std::to_string(exponent);
    exponentDigits.insert(0, 4 - exponentDigits.size(), '0');
    return std::string(negative ? "-" : " ") + head[0] + "." + head[1] + "E+" + exponentDigits;
}

}  // namespace

std::string FormatResult(double value)
{
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    std::string text;
    if (std::isnan(value)) {
        text = "NAN";
    } else if (std::isinf(value)) {
        text = negative ? "-INF" : "INF";
    } else if (magnitude >= 0x1p120) {
        return exponentForm(negative, magnitude);
    } else {
        DecimalImage image = decimalImage(magnitude);
        std::string& digits = image.digits;
        if (image.decimals < 0) {
            digits.append(-image.decimals, '0');
            image.decimals = 0;
        }
        // At least one integer digit and three decimals to round from.
        if (static_cast<int>(digits.size()) < image.decimals + 1)
            digits.insert(0, image.decimals + 1 - digits.size(), '0');
        if (image.decimals < 3) {
            digits.append(3 - image.decimals, '0');
            image.decimals = 3;
        }
        const bool roundUp = digits[digits.size() - image.decimals + 2] >= '5';
        digits.resize(digits.size() - image.decimals + 2);
        if (roundUp)
            increment(digits);
        text = digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
        if (negative)
            text.insert(0, "-");
    }
    if (text.size() < 7)
        text.insert(0, 7 - text.size(), ' ');
    return text;
}

}  // namespace calc
