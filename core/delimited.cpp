#include "core/delimited.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tavix {
namespace {

const char kLineEnd[] = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

template <typename T>
std::string ShortestFixed(T value) {
    if (!std::isfinite(value)) return "0";
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return "0";
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string FormatShortest(double value) { return ShortestFixed(value); }
std::string FormatShortest(float value) { return ShortestFixed(value); }

void DelimitedWriter::Integer(long value) {
    text_ += std::to_string(value);
    text_ += kLineEnd;
}

void DelimitedWriter::Number(double value) {
    text_ += FormatShortest(value);
    text_ += kLineEnd;
}

void DelimitedWriter::Single(float value) {
    text_ += FormatShortest(value);
    text_ += kLineEnd;
}

void DelimitedWriter::Quoted(std::string_view text) {
    text_ += '"';
    text_ += text;
    text_ += '"';
    text_ += kLineEnd;
}

void DelimitedWriter::Printed(std::string_view text) {
    text_ += text;
    text_ += kLineEnd;
}

std::optional<std::string> DelimitedReader::Next() {
    // Blank lines between values are skipped, as a delimited read does.
    while (pos_ < data_.size() && (IsBlank(data_[pos_]) || IsLineEnd(data_[pos_]))) ++pos_;
    if (pos_ >= data_.size()) return std::nullopt;

    std::string value;
    if (data_[pos_] == '"') {
        ++pos_;
        while (pos_ < data_.size() && data_[pos_] != '"' && !IsLineEnd(data_[pos_])) value += data_[pos_++];
        if (pos_ < data_.size() && data_[pos_] == '"') ++pos_;
        // Anything after the closing quote up to the delimiter is dropped.
        while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) ++pos_;
    } else {
        while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) value += data_[pos_++];
        while (!value.empty() && IsBlank(value.back())) value.pop_back();
    }
    if (pos_ < data_.size() && data_[pos_] == ',') {
        ++pos_;
    } else {
        if (pos_ < data_.size() && data_[pos_] == '\r') ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    }
    return value;
}

std::optional<double> ParsePlainNumber(std::string_view token) {
    size_t i = 0;
    const size_t n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
    size_t digits = 0;
    while (i < n && token[i] >= '0' && token[i] <= '9') ++i, ++digits;
    if (i < n && token[i] == '.') {
        ++i;
        while (i < n && token[i] >= '0' && token[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < n && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < n && token[i] >= '0' && token[i] <= '9') ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    // from_chars does not take a leading plus sign.
    std::string_view body = token;
    if (!body.empty() && body[0] == '+') body.remove_prefix(1);
    double value = 0;
    auto result = std::from_chars(body.data(), body.data() + body.size(), value);
    if (result.ec != std::errc() || result.ptr != body.data() + body.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> DelimitedReader::NextNumber() {
    auto token = Next();
    if (!token) return std::nullopt;
    return ParsePlainNumber(*token);
}

std::optional<int16_t> DelimitedReader::NextInt16() {
    auto value = NextNumber();
    if (!value) return std::nullopt;
    double rounded = std::nearbyint(*value);  // default rounding mode: half to even
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<int16_t>(rounded);
}

std::optional<float> DelimitedReader::NextSingle() {
    auto token = Next();
    if (!token) return std::nullopt;
    std::string_view body = *token;
    if (!body.empty() && body[0] == '+') body.remove_prefix(1);
    if (!ParsePlainNumber(body)) return std::nullopt;
    float value = 0;
    auto result = std::from_chars(body.data(), body.data() + body.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace tavix
