#include "tools/datagen/csv.h"

#include "core/safe_file.h"

namespace tavix::datagen {

std::optional<size_t> CsvTable::Column(const std::string& name) const {
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) return i;
    }
    return std::nullopt;
}

namespace {

// Splits the text into records of fields, honouring quotes (a quoted field may hold commas
// and line breaks).
bool SplitRecords(const std::string& text, std::vector<std::vector<std::string>>& records,
                  std::vector<size_t>& lineNumbers, std::string& error) {
    std::vector<std::string> record;
    std::string field;
    bool inQuotes = false, fieldWasQuoted = false, recordHasContent = false;
    size_t line = 1, recordLine = 1;

    auto endField = [&] {
        record.push_back(field);
        field.clear();
        fieldWasQuoted = false;
    };
    auto endRecord = [&] {
        endField();
        // A line with nothing on it (such as a final blank line) is no record.
        if (recordHasContent || record.size() > 1) {
            records.push_back(record);
            lineNumbers.push_back(recordLine);
        }
        record.clear();
        recordHasContent = false;
    };

    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inQuotes) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        switch (c) {
            case '"':
                if (!field.empty() || fieldWasQuoted) {
                    error = "line " + std::to_string(line) + ": a quote inside an unquoted field";
                    return false;
                }
                inQuotes = fieldWasQuoted = recordHasContent = true;
                break;
            case ',':
                recordHasContent = true;
                endField();
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') break;
                error = "line " + std::to_string(line) + ": a carriage return without a line feed";
                return false;
            case '\n':
                endRecord();
                recordLine = ++line;
                break;
            default:
                if (fieldWasQuoted) {
                    error = "line " + std::to_string(line) + ": text after a closing quote";
                    return false;
                }
                recordHasContent = true;
                field += c;
        }
    }
    if (inQuotes) {
        error = "line " + std::to_string(recordLine) + ": a quoted field is not closed";
        return false;
    }
    endRecord();
    return true;
}

}  // namespace

std::optional<CsvTable> ParseCsv(const std::string& text, std::string& error) {
    std::vector<std::vector<std::string>> records;
    std::vector<size_t> lines;
    if (!SplitRecords(text, records, lines, error)) return std::nullopt;
    if (records.empty()) {
        error = "no header row";
        return std::nullopt;
    }
    CsvTable table;
    table.header = records.front();
    for (size_t r = 1; r < records.size(); ++r) {
        if (records[r].size() != table.header.size()) {
            error = "line " + std::to_string(lines[r]) + ": " + std::to_string(records[r].size()) +
                    " fields where the header has " + std::to_string(table.header.size());
            return std::nullopt;
        }
        table.rows.push_back(std::move(records[r]));
    }
    return table;
}

std::optional<CsvTable> LoadCsv(const std::string& path, const std::vector<std::string>& required,
                                std::string& error) {
    auto text = ReadWholeFile(path);
    if (!text) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    auto table = ParseCsv(*text, error);
    if (!table) {
        error = path + ": " + error;
        return std::nullopt;
    }
    for (const auto& name : required) {
        if (!table->Column(name)) {
            error = path + ": no column \"" + name + "\"";
            return std::nullopt;
        }
    }
    return table;
}

}  // namespace tavix::datagen
