#pragma once
// The two ways a record table leaves tavix-lists: CSV (RFC 4180: a header row, CRLF line ends,
// quotes where needed) and JSON (one array of objects). Text goes out as UTF-8, read from the
// data files' Latin-1.

#include <ostream>
#include <string>

#include "tools/lists/list_records.h"

namespace tavix {

std::string Latin1ToUtf8(const std::string& latin1);

void WriteCsv(const RecordTable& table, std::ostream& out);
void WriteJson(const RecordTable& table, std::ostream& out);

}  // namespace tavix
