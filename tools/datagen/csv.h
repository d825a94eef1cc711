#pragma once
// A small reader for the comma-separated source tables in data/sources: a header row, then one
// record a line; fields may be quoted ("" inside quotes is one quote); LF or CR LF line ends.

#include <optional>
#include <string>
#include <vector>

namespace tavix::datagen {

struct CsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // every row has header.size() fields

    // Index of a header column; nullopt when the table has no such column.
    std::optional<size_t> Column(const std::string& name) const;
};

// Parses the text; on failure returns nullopt and puts the reason (with the line number) in error.
std::optional<CsvTable> ParseCsv(const std::string& text, std::string& error);

// Reads and parses a file; a missing column among `required` is a failure too.
std::optional<CsvTable> LoadCsv(const std::string& path, const std::vector<std::string>& required,
                                std::string& error);

}  // namespace tavix::datagen
