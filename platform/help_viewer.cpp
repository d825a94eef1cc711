#include "platform/help_viewer.h"

#include <QHelpEngine>

namespace tavix {

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == "qthelp") return engine_.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

QtHelpLauncher::QtHelpLauncher(Dialogs& dialogs, const QString& collection)
    : dialogs_(dialogs), source_(collection) {}

QtHelpLauncher::~QtHelpLauncher() = default;

void QtHelpLauncher::ShowHelpTopic(const std::string&) {}
void QtHelpLauncher::ShowHelpSearch() {}
QUrl QtHelpLauncher::TopicUrl(const std::string&) { return QUrl(); }

}  // namespace tavix
