#pragma once
// The recommended web sites and the texts of the web sites and programming information windows.

#include <string>
#include <vector>

namespace tavix {

struct WebSite {
    int nameLabel;        // index of the site-name label (16..20)
    int addressLabel;     // index of the address label (1..5)
    const char* name;     // the site-name caption
    const char* address;  // a complete address, as typed into a browser
};

const std::vector<WebSite>& RecommendedSites();

// Labels 1..5 hold addresses; a click on one copies it. Labels 6 and above are site names.
bool IsAddressLabel(int index);

extern const char kCopiedNotice[];     // shown for a while after an address was copied
extern const char kCopyInstruction[];  // "Click on address to copy URL to the Clipboard"
constexpr int kCopiedNoticeMs = 4000;

// The programming information window: its heading (a doubled ampersand shows one) and the
// eleven panel texts.
extern const char kProgrammersHeading[];
const std::vector<std::string>& ProgrammersPanels();

}  // namespace tavix
