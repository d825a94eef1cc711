// A window shown through ShowWindow draws each of its children once, not once for the first
// drawing and again for the repaints Qt queued while showing them.
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <map>

#include "platform/show_window.h"

using namespace tavix;

namespace {

class PaintCounter : public QObject {
  public:
    std::map<QObject*, int> paints;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints[watched];
        return false;
    }
};

}  // namespace

class ShowWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void childrenDrawnOnce() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        QWidget* children[] = {new QLabel("A label", &window), new QPushButton("A button", &window),
                               new QLabel("Another label", &window)};
        PaintCounter counter;
        for (QWidget* child : children) {
            layout->addWidget(child);
            child->installEventFilter(&counter);
        }
        // Shown from inside the event loop, as a window opened by a click or a key is.
        QTimer::singleShot(0, &window, [&window] { ShowWindow(&window); });
        QTRY_VERIFY(window.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();  // a second paint, if one was asked for
        for (QWidget* child : children) QCOMPARE(counter.paints[child], 1);
    }
};

QTEST_MAIN(ShowWindowTest)
#include "show_window_test.moc"
