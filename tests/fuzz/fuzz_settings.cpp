// The settings reader on any bytes: no crash, and a font name the printed line can carry (no
// comma, no quote at the start, no blanks at the ends) reads back unchanged.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tavix::NBA nba;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!tavix::ParseSettings(bytes, nba)) return 0;
    const std::string& font = nba.PrinterFontName;
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (font.find(',') != std::string::npos ||
        (!font.empty() && (font[0] == '"' || blank(font.front()) || blank(font.back()))))
        return 0;
    tavix::NBA again;
    if (!tavix::ParseSettings(tavix::SettingsText(font), again) && !font.empty()) std::abort();
    if (!font.empty() && again.PrinterFontName != font) std::abort();
    return 0;
}
