#pragma once
// Whole-file reads and safe replacement: a new file is written beside the old one and renamed
// over it only when it is complete, so a failed save never damages what was there.

#include <optional>
#include <string>

namespace tavix {

// No data file this program reads comes near this size; a larger one is not one of them.
constexpr size_t kLargestDataFile = 10u << 20;

// The bytes of a regular file of at most maxBytes. Nothing for a missing or unreadable file, and
// at once for a pipe, device or folder (which could block or never end) or a larger file.
// `why`, when given, says what kept the file from being read.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes = kLargestDataFile,
                                         std::string* why = nullptr);

struct WriteResult {
    bool ok = true;
    std::string error;  // when !ok: the file and the reason ("/home/x/TavixSE.dat: No space left on device")
    std::string keptCopy;  // where a file that could not be read completely was kept, if it was
};

// Replaces the file at `path` (or, when `path` is a symbolic link, the file it points to) with
// `bytes`. A write-protected file is left as it is. The old file's permission bits are kept; the new one is
// on the disk, folder entry included, before this returns ok. Anything but a regular file at `path` is left
// alone.
WriteResult WriteFileSafely(const std::string& path, const std::string& bytes);

// What a save's new file is called until it replaces the old one: the old name, this and six
// letters or digits.
extern const char kSaveSuffix[];
// Removes what saves of the file `name` in `folder` left behind when they were killed (any letter
// case), and says how many. Only while no other program saves there.
int RemoveSaveLeftovers(const std::string& folder, const std::string& name);

// Copies the file at `path` beside it under a new name that says what it is and when, e.g.
// "TavixSE.dat.damaged-2026-12-06-1430", never over an existing file. The copy's path, or
// nothing when there was nothing to copy or the copy failed (`error` then says why).
std::optional<std::string> KeepDamagedCopy(const std::string& path, std::string& error);

// `name` in `folder` whatever the case of its letters: the name found there, the exact spelling
// first; otherwise `name` itself, for a file still to be made. An empty folder is the working
// directory.
std::string FindFileIgnoringCase(const std::string& folder, const std::string& name);
// The same, but nothing when no spelling of `name` is there.
std::optional<std::string> ExistingFileIgnoringCase(const std::string& folder, const std::string& name);

// Joins a folder and a file name; an empty folder means the working directory.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace tavix
