// Where the program finds and keeps its files: settings, data, PDF printouts and the help.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/app_paths.h"

using namespace tavix;

namespace {

QString FromStd(const std::string& path) { return QFile::decodeName(path.c_str()); }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
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
    void cleanup() { QDir::setCurrent(startDir_); }

    void settingsFileInTheConfigurationFolder() {
        const QString path = FromStd(SettingsFilePath());
        QCOMPARE(QFileInfo(path).fileName(), QString("TVX.ini"));
        QVERIFY(QFileInfo(path).dir().exists());
        QVERIFY2(path.contains("/Tavix/"), qPrintable(path));
        QVERIFY(path.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    }

    void printoutFolder_data() {
        QTest::addColumn<QByteArray>("overridden");
        QTest::addColumn<QString>("endsWith");
        QTest::newRow("documents") << QByteArray() << "/Tavix printouts";
        QTest::newRow("environment") << QByteArray("/tmp/somewhere/pdfs") << "/tmp/somewhere/pdfs";
    }
    void printoutFolder() {
        QFETCH(QByteArray, overridden);
        QFETCH(QString, endsWith);
        if (overridden.isEmpty())
            qunsetenv("TAVIX_PRINTOUT_DIR");
        else
            qputenv("TAVIX_PRINTOUT_DIR", overridden);
        const QString folder = FromStd(PrintoutFolder());
        QVERIFY2(folder.endsWith(endsWith), qPrintable(folder));
        if (overridden.isEmpty())
            QVERIFY(folder.startsWith(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
        qunsetenv("TAVIX_PRINTOUT_DIR");
    }

    void helpCollectionBesideItsDocumentation() {
        const QString collection = FindHelpCollection();
        QVERIFY2(!collection.isEmpty(), "help/tavix.qhc not found from the test program's folder");
        QVERIFY(collection.endsWith("help/tavix.qhc"));
        QVERIFY(QFileInfo::exists(QFileInfo(collection).dir().filePath("tavix.qch")));
    }

    void suppliedDataFromTheSourceTree() {
        const QString supplied = FindSuppliedDataFolder();
        QVERIFY2(!supplied.isEmpty(), "the supplied data (data/TavixSE.dat) was not found");
        QCOMPARE(QDir(supplied).canonicalPath(), QDir(TAVIX_SOURCE_DIR "/data").canonicalPath());
    }

    // A working directory with the statistics file is used as it is.
    void dataInTheWorkingDirectory_data() {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("exact name") << "TavixSE.dat";
        QTest::newRow("other letter case") << "TAVIXSE.DAT";
    }
    void dataInTheWorkingDirectory() {
        QFETCH(QString, fileName);
        QTemporaryDir work;
        Write(work.filePath(fileName), "1\n");
        QDir::setCurrent(work.path());
        QCOMPARE(QDir(FromStd(ChooseDataFolder())).canonicalPath(), QDir(work.path()).canonicalPath());
    }

    // Elsewhere the per-user folder gets what is missing of the supplied data, and only that.
    void perUserDataFolder() {
        const QString supplied = FindSuppliedDataFolder();
        if (supplied.isEmpty()) QSKIP("No supplied data to copy");
        const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(userData).removeRecursively();
        QVERIFY(QDir().mkpath(userData));
        // The user's own names, edited in an earlier run.
        Write(QDir(userData).filePath("TavixNM.dat"), "\"My City\"\r\n");

        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        const QString chosen = FromStd(ChooseDataFolder());
        QCOMPARE(QDir(chosen).canonicalPath(), QDir(userData).canonicalPath());
        QCOMPARE(ReadAll(QDir(chosen).filePath("TavixNM.dat")), QByteArray("\"My City\"\r\n"));
        for (const char* name : {"TavixSE.dat", "TavixSC.dat", "Tavixro.dat"}) {
            QCOMPARE(ReadAll(QDir(chosen).filePath(name)), ReadAll(QDir(supplied).filePath(name)));
        }
        // A second start changes nothing the user saved.
        Write(QDir(userData).filePath("TavixSE.dat"), "saved\r\n");
        QCOMPARE(FromStd(ChooseDataFolder()), chosen);
        QCOMPARE(ReadAll(QDir(chosen).filePath("TavixSE.dat")), QByteArray("saved\r\n"));
        QDir(userData).removeRecursively();
    }
};

QTEST_MAIN(AppPathsTest)
#include "app_paths_test.moc"
