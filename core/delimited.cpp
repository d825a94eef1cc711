#include "core/delimited.h"

#include "core/number_format.h"

#include <algorithm>
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

std::optional<float> ParsePlainSingle(std::string_view token) {
    const auto number = ParsePlainNumber(token);
    if (!number) return std::nullopt;
    if (!token.empty() && token[0] == '+') token.remove_prefix(1);
    float value = 0;
    const auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return ToSingle(*number);
    return value;
}

namespace {

// UTF-16 turned into 8-bit text; nothing when the bytes do not look like UTF-16.
std::optional<std::string> FromUtf16(std::string_view bytes) {
    bool little = true, marked = false;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        marked = true;
    } else if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
               static_cast<unsigned char>(bytes[1]) == 0xFF) {
        marked = true, little = false;
    } else {
        // Without a mark: plain English text in UTF-16 has a NUL in every other byte.
        size_t even = 0, odd = 0;
        for (size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\0') ++(i % 2 ? odd : even);
        if (bytes.size() < 4 || std::max(even, odd) < bytes.size() / 4) return std::nullopt;
        little = odd > even;
    }
    std::string text;
    for (size_t i = marked ? 2 : 0; i + 1 < bytes.size(); i += 2) {
        const unsigned lo = static_cast<unsigned char>(bytes[i + (little ? 0 : 1)]);
        const unsigned hi = static_cast<unsigned char>(bytes[i + (little ? 1 : 0)]);
        const unsigned unit = hi << 8 | lo;
        if (unit >= 0xDC00 && unit <= 0xDFFF) continue;  // the second half of a pair, shown once as '?'
        text += unit <= 0xFF ? static_cast<char>(unit) : '?';
    }
    return text;
}

}  // namespace

std::vector<TextLine> TextLines(std::string_view bytes, FileProblems* problems) {
    auto report = [&](int line, std::string what) {
        if (problems) problems->push_back({line, std::move(what)});
    };
    std::string decoded;
    if (auto text = FromUtf16(bytes)) {
        report(0, "the file is UTF-16 text, not the 8-bit text Tavix writes; it was read as such");
        decoded = std::move(*text);
        bytes = decoded;
    }
    std::vector<TextLine> lines;
    bool doubledCr = false;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r') {
            if (!doubledCr)
                report(static_cast<int>(lines.size()) + 1,
                       "the line ends with CR CR LF instead of CR LF (the file was converted twice)");
            doubledCr = true;
            while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        }
        lines.push_back({static_cast<int>(lines.size()) + 1, std::string(line)});
        pos = end + 1;
    }
    return lines;
}

}  // namespace tavix
