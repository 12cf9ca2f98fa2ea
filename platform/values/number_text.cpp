// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/values/number_text.h"

#include "platform/window/runtime_error.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace tappon {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The longest prefix of `text` (from `pos`) that forms a number, normalised for
// from_chars: no leading '+', exponent letter 'e'. `end` is where the number stops.
struct NumberPrefix {
    std::string normalised;
    std::size_t end = 0;
    bool hasDigits = false;
};

NumberPrefix scanNumber(std::string_view text, std::size_t pos)
{
    NumberPrefix prefix;
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            prefix.normalised += '-';
        ++i;
    }
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            prefix.hasDigits = true;
            prefix.normalised += c;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            prefix.normalised += c;
        } else {
            break;
        }
    }
    if (!prefix.hasDigits) {
        prefix.end = pos;
        return prefix;
    }
    prefix.end = i;
    // An exponent counts only when at least one digit follows its letter and sign.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j];
            ++j;
        }
        const std::size_t digitsStart = j;
        while (j < text.size() && isDigit(text[j]))
            exponent += text[j++];
        if (j > digitsStart) {
            prefix.normalised += exponent;
            prefix.end = j;
        }
    }
    return prefix;
}

// The power of ten of a number's leading digit ("250" -> 2, "0.05" -> -2), exponent
// included; used only to tell an overflow from an underflow.
long decimalMagnitude(const std::string& normalised)
{
    const std::size_t e = normalised.find('e');
    const std::string mantissa = normalised.substr(0, e);
    long exponent = 0;
    if (e != std::string::npos) {
        const char* first = normalised.data() + e + 1;
        if (*first == '+')
            ++first;
        if (std::from_chars(first, normalised.data() + normalised.size(), exponent).ec != std::errc())
            exponent = (normalised[e + 1] == '-') ? -100000 : 100000;
    }
    const std::size_t point = mantissa.find('.');
    const std::string whole = mantissa.substr(0, point);
    const std::size_t firstNonZero = whole.find_first_not_of("-0");
    if (firstNonZero != std::string::npos)
        return exponent + static_cast<long>(whole.size() - firstNonZero) - 1;
    const std::string fraction = point == std::string::npos ? std::string() : mantissa.substr(point + 1);
    const std::size_t lead = fraction.find_first_not_of('0');
    return lead == std::string::npos ? -100000 : exponent - static_cast<long>(lead) - 1;
}

std::optional<double> parse(const std::string& normalised)
{
    double value = 0.0;
    const char* first = normalised.data();
    const char* last = first + normalised.size();
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow reads as 0; a magnitude beyond double is an overflow.
        return decimalMagnitude(normalised) > 0 ? std::nullopt : std::optional<double>(0.0);
    }
    if (result.ec != std::errc())
        return 0.0;
    return value;
}

}  // namespace

bool isNumeric(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const NumberPrefix prefix = scanNumber(text, pos);
    if (!prefix.hasDigits)
        return false;
    std::size_t rest = prefix.end;
    while (rest < text.size() && isBlank(text[rest]))
        ++rest;
    return rest == text.size() && parse(prefix.normalised).has_value();
}

double numberAtStart(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const NumberPrefix prefix = scanNumber(text, pos);
    if (!prefix.hasDigits)
        return 0.0;
    const std::optional<double> value = parse(prefix.normalised);
    if (!value)
        throwOverflow();
    return *value == 0.0 ? 0.0 : *value;  // never a negative zero
}

std::string numberText(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value == 0.0 ? "0" : (value > 0 ? "Infinity" : "-Infinity"));
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text(buffer);
    // %G writes "1E+015" on some runtimes and "1E+15" on others; keep two digits at least.
    const std::size_t e = text.find('E');
    if (e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        const char sign = text[e + 1];
        std::string digits = text.substr(e + 2);
        while (digits.size() > 2 && digits.front() == '0')
            digits.erase(digits.begin());
        text = mantissa + 'E' + sign + digits;
    }
    return text;
}

}  // namespace tappon
