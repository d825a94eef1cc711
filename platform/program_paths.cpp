#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/app_paths.h"

// The paths the desktop module asks for too. They stand apart from the data folder's, so the module
// carries none of the data-file code.

namespace tavix {

QString ExecutableDir() {
    QString dir = QCoreApplication::applicationDirPath();
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

std::string PrintoutFolder() {
    const QByteArray overridden = qgetenv("TAVIX_PRINTOUT_DIR");
    if (!overridden.isEmpty()) return overridden.toStdString();
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) documents = QDir::homePath();
    return QFile::encodeName(QDir(documents).filePath("Tavix printouts")).toStdString();
}

QString FindHelpCollection() {
    const QDir exeDir(ExecutableDir());
    const QString installed = exeDir.filePath("../share/tavix/help/tavix.qhc");
    if (QFileInfo::exists(installed)) return QFileInfo(installed).canonicalFilePath();
    // From a build folder: the program sits in ui/main/program and the tests deeper in tests/;
    // the help is compiled into help/ at the top of the build folder.
    QDir dir = exeDir;
    for (int depth = 0; depth < 8; ++depth) {
        const QString candidate = dir.filePath("help/tavix.qhc");
        if (QFileInfo::exists(candidate)) return QFileInfo(candidate).canonicalFilePath();
        if (!dir.cdUp()) break;
    }
    return QString();
}

std::string FindDesktopModule() {
    const QDir exeDir(ExecutableDir());
    for (const QString& candidate :
         {exeDir.filePath("libtavix_desktop.so"),
          exeDir.filePath(QStringLiteral(TAVIX_DESKTOP_MODULE_DIR "/libtavix_desktop.so"))}) {
        if (QFileInfo::exists(candidate)) return QFileInfo(candidate).canonicalFilePath().toStdString();
    }
    return std::string();
}

}  // namespace tavix
