#pragma once
// Text between the logic, which keeps 8-bit (Latin-1) strings, and the windows' controls.

#include <QString>
#include <string>
#include <vector>

#include "core/print_list.h"

class QListWidget;

namespace tavix {

QString Latin1(const std::string& text);
std::string ToLatin1(const QString& text);

// Appends `lines` to `list`, one item each.
void AddLines(QListWidget* list, const std::vector<std::string>& lines);

// Every line of `list` with whether it is selected, as the print commands take them.
ListContents ListContentsOf(const QListWidget* list);

}  // namespace tavix
