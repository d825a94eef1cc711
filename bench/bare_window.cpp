// The yardstick for Tavix's start-up: a Qt Widgets program that only shows an empty main window.
// With TAVIX_EXIT_WHEN_SHOWN set it ends as soon as the window has been painted, as Tavix does.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>

namespace {

class QuitWhenPainted : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
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
    QuitWhenPainted quitter;
    if (std::getenv("TAVIX_EXIT_WHEN_SHOWN")) window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
