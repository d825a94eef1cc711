#pragma once
// Whole-file reads and safe replacement: a new file is written beside the old one and renamed
// over it only when it is complete, so a failed save never damages what was there.

#include <optional>
#include <string>

namespace tavix {

std::optional<std::string> ReadWholeFile(const std::string& path);

struct WriteResult {
    bool ok = true;
    std::string error;  // the system's reason when !ok
};

WriteResult WriteFileSafely(const std::string& path, const std::string& bytes);

// Joins a folder and a file name; an empty folder means the working directory.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace tavix
