#pragma once
// A whole program context for window tests: league data loaded from a copy of the supplied
// data in a temporary folder, scripted message boxes, a fixed clock and hand-moved timers, a recording
// printer, a help launcher that remembers its keywords and a window host that behaves like the main window's.

#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/app_context.h"
#include "tests/support/data_folders.h"
#include "tests/support/manual_timers.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_dialogs.h"

namespace tavix::testing {

class RecordingHelp : public HelpLauncher {
  public:
    std::vector<std::string> topics;
    int searches = 0;
    void ShowHelpTopic(const std::string& keyword) override { topics.push_back(keyword); }
    void ShowHelpSearch() override { ++searches; }
};

class FakeWindowHost : public WindowHost {
  public:
    FakeWindowHost();
    ~FakeWindowHost() override;
    void OpenSubWindow(QWidget* window, QWidget* owner, OwnerWhileOpen mode) override;
    void CloseSubWindow(QWidget* window) override;
    void StartWait() override { ++waits; }
    QWidget* MainWindow() override { return main.get(); }

    std::unique_ptr<QWidget> main;  // stands in for the main window
    std::vector<QWidget*> open;     // sub-windows open now, oldest first
    int waits = 0;
    int closed = 0;

  private:
    std::map<QWidget*, std::pair<QWidget*, OwnerWhileOpen>> owners_;
};

// Deletes the windows closed so far, which wait for the event loop, now.
void DeleteClosedWindows();

struct TestApp {
    // Copies the supplied data files (data/) into a temporary folder and loads them.
    explicit TestApp(bool loadSuppliedData = true);
    ~TestApp();

    QTemporaryDir dir;
    NBA nba;
    ScriptedDialogs dialogs;
    FixedClock clock;
    ManualTimers timers;
    RecordingPrinterProvider printers;
    RecordingHelp help;
    FakeWindowHost host;
    std::unique_ptr<AppContext> ctx;

    std::string DataDir() const;

    // A sub-window of class W on this context, opened by the host as the main window opens it.
    template <class W, class... Args>
    W* Open(Args&&... args) {
        return OpenAs<W>(OwnerWhileOpen::Disabled, std::forward<Args>(args)...);
    }
    template <class W, class... Args>
    W* OpenAs(OwnerWhileOpen mode, Args&&... args) {
        auto* window = new W(*ctx, std::forward<Args>(args)...);
        host.OpenSubWindow(window, nullptr, mode);
        return window;
    }
};

// A window's control by its object name; the test stops at once when there is none.
template <class T>
T* Control(QWidget* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    if (!control) qFatal("no control %s", qPrintable(name));
    return control;
}

// The program's Latin-1 text as the windows show it.
inline QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}
inline QStringList Lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) out << Latin1(l);
    return out;
}

// Every line of a list box; none for a list the window has not made yet.
inline QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; list && i < list->count(); ++i) items << list->item(i)->text();
    return items;
}
// The same in the program's own Latin-1, to hold against the logic's lines and the printout.
inline std::vector<std::string> ItemTexts(const QListWidget* list) {
    std::vector<std::string> texts;
    for (const QString& item : Items(list)) texts.push_back(item.toLatin1().toStdString());
    return texts;
}
// A picture of the window in the build's grabs/ folder, for a reader to look over.
bool SaveGrab(QWidget* window, const QString& name);
// Whether a control is made and not hidden (the main window makes its lists on first use).
inline bool Shown(const QWidget* widget) { return widget && !widget->isHidden(); }

}  // namespace tavix::testing
