#pragma once
// Which printer font to recommend. Every printout is laid out in columns of characters, which
// stay straight only in a fixed-pitch face; the advice names one this computer really has.

#include <string>
#include <vector>

namespace tavix {

// The fixed-pitch faces the lists are laid out for, best first: the face they were designed in,
// then the common fixed-pitch faces of today's systems.
const std::vector<std::string>& FixedPitchFaces();

// The first of FixedPitchFaces() among `installed`; empty when none is installed.
std::string RecommendedPrinterFont(const std::vector<std::string>& installed);

// The font chooser's advice for a computer with these fonts.
std::string PrinterFontAdvice(const std::vector<std::string>& installed);

}  // namespace tavix
