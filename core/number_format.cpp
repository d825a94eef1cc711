#include "core/number_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tavix {
namespace {

// Rounds a non-negative value to the given decimals, half away from zero. The value is first
// taken to 15 significant digits, as far as a double carries decimals, so a sum meant as 207.5
// but stored as 207.4999999999999716 still rounds as the half it stands for.
std::string RoundedDigits(double magnitude, int decimals) {
    // to_chars rather than printf: the process locale would put a comma where the point is.
    char scientific[64];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific - 1, magnitude,
                                       std::chars_format::scientific, 14);
    *written.ptr = '\0';
    std::string mantissa;
    const char* c = scientific;
    for (; *c && *c != 'e'; ++c)
        if (*c != '.') mantissa += *c;
    int exponent = 0;
    if (*c == 'e') {
        const char* from = c + 1;
        if (*from == '+') ++from;
        std::from_chars(from, written.ptr, exponent);
    }

    std::string integer, fraction;
    if (exponent >= 0) {
        const size_t integerDigits = static_cast<size_t>(exponent) + 1;
        if (mantissa.size() < integerDigits) mantissa.append(integerDigits - mantissa.size(), '0');
        integer = mantissa.substr(0, integerDigits);
        fraction = mantissa.substr(integerDigits);
    } else {
        integer = "0";
        fraction = std::string(static_cast<size_t>(-exponent - 1), '0') + mantissa;
    }
    if (fraction.size() < static_cast<size_t>(decimals) + 1)
        fraction.append(decimals + 1 - fraction.size(), '0');

    std::string kept = integer + fraction.substr(0, decimals);
    if (fraction[decimals] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i];
    }
    std::string whole = kept.substr(0, kept.size() - decimals);
    std::string frac = kept.substr(kept.size() - decimals);
    return decimals > 0 ? whole + "." + frac : whole;
}

}  // namespace

std::string FormatPicture(double value, std::string_view picture) {
    if (!std::isfinite(value)) value = 0;
    size_t point = picture.find('.');
    int decimals = point == std::string_view::npos ? 0 : static_cast<int>(picture.size() - point - 1);
    std::string_view integerPart = picture.substr(0, point);
    bool forceIntegerDigit = !integerPart.empty() && integerPart.back() == '0';

    std::string digits = RoundedDigits(std::fabs(value), decimals);
    // Strip leading zeros of the integer part, keeping one only when the picture asks for it.
    size_t firstNonZero = 0;
    size_t integerEnd = decimals > 0 ? digits.find('.') : digits.size();
    while (firstNonZero < integerEnd && digits[firstNonZero] == '0') ++firstNonZero;
    std::string result = digits.substr(firstNonZero);
    if (firstNonZero == integerEnd && (forceIntegerDigit || decimals == 0)) result = "0" + result;
    // A negative value keeps its sign even when it rounds to nothing, so a signed column keeps
    // its width.
    if (value < 0) result = "-" + result;
    return result;
}

std::string PlainInteger(long value) { return std::to_string(value); }

std::string PlainNumber(double value) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 7);
    return std::string(text, written.ptr);
}

long WholeNumber(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLimit = 9007199254740992.0;  // 2^53: every whole number up to it is exact
    return static_cast<long>(std::trunc(std::clamp(value, -kLimit, kLimit)));
}

void PadTo(std::string& text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
}

std::string PaddedTo(std::string text, size_t width) {
    PadTo(text, width);
    return text;
}

double LeadingNumber(std::string_view text) { return FiniteLeadingNumber(text).value_or(0); }

std::optional<double> FiniteLeadingNumber(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        compact += c;
    }
    size_t i = 0;
    const size_t n = compact.size();
    std::string number;
    if (i < n && (compact[i] == '+' || compact[i] == '-')) number += compact[i++];
    size_t digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(compact[i]))) number += compact[i++], ++digits;
    if (i < n && compact[i] == '.') {
        number += compact[i++];
        while (i < n && std::isdigit(static_cast<unsigned char>(compact[i])))
            number += compact[i++], ++digits;
    }
    if (digits == 0) return 0;
    if (i < n && (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < n && (compact[j] == '+' || compact[j] == '-')) exponent += compact[j++];
        size_t expDigits = 0;
        while (j < n && std::isdigit(static_cast<unsigned char>(compact[j])))
            exponent += compact[j++], ++expDigits;
        if (expDigits > 0) number += exponent;
    }
    // from_chars reads the point whatever the locale; it takes no leading plus sign.
    std::string_view body = number;
    if (!body.empty() && body[0] == '+') body.remove_prefix(1);
    double value = 0;
    const auto read = std::from_chars(body.data(), body.data() + body.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large has no value.
        const auto e = body.find('e');
        return e != std::string_view::npos && body.size() > e + 1 && body[e + 1] == '-'
                   ? std::optional<double>(0.0)
                   : std::nullopt;
    }
    if (read.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

float ToSingle(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (value > kLargest) return std::numeric_limits<float>::max();
    if (value < -kLargest) return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

std::optional<int16_t> ToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<int16_t>(rounded);
}

char LowerChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return static_cast<char>(u + 32);  // accented capitals, not the sign 0xD7
    return c;
}

char UpperChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 32);  // accented small letters, not the sign 0xF7
    return c;
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerChar(c);
    return out;
}

std::string ToUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = UpperChar(c);
    return out;
}

namespace {
std::string ZeroPadded(int value, size_t width) {
    std::string digits = std::to_string(value < 0 ? -static_cast<long>(value) : value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}
}  // namespace

std::string FormatDate(const Date& date) {
    return ZeroPadded(date.month, 2) + "-" + ZeroPadded(date.day, 2) + "-" + ZeroPadded(date.year, 4);
}

std::string Showable(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\t') {
            shown.append(8 - shown.size() % 8, ' ');
        } else if (u < 0x20 || (u >= 0x7f && u < 0xa0)) {
            shown += '?';
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace tavix
