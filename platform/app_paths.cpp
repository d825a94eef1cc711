#include "platform/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "core/data_files.h"
#include "core/data_folder.h"

namespace tavix {
namespace {

// The per-user folders are named after the organisation and the program, also when a test program
// with a name of its own asks.
void EnsureApplicationNames() {
    if (QCoreApplication::organizationName() != "Tavix") QCoreApplication::setOrganizationName("Tavix");
    if (QCoreApplication::applicationName() != "Tavix") QCoreApplication::setApplicationName("Tavix");
}

std::string ToStd(const QString& path) { return QFile::encodeName(path).toStdString(); }

bool HoldsStatistics(const QDir& dir) {
    return ExistingFileIgnoringCase(ToStd(dir.path()), kStatisticsFile).has_value();
}

// The source folder recorded in the CMake cache of the build folder the program runs from.
QString SourceDirOfBuild(const QDir& buildDir) {
    QFile cache(buildDir.filePath("CMakeCache.txt"));
    if (!cache.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
    while (!cache.atEnd()) {
        const QString line = QString::fromUtf8(cache.readLine()).trimmed();
        for (const char* key : {"CMAKE_HOME_DIRECTORY:INTERNAL=", "Tavix_SOURCE_DIR:STATIC="}) {
            if (line.startsWith(key)) return line.mid(static_cast<qsizetype>(qstrlen(key)));
        }
    }
    return QString();
}

}  // namespace

std::string SettingsFilePath() {
    EnsureApplicationNames();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty()) folder = QDir::currentPath();
    QDir().mkpath(folder);
    return ToStd(QDir(folder).filePath(kSettingsFile));
}

QString FindSuppliedDataFolder() {
    const QDir exeDir(ExecutableDir());
    const QDir installed(exeDir.filePath("../share/tavix/data"));
    if (HoldsStatistics(installed)) return installed.canonicalPath();
    // Run from a build folder: the build folder is an ancestor of the executable and its CMake
    // cache names the source tree, whose data/ holds the supplied files.
    QDir dir = exeDir;
    for (int depth = 0; depth < 8; ++depth) {
        const QString source = SourceDirOfBuild(dir);
        if (!source.isEmpty()) {
            const QDir data(QDir(source).filePath("data"));
            if (HoldsStatistics(data)) return data.canonicalPath();
        }
        const QDir sibling(dir.filePath("data"));
        if (HoldsStatistics(sibling)) return sibling.canonicalPath();
        if (!dir.cdUp()) break;
    }
    return QString();
}

std::string ChooseDataFolder(std::string* problem) {
    const QDir current = QDir::current();
    if (HoldsDataFiles(ToStd(current.absolutePath()))) return ToStd(current.absolutePath());

    EnsureApplicationNames();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty()) return ToStd(current.absolutePath());
    const QString supplied = FindSuppliedDataFolder();
    std::string trouble;
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(ToStd(folder)), made);
    if (made) trouble = "Tavix cannot make its data folder " + ToStd(folder) + ": " + made.message() + ".";
    QDir target(folder);
    if (!supplied.isEmpty() && trouble.empty()) {
        // Only what is missing: the user's statistics and names must never be replaced.
        for (const QFileInfo& file : QDir(supplied).entryInfoList(QDir::Files)) {
            if (ExistingFileIgnoringCase(ToStd(folder), ToStd(file.fileName()))) continue;
            const QString copy = target.filePath(file.fileName());
            QFile source(file.filePath());
            if (source.copy(copy)) {
                QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner | QFile::ReadOwner);
            } else if (trouble.empty()) {
                trouble = "Tavix cannot copy its data files into " + ToStd(folder) + ": " +
                          source.errorString().toStdString() + ".";
            }
        }
    }
    // Without a folder of its own the program still shows the supplied season, from where it lies.
    if (!trouble.empty() && !supplied.isEmpty() && !HoldsStatistics(target)) {
        if (problem) *problem = trouble + " It shows the supplied data instead and cannot save.";
        return ToStd(supplied);
    }
    if (problem) *problem = trouble;
    return ToStd(target.absolutePath());
}

}  // namespace tavix
