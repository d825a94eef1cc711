#include "tools/lists/record_writers.h"

#include <nlohmann/json.hpp>

namespace tavix {
namespace {

using Json = nlohmann::ordered_json;

Json ToJson(const RecordValue& value) {
    return std::visit(
        [](const auto& v) -> Json {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return nullptr;
            else if constexpr (std::is_same_v<T, std::string>)
                return Latin1ToUtf8(v);
            else
                return v;
        },
        value);
}

// RFC 4180: a field holding a comma, a quote or a line break is quoted, its quotes doubled.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvValue(const RecordValue& value) {
    if (std::holds_alternative<std::monostate>(value)) return "";
    if (const auto* text = std::get_if<std::string>(&value)) return CsvField(Latin1ToUtf8(*text));
    // Numbers and yes/no read the same as in the JSON.
    return ToJson(value).dump();
}

}  // namespace

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

void WriteCsv(const RecordTable& table, std::ostream& out) {
    const char* separator = "";
    for (const auto& field : table.fields) {
        out << separator << CsvField(field);
        separator = ",";
    }
    out << "\r\n";
    for (const auto& record : table.records) {
        separator = "";
        for (const auto& value : record) {
            out << separator << CsvValue(value);
            separator = ",";
        }
        out << "\r\n";
    }
}

void WriteJson(const RecordTable& table, std::ostream& out) {
    Json array = Json::array();
    for (const auto& record : table.records) {
        Json object = Json::object();
        for (size_t i = 0; i < table.fields.size() && i < record.size(); ++i)
            object[table.fields[i]] = ToJson(record[i]);
        array.push_back(std::move(object));
    }
    out << array.dump(2) << "\n";
}

}  // namespace tavix
