// The yardstick for Tavix's start-up: a Qt Widgets program that only shows an empty main window.
// With TAVIX_EXIT_WHEN_SHOWN set it ends as soon as the window has been painted, as Tavix does.
// With BARE_WITH_TEXT set it also carries a menu bar and a line of text, so the font system
// starts up as it must in any window that shows words.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdlib>

namespace {

class QuitWhenPainted : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

}  // namespace

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
    QuitWhenPainted quitter;
    if (std::getenv("TAVIX_EXIT_WHEN_SHOWN")) window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
