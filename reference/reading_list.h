#pragma once
// The Recommended Reading message. Only facts we are sure of are given; prices, order numbers
// and postal addresses are not on file and the text says so instead of guessing.

#include <string>
#include <vector>

namespace tavix {

extern const char kReadingTitle[];  // "Recommended Reading"

// The four blocks of lines: the beginners' book, its title and publisher (indented), the
// league's rule book, and where it comes from (indented).
const std::vector<std::vector<std::string>>& ReadingBlocks();

// The blocks joined by CR LF with an empty line between blocks; no line break after the last line.
std::string ReadingText();

}  // namespace tavix
