// The yardstick for Tavix's start-up: a Qt Widgets program that only shows an empty main window.
// With TAVIX_EXIT_WHEN_SHOWN set it reports and ends once the window has been painted, as Tavix
// does (platform/quit_when_shown.h).
// With BARE_WITH_TEXT set it also carries a menu bar and a line of text, so the font system
// starts up as it must in any window that shows words.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdlib>

#include "platform/quit_when_shown.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare window");
    window.resize(640, 420);
    if (std::getenv("BARE_WITH_TEXT")) {
        for (const char* title : {"&File", "&Edit", "&View", "&Help"})
            window.menuBar()->addMenu(title)->addAction("Item");
        window.setCentralWidget(new QLabel("A line of text"));
    }
    tavix::QuitWhenShown quitter;
    if (tavix::QuitWhenShown::Wanted()) window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
