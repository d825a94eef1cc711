// Printing and help come from a module opened on first use: it opens once and serves both, and
// when it cannot be opened a printout fails with a message saying why, and so does help.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/lazy_desktop.h"
#include "tests/support/manual_timers.h"
#include "tests/support/scripted_dialogs.h"

using namespace tavix;

namespace {

QWidget* OpenHelpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && QByteArray(w->metaObject()->className()) == "tavix::HelpWindow") return w;
    return nullptr;
}

}  // namespace

class LazyDesktopTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void modules_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("opens");
        QTest::newRow("the module built beside the program")
            << QString(TAVIX_BINARY_DIR "/ui/main/program/libtavix_desktop.so") << true;
        QTest::newRow("no module found") << QString() << false;
        QTest::newRow("a file that is no library") << dir_.filePath("libtavix_desktop.so") << false;
        QTest::newRow("a module that has gone") << dir_.filePath("gone/libtavix_desktop.so") << false;
    }
    void modules() {
        QFETCH(QString, path);
        QFETCH(bool, opens);
        QFile junk(dir_.filePath("libtavix_desktop.so"));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a library\r\n") > 0);
        junk.close();

        testing::ScriptedDialogs dialogs;
        testing::ManualTimers timers;
        LazyDesktop desktop(dialogs, timers, path.toStdString());
        desktop.ShowHelpSearch();
        if (opens) {
            QVERIFY(desktop.LoadError().empty());
            QVERIFY(dialogs.shown.empty());
            QTRY_VERIFY(OpenHelpWindow() != nullptr);
            OpenHelpWindow()->close();
            return;
        }
        // Help says why it cannot open, once each time it is asked; printing fails the same way.
        QCOMPARE(dialogs.shown.size(), size_t(1));
        QVERIFY2(dialogs.shown[0].text.find("could not be opened") != std::string::npos,
                 dialogs.shown[0].text.c_str());
        QVERIFY(!desktop.LoadError().empty());
        desktop.ShowHelpTopic(HelpKeyword::Contents);
        QCOMPARE(dialogs.shown.size(), size_t(2));
        try {
            desktop.Begin("Schedule");
            QFAIL("a printout began without the printing module");
        } catch (const PrintFailure& failure) {
            QVERIFY(std::string(failure.what()).find(desktop.LoadError()) != std::string::npos);
        }
    }
};

QTEST_MAIN(LazyDesktopTest)
#include "lazy_desktop_test.moc"
