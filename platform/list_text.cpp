#include "platform/list_text.h"

#include <QListWidget>
#include <QStringList>

namespace tavix {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToLatin1(const QString& text) { return text.toLatin1().toStdString(); }

void AddLines(QListWidget* list, const std::vector<std::string>& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) items << Latin1(line);
    list->addItems(items);
}

ListContents ListContentsOf(const QListWidget* list) {
    ListContents contents;
    const int count = list->count();
    contents.items.reserve(count);
    contents.selected.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QListWidgetItem* item = list->item(i);
        contents.items.push_back(ToLatin1(item->text()));
        contents.selected.push_back(item->isSelected());
    }
    return contents;
}

}  // namespace tavix
