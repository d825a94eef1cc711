// Where the program finds and keeps its files: settings, data, PDF printouts and the help.
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "core/data_files.h"
#include "platform/app_paths.h"
#include "platform/data_folder_lock.h"
#include "tests/support/scripted_dialogs.h"

using namespace tavix;

namespace {

QString FromStd(const std::string& path) { return QFile::decodeName(path.c_str()); }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Whether the lock file names process `pid` as its holder.
bool LockHeldBy(const QString& path, qint64 pid) {
    QLockFile lock(path);
    qint64 holder = 0;
    QString host, program;
    return lock.getLockInfo(&holder, &host, &program) && holder == pid;
}

}  // namespace

class AppPathsTest : public QObject {
    Q_OBJECT
    QString startDir_;

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // The folders belong to Tavix whatever this program is called.
        QCoreApplication::setOrganizationName("Tavix");
        QCoreApplication::setApplicationName("Tavix");
        startDir_ = QDir::currentPath();
    }
    void cleanup() {
        QDir::setCurrent(startDir_);
        qunsetenv("TAVIX_PRINTOUT_DIR");
    }

    void filesTheProgramKeeps() {
        const QString settings = FromStd(SettingsFilePath());
        QVERIFY2(settings.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)) &&
                     settings.endsWith("/Tavix/TVX.ini") && QFileInfo(settings).dir().exists(),
                 qPrintable(settings));
        qunsetenv("TAVIX_PRINTOUT_DIR");  // the test run names its own folder
        const QString printouts = FromStd(PrintoutFolder());
        QCOMPARE(printouts,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Tavix printouts");
        qputenv("TAVIX_PRINTOUT_DIR", "/tmp/somewhere/pdfs");
        QCOMPARE(FromStd(PrintoutFolder()), QString("/tmp/somewhere/pdfs"));
        const QString collection = FindHelpCollection();
        QVERIFY2(collection.endsWith("help/tavix.qhc"),
                 "help/tavix.qhc not found from the test program's folder");
        QVERIFY(QFileInfo::exists(QFileInfo(collection).dir().filePath("tavix.qch")));
        QCOMPARE(QDir(FindSuppliedDataFolder()).canonicalPath(),
                 QDir(TAVIX_SOURCE_DIR "/data").canonicalPath());
    }

    // A working directory with any of the data files, in any letter case, is used as it is; without
    // the statistics the loading message says so there, rather than another folder being used.
    void dataInTheWorkingDirectory_data() {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("exact name") << "TavixSE.dat";
        QTest::newRow("other letter case") << "TAVIXSE.DAT";
        QTest::newRow("names only") << "TavixNM.dat";
        QTest::newRow("schedule only, small letters") << "tavixsc.dat";
        QTest::newRow("rosters only") << "TAVIXRO.DAT";
    }
    void dataInTheWorkingDirectory() {
        QFETCH(QString, fileName);
        QTemporaryDir work;
        QVERIFY(Write(work.filePath(fileName), "1\n"));
        QDir::setCurrent(work.path());
        QCOMPARE(QDir(FromStd(ChooseDataFolder())).canonicalPath(), QDir(work.path()).canonicalPath());
    }

    // Elsewhere the per-user folder gets what is missing of the supplied data, and only that.
    void perUserDataFolder() {
        const QString supplied = FindSuppliedDataFolder();
        const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(userData).removeRecursively();
        QVERIFY(QDir().mkpath(userData));
        QVERIFY(
            Write(QDir(userData).filePath("TavixNM.dat"), "\"My City\"\r\n"));  // edited in an earlier run
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        const QString chosen = FromStd(ChooseDataFolder());
        QCOMPARE(QDir(chosen).canonicalPath(), QDir(userData).canonicalPath());
        QCOMPARE(ReadAll(QDir(chosen).filePath("TavixNM.dat")), QByteArray("\"My City\"\r\n"));
        for (const char* name : {"TavixSE.dat", "TavixSC.dat", "Tavixro.dat"})
            QCOMPARE(ReadAll(QDir(chosen).filePath(name)), ReadAll(QDir(supplied).filePath(name)));
        // A second start changes nothing the user saved.
        QVERIFY(Write(QDir(userData).filePath("TavixSE.dat"), "saved\r\n"));
        QCOMPARE(FromStd(ChooseDataFolder()), chosen);
        QCOMPARE(ReadAll(QDir(chosen).filePath("TavixSE.dat")), QByteArray("saved\r\n"));
        QDir(userData).removeRecursively();
    }

    // Two programs on one folder: the real program holds it; a second one learns who does and may
    // only read it, so nothing it saves undoes the first one's work. Once the first is killed, its
    // lock and what a killed save left behind go.
    void secondProgramOnOneFolder() {
        QTemporaryDir work;
        const std::string dir = work.path().toStdString();
        for (const char* name : {kStatisticsFile, kScheduleFile, kNamesFile})
            QVERIFY(QFile::copy(QDir(FindSuppliedDataFolder()).filePath(name), work.filePath(name)));
        QProcess first;
        first.setWorkingDirectory(work.path());
        first.start(TAVIX_BINARY_DIR "/ui/main/program/tavix", {});
        QVERIFY(first.waitForStarted());
        // Held once the lock names its holder: the file is made first and written a moment later.
        QTRY_VERIFY_WITH_TIMEOUT(LockHeldBy(work.filePath(kDataFolderLockFile), first.processId()), 30000);

        const QByteArray before = ReadAll(work.filePath(kStatisticsFile));
        testing::ScriptedDialogs dialogs;
        dialogs.answers = {Answer::No, Answer::Yes};
        NBA nba;
        DataFolderLock refused(dir), readOnly(dir);
        QVERIFY(!HoldDataFolder(refused, dir, dialogs, nba));  // No: this program does not start
        QVERIFY(HoldDataFolder(readOnly, dir, dialogs, nba));
        QVERIFY2(dialogs.shown.back().text.find("in use by another Tavix (process " +
                                                std::to_string(first.processId())) != std::string::npos,
                 dialogs.shown.back().text.c_str());
        nba.IniPath = work.filePath("TVX.ini").toStdString();
        for (const WriteResult& saved :
             {SaveStatistics(dir, nba), SaveNames(dir, nba, nba.CityNames, nba.TeamNames), SaveSettings(nba)})
            QVERIFY2(!saved.ok && saved.error.find("opened it read-only") != std::string::npos,
                     saved.error.c_str());
        QCOMPARE(ReadAll(work.filePath(kStatisticsFile)), before);
        QVERIFY(Write(work.filePath("TavixSE.dat.new-a1B2c3"), "half a save"));
        first.kill();
        QVERIFY(first.waitForFinished());
        testing::ScriptedDialogs quiet;
        NBA next;
        DataFolderLock after(dir);
        QVERIFY(HoldDataFolder(after, dir, quiet, next) && quiet.shown.empty() && next.readOnly.empty());
        QVERIFY(!QFileInfo::exists(work.filePath("TavixSE.dat.new-a1B2c3")));
    }
};

QTEST_MAIN(AppPathsTest)
#include "app_paths_test.moc"
