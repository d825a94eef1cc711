#include "platform/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace tavix {
namespace {

double Luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background, double ratio) {
    const bool darkGround = Luminance(background) < 0.18;
    QColor c = wanted.toHsl();
    // Lightness moves in small steps toward white or black; black and white always get there.
    for (int step = 0; step <= 20 && ContrastRatio(c, background) < ratio; ++step) {
        const float lightness = std::clamp(c.lightnessF() + (darkGround ? 0.05f : -0.05f), 0.0f, 1.0f);
        c.setHslF(c.hslHueF(), c.hslSaturationF(), lightness);
    }
    return c.toRgb();
}

}  // namespace tavix
