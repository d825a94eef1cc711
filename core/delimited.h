#pragma once
// The delimited value format of the data files: one value a line, strings in double quotes,
// numbers in plain decimal notation with a point whatever the locale, CR LF line ends.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    bool AtEnd() const { return pos_ >= data_.size(); }

  private:
    std::string_view data_;
    size_t pos_ = 0;
};

// Something a reader found wrong in a file: the line (1 for the first; 0 for the whole file) and
// what is wrong there.
struct FileProblem {
    int line = 0;
    std::string what;
};
using FileProblems = std::vector<FileProblem>;

struct TextLine {
    int number = 0;  // 1 for the first line
    std::string text;
};
// The lines of a file without their line ends (CR LF or LF). UTF-16 text (known by its byte-order
// mark or its NUL bytes) is read as the 8-bit text it stands for, a character beyond Latin-1 as
// '?'; that and line ends of CR CR LF are reported, once each, when `problems` is given.
std::vector<TextLine> TextLines(std::string_view bytes, FileProblems* problems);

// Parses a whole token as a plain decimal number (sign, digits, point, exponent); locale-free.
std::optional<double> ParsePlainNumber(std::string_view token);
// The same read straight into single precision, so the shortest text of a float gives back its
// bits; beyond the single range it stays at the largest single of its sign.
std::optional<float> ParsePlainSingle(std::string_view token);
std::string FormatShortest(double value);
std::string FormatShortest(float value);

}  // namespace tavix
