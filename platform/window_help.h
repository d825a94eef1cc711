#pragma once
// The help topic of a window without a help button of its own, for F1.

#include <QString>
#include <QWidget>

namespace tavix {

inline constexpr char kHelpKeywordProperty[] = "tavixHelpKeyword";

inline void SetHelpKeyword(QWidget* window, const char* keyword) {
    window->setProperty(kHelpKeywordProperty, QString::fromLatin1(keyword));
}

inline QString HelpKeywordOf(const QWidget* window) {
    return window->property(kHelpKeywordProperty).toString();
}

}  // namespace tavix
