#pragma once
// The team addresses list. No front-office street addresses or telephone numbers of the 1998-99
// clubs are on file, so each entry gives what is known (the club, its home arena and city) and
// says plainly that the rest is missing.

#include <string>
#include <vector>

#include "core/print_list.h"

namespace tavix {

struct ClubEntry {
    const char* club;   // as the list writes it
    const char* arena;  // home arena in 1998-99
    const char* city;   // "City, ST", with the postal abbreviation of the state or province
    int lines;          // one or two list lines
};

// The 29 clubs in list order (alphabetical by full club name).
const std::vector<ClubEntry>& ClubEntries();

// The list lines of one club entry.
std::vector<std::string> ClubEntryLines(const ClubEntry& entry);

// The whole list: an empty entry, the clubs with a one-blank separator between them, an empty entry.
std::vector<std::string> AddressList();

// The note the window shows under the list.
extern const char kAddressesNotOnFileNote[];

// Whole list, 10-point body behind eight blanks; at position 54 the first document ends and the
// rest follows as a second one.
PrintScheme AddressPrintScheme();

}  // namespace tavix
