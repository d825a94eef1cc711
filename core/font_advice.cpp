#include "core/font_advice.h"

#include <algorithm>

namespace tavix {

const std::vector<std::string>& FixedPitchFaces() {
    static const std::vector<std::string> faces = {"Courier New", "DejaVu Sans Mono", "Liberation Mono",
                                                   "Noto Sans Mono", "Nimbus Mono PS"};
    return faces;
}

std::string RecommendedPrinterFont(const std::vector<std::string>& installed) {
    for (const auto& face : FixedPitchFaces())
        if (std::find(installed.begin(), installed.end(), face) != installed.end()) return face;
    return std::string();
}

std::string PrinterFontAdvice(const std::vector<std::string>& installed) {
    const std::string why = " is recommended: all its letters are one width, so the columns stay straight.";
    const std::string face = RecommendedPrinterFont(installed);
    if (face.empty()) return "A fixed-pitch font such as " + FixedPitchFaces().front() + why;
    return face + why;
}

}  // namespace tavix
