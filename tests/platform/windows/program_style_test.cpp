// The program's style paints the menu bar's overflow arrow itself, so a window with a menu bar shows
// without loading any image format plugin; message box pictures stay sharp on a scaled screen; every
// other stock picture is the platform style's.
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>
#include <QtTest>

#include "platform/program_style.h"

using namespace tavix;

namespace {

// Whether a picture has any pixel that is not fully transparent.
bool HasInk(const QIcon& icon) {
    const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

bool ImagePluginLoaded() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

}  // namespace

class ProgramStyleTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { InstallProgramStyle(); }

    // Runs first: nothing else in this process has asked for a stock picture yet.
    void narrowMenuBarShowsPaintedArrow() {
        QMainWindow window;
        for (const char* title : {"&File", "&Edit", "&Schedules/Predictions", "S&tatistics", "&Help"})
            window.menuBar()->addMenu(title)->addAction("Item");
        window.resize(120, 80);  // far too narrow for the menus
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QToolButton* arrow = nullptr;
        for (auto* button : window.menuBar()->findChildren<QToolButton*>())
            if (button->isVisible()) arrow = button;
        QVERIFY(arrow);
        QVERIFY(HasInk(arrow->icon()));
        QVERIFY(!ImagePluginLoaded());
    }

    // On a screen scaled 2 or 3 times a message box's picture has a pixel for every screen pixel,
    // whatever size the platform keeps it in, rather than a small image stretched.
    void messageBoxPicturesSharpWhenScaled_data() {
        QTest::addColumn<int>("picture");
        QTest::newRow("information") << int(QStyle::SP_MessageBoxInformation);
        QTest::newRow("question") << int(QStyle::SP_MessageBoxQuestion);
        QTest::newRow("warning") << int(QStyle::SP_MessageBoxWarning);
        QTest::newRow("critical") << int(QStyle::SP_MessageBoxCritical);
    }

    void messageBoxPicturesSharpWhenScaled() {
        QFETCH(int, picture);
        const QIcon icon = QApplication::style()->standardIcon(QStyle::StandardPixmap(picture));
        for (qreal ratio : {2.0, 3.0}) {
            // What the box asks for: 32 pixels across at the screen's pixel density.
            const QPixmap shown = icon.pixmap(QSize(32, 32), ratio);
            QVERIFY2(shown.width() >= qRound(32 * ratio),
                     qPrintable(QString("%1 pixels at scale %2").arg(shown.width()).arg(ratio)));
        }
    }

    void otherPicturesAreThePlatformStyles_data() {
        QTest::addColumn<int>("picture");
        QTest::newRow("ok button") << int(QStyle::SP_DialogOkButton);
        QTest::newRow("open folder") << int(QStyle::SP_DirOpenIcon);
    }

    void otherPicturesAreThePlatformStyles() {
        QFETCH(int, picture);
        auto* style = dynamic_cast<ProgramStyle*>(QApplication::style());
        QVERIFY(style);
        const auto which = QStyle::StandardPixmap(picture);
        QCOMPARE(style->standardIcon(which).pixmap(32, 32).toImage(),
                 style->baseStyle()->standardIcon(which).pixmap(32, 32).toImage());
    }
};

QTEST_MAIN(ProgramStyleTest)
#include "program_style_test.moc"
