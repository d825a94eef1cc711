#pragma once
// The delimited value format of the data files: one value a line, strings in double quotes,
// numbers in plain decimal notation with a point whatever the locale, CR LF line ends.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavix {

class DelimitedWriter {
  public:
    void Integer(long value);
    void Number(double value);  // shortest text that reads back to the same double
    void Single(float value);   // shortest text that reads back to the same float
    void Quoted(std::string_view text);
    void Printed(std::string_view text);  // the value as plain text, without quotes
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// Reads value by value: blanks are skipped, a value ends at a comma or at the line end, and
// quotes around a quoted string are removed (so an unquoted string ends at its first comma).
class DelimitedReader {
  public:
    explicit DelimitedReader(std::string_view data) : data_(data) {}

    // The next raw value; nothing at the end of the data.
    std::optional<std::string> Next();
    std::optional<double> NextNumber();
    std::optional<int16_t> NextInt16();  // rounded half to even, refused outside the 16-bit range
    std::optional<float> NextSingle();
    bool AtEnd() const { return pos_ >= data_.size(); }

  private:
    std::string_view data_;
    size_t pos_ = 0;
};

// Parses a whole token as a plain decimal number (sign, digits, point, exponent); locale-free.
std::optional<double> ParsePlainNumber(std::string_view token);
std::string FormatShortest(double value);
std::string FormatShortest(float value);

}  // namespace tavix
