#include "tests/support/qt/test_context.h"

#include <QCoreApplication>
#include <QDir>

#include "core/data_files.h"

namespace tavix::testing {

void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

bool SaveGrab(QWidget* window, const QString& name) {
    QDir().mkpath(TAVIX_BINARY_DIR "/grabs");
    return window->grab().save(TAVIX_BINARY_DIR "/grabs/" + name + ".png");
}

FakeWindowHost::FakeWindowHost() : main(std::make_unique<QWidget>()) {}

FakeWindowHost::~FakeWindowHost() {
    for (QWidget* w : open) delete w;
}

void FakeWindowHost::OpenSubWindow(QWidget* window, QWidget* owner, OwnerWhileOpen mode) {
    if (!owner) owner = main.get();
    owners_[window] = {owner, mode};
    open.push_back(window);
    window->setEnabled(true);
    window->show();
    if (mode == OwnerWhileOpen::Hidden)
        owner->hide();
    else
        owner->setEnabled(false);
}

void FakeWindowHost::CloseSubWindow(QWidget* window) {
    auto it = owners_.find(window);
    if (it != owners_.end()) {
        QWidget* owner = it->second.first;
        if (it->second.second == OwnerWhileOpen::Hidden) owner->show();
        owner->setEnabled(true);
        owners_.erase(it);
    }
    window->hide();
    for (auto o = open.begin(); o != open.end(); ++o) {
        if (*o == window) {
            open.erase(o);
            break;
        }
    }
    ++closed;
    window->deleteLater();
}

TestApp::TestApp(bool loadSuppliedData) {
    if (loadSuppliedData) {
        CopySuppliedData(DataDir());
        LoadLeague(DataDir(), DataDir() + "/TVX.ini", nba);
    } else {
        nba.TeamCount = kLeagueTeams;
        nba.IniPath = DataDir() + "/TVX.ini";
    }
    ctx = std::make_unique<AppContext>(
        AppContext{nba, dialogs, clock, timers, printers, help, host, DataDir()});
}

// Windows closed during the test are deleted while the context they use is still there.
TestApp::~TestApp() { DeleteClosedWindows(); }

std::string TestApp::DataDir() const { return dir.path().toStdString(); }

}  // namespace tavix::testing
