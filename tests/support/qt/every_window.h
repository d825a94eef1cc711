#pragma once
// Every window the program opens, each opened the way its menu command or button opens it, for
// tests that walk them all (what a screen reader finds, what a large font or a small screen does).

#include <QAction>
#include <QWidget>
#include <functional>
#include <vector>

#include "tests/support/qt/journey.h"

namespace tavix::testing {

// The main window on a copy of the supplied data, loaded as at start-up.
struct LoadedMain : TestMain {
    LoadedMain();
};
using Opener = std::function<QWidget*(LoadedMain&)>;
// The sub-window `command` opened; after it, `then` runs on it.
Opener Sub(QAction* Form2::*command, std::function<void(QWidget*)> then = {});
QWidget* OpenSplash(LoadedMain& p);  // as About opens it
// The sub-window the menu item of that object name opened.
Opener ByName(const char* item);

// The main window in each of its views and every sub-window, by name.
std::vector<std::pair<const char*, Opener>> EveryWindow();

}  // namespace tavix::testing
