#include "reference/windows/textrulesform.h"

#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>
#include <QtTest>
#include <cmath>

#include "platform/readable_colour.h"
#include "reference/rules_text.h"
#include "reference/windows/court_pictures.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

class TextRulesFormTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestApp> app_;
    textrulesform* form_ = nullptr;

    void ClickTopic(int index) { QTest::mouseClick(form_->Topiclabel[index], Qt::LeftButton); }
    std::vector<std::string> ListLines() const { return testing::ItemTexts(form_->List1); }
    void ExpectOnlyCurrentCaption(int index) {
        for (int i = 0; i < kRulesTopicCount; ++i) {
            QCOMPARE(form_->Topiclabel[i]->palette().color(QPalette::WindowText),
                     textrulesform::TopicColour(i == index, form_->palette()));
            QCOMPARE(form_->Topiclabel[i]->font().bold(), i == index);
        }
    }

  private slots:
    void init() {
        app_ = std::make_unique<testing::TestApp>(false);
        form_ = app_->Open<textrulesform>();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }
    void cleanup() { app_.reset(); }

    // Nothing is chosen yet, so the list asks for a topic. From the top: the court, then the text
    // topics in index order, in one column.
    void topicsShowTheirTextOrTheCourt() {
        QCOMPARE(ListLines(), std::vector<std::string>({"", "  Select topic from the list on the left"}));
        QVERIFY(!form_->Image2->isVisible() && !form_->Image3->isVisible());
        ExpectOnlyCurrentCaption(-1);
        const QStringList captions{"Teams & Scoring", "Role of Officials", "Out of Bounds",
                                   "24 Second Clock", "Timeouts",          "Fouls",
                                   "Statistics",      "The Court"};
        for (int index : {7, 0, 1, 2, 3, 4, 5, 6}) {
            QCOMPARE(form_->Topiclabel[index]->text(), captions[index]);
            if (index != 6) QVERIFY(form_->Topiclabel[index]->y() < form_->Topiclabel[(index + 1) % 8]->y());
        }
        // Each text topic shows its lines once, however often it is chosen, each fitting the list
        // (which never scrolls sideways); the court swaps the list for the two drawings and back.
        for (int index : {0, 1, 2, 2, 3, 4, 7, 5, 6}) {
            ClickTopic(index);
            ExpectOnlyCurrentCaption(index);
            QCOMPARE(form_->List1->isVisible(), index != 7);
            QCOMPARE(form_->Image2->isVisible() && form_->Image3->isVisible(), index == 7);
            if (index == 7) QVERIFY(testing::SaveGrab(form_, "textrulesform"));
            if (index == 7)
                QVERIFY(form_->Image2->accessibleDescription().contains("94 ft long and 50 ft wide"));
            if (index == 7) continue;
            QCOMPARE(ListLines(), RulesTopicLines(index));
            for (int i = 0; i < form_->List1->count(); ++i)
                QVERIFY(form_->List1->fontMetrics().horizontalAdvance(form_->List1->item(i)->text()) <
                        form_->List1->viewport()->width());
        }
    }

    // Topic captions stay readable (4.5:1) on light and dark themes, also where a dark theme kept
    // the light theme's blue link colour.
    void topicCaptionsReadableOnEveryTheme() {
        const struct {
            QColor window, text, link;
        } themes[] = {{QColor(240, 240, 240), Qt::black, QColor(0, 0, 255)},
                      {QColor(45, 45, 45), QColor(230, 230, 230), QColor(0, 0, 255)},
                      {QColor(20, 20, 20), QColor(200, 200, 200), QColor(42, 130, 218)}};
        for (const auto& t : themes) {
            QPalette theme;
            theme.setColor(QPalette::Window, t.window);
            theme.setColor(QPalette::WindowText, t.text);
            theme.setColor(QPalette::Link, t.link);
            for (bool current : {false, true})
                QVERIFY2(ContrastRatio(textrulesform::TopicColour(current, theme), t.window) >= 4.5,
                         qPrintable(t.window.name() + (current ? " current" : "")));
        }
    }

    // The court drawing follows the 1998-99 measures: a line is drawn at each distance and nothing
    // a little to either side of it. Points in feet from the left baseline and the top sideline.
    void courtDrawnToItsMeasures() {
        const QRectF area(0, 0, 2000, 1100);
        QImage image(area.size().toSize(), QImage::Format_RGB32);
        {
            QPainter painter(&image);
            PaintFullCourt(painter, area);
        }
        const double pixelsPerFoot = FullCourtPoint(area, 1, 0).x() - FullCourtPoint(area, 0, 0).x();
        QVERIFY(pixelsPerFoot > 15);
        auto dark = [&](double along, double across) {  // a court line, not floor or paint
            const QPoint at = FullCourtPoint(area, along, across).toPoint();
            return qGray(image.pixel(at)) < 100;
        };
        const double basket = 5.25, middle = 25;
        auto around = [&](double radius, double degrees) {  // from the basket, toward the court
            const double a = degrees * M_PI / 180;
            return std::pair{basket + radius * std::cos(a), middle + radius * std::sin(a)};
        };
        const struct {
            const char* line;
            std::pair<double, double> on;  // a point of the line
            double dAlong, dAcross;        // the way across it
        } lines[] = {
            {"restricted-area arc, 4 ft, straight out", around(4, 0), 1, 0},
            {"restricted-area arc, 4 ft, to one side", around(4, 75), 0, 1},
            {"restricted-area arc, 4 ft, to the other", around(4, -20), std::cos(-20 * M_PI / 180),
             std::sin(-20 * M_PI / 180)},
            {"three-point arc, 23 ft 9 in", around(23.75, 0), 1, 0},
            {"corner three-point line, 22 ft", {3, middle - 22}, 0, 1},
            {"free-throw line, 19 ft", {19, middle - 5}, 1, 0},
            {"lane side, 16 ft wide", {10, middle + 8}, 0, 1},
            {"half-way line, 47 ft", {47, 10}, 1, 0},
            {"centre circle, 6 ft", {47 + 6, middle}, 1, 0},
        };
        for (const auto& l : lines) {
            const auto [along, across] = l.on;
            QVERIFY2(dark(along, across), l.line);
            for (double side : {-0.6, 0.6})
                QVERIFY2(!dark(along + side * l.dAlong, across + side * l.dAcross), l.line);
        }
    }

    // Neither a click nor the keyboard selects a line; the close box closes through the host.
    void linesCannotBeSelectedAndTheCloseBoxCloses() {
        ClickTopic(0);
        QTest::mouseClick(form_->List1->viewport(), Qt::LeftButton, {},
                          form_->List1->visualItemRect(form_->List1->item(1)).center());
        QVERIFY(form_->Donebutton->hasFocus());
        form_->List1->setFocus();
        QTest::keyClick(form_->List1, Qt::Key_Down);
        QVERIFY(form_->List1->selectedItems().isEmpty());
        form_->close();
        QCOMPARE(app_->host.closed, 1);
        QVERIFY(app_->host.open.empty() && app_->host.main->isEnabled());
    }
};

}  // namespace tavix

QTEST_MAIN(tavix::TextRulesFormTest)
#include "textrulesform_test.moc"
