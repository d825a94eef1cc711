#include "reference/windows/textrulesform.h"

#include <QListWidget>
#include <QPainter>
#include <QToolButton>
#include <QtTest>

#include "platform/twips.h"
#include "reference/rules_text.h"
#include "reference/windows/court_pictures.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

class TextRulesFormTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void opensWithThePromptAndNoPicture();
    void topicPanelsFormTheColumn();
    void textTopicFillsTheListAndMarksItsCaption_data();
    void textTopicFillsTheListAndMarksItsCaption();
    void sameTopicTwiceShowsItsTextOnce();
    void courtShowsPicturesThenFoulsShowsOnlyText();
    void clickOnALineLeavesNothingSelected();
    void doneAndCloseBoxCloseThroughTheHost_data();
    void doneAndCloseBoxCloseThroughTheHost();
    void grabsForLooking();

  private:
    void ClickTopic(int index) { QTest::mouseClick(form_->Topiclabel[index], Qt::LeftButton); }
    static QColor CaptionColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
    QStringList ListLines() const {
        QStringList lines;
        for (int i = 0; i < form_->List1->count(); ++i) lines << form_->List1->item(i)->text();
        return lines;
    }
    void ExpectOnlyCurrentCaption(int index) {
        for (int i = 0; i < kRulesTopicCount; ++i) {
            const QColor want = i == index ? textrulesform::kCurrentTopicColour : textrulesform::kTopicColour;
            QCOMPARE(CaptionColour(form_->Topiclabel[i]), want);
        }
    }

    std::unique_ptr<testing::TestApp> app_;
    textrulesform* form_ = nullptr;
};

void TextRulesFormTest::init() {
    app_ = std::make_unique<testing::TestApp>(false);
    form_ = new textrulesform(*app_->ctx);
    app_->host.OpenSubWindow(form_, nullptr, OwnerWhileOpen::Disabled);
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void TextRulesFormTest::cleanup() {
    app_.reset();  // the host deletes the windows still open
    form_ = nullptr;
}

void TextRulesFormTest::opensWithThePromptAndNoPicture() {
    QCOMPARE(form_->windowTitle(), QString("Tavix Basic Rules & Information for Beginners"));
    QCOMPARE(ListLines(), QStringList({"", "  Select topic from the list on the left"}));
    QCOMPARE(form_->List1->font().pointSizeF(), 18.0);
    QVERIFY(form_->List1->isVisible());
    QVERIFY(!form_->Image2->isVisible());
    QVERIFY(!form_->Image3->isVisible());
    QCOMPARE(form_->Donebutton->toolTip(), QString("Close Information window"));
    QVERIFY(form_->Donebutton->text().isEmpty());
    ExpectOnlyCurrentCaption(-1);
}

void TextRulesFormTest::topicPanelsFormTheColumn() {
    // From the top: the court, then the text topics in index order, all in one column.
    const std::vector<std::pair<int, QString>> column = {
        {7, "The Court"},     {0, "Teams & Scoring"}, {1, "Role of Officials"},
        {2, "Out of Bounds"}, {3, "24 Second Clock"}, {4, "Timeouts"},
        {5, "Fouls"},         {6, "Statistics"}};
    int previousTop = -1;
    for (const auto& [index, caption] : column) {
        auto* panel = form_->findChild<QLabel*>(QString("Topiclabel(%1)").arg(index));
        QVERIFY2(panel, qPrintable(caption));
        QCOMPARE(panel, form_->Topiclabel[index]);
        QCOMPARE(panel->text(), caption);
        QVERIFY(panel->y() > previousTop);
        QCOMPARE(panel->x(), form_->Topiclabel[7]->x());
        previousTop = panel->y();
    }
    // The column sits left of the reading panel and below the heading.
    QVERIFY(form_->Topiclabel[6]->geometry().right() < form_->Panel3D1->x());
    QVERIFY(form_->Panel3D2->geometry().bottom() < form_->Topiclabel[7]->y());
    QCOMPARE(form_->Panel3D2->text(), QString("Topics"));
}

void TextRulesFormTest::textTopicFillsTheListAndMarksItsCaption_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("lines");
    QTest::newRow("teams") << 0 << " Teams & Scoring..." << 45;
    QTest::newRow("officials") << 1 << " Role of the Officials..." << 33;
    QTest::newRow("out of bounds") << 2 << " Out of Bounds..." << 25;
    QTest::newRow("shot clock") << 3 << " 24 Second Clock..." << 15;
    QTest::newRow("time-outs") << 4 << " Time-outs..." << 16;
    QTest::newRow("fouls") << 5 << " Fouls..." << 45;
    QTest::newRow("statistics") << 6 << " Statistics..." << 26;
}

void TextRulesFormTest::textTopicFillsTheListAndMarksItsCaption() {
    QFETCH(int, index);
    QFETCH(QString, heading);
    QFETCH(int, lines);
    ClickTopic(index);
    QCOMPARE(form_->List1->count(), lines);
    QCOMPARE(form_->List1->item(0)->text(), heading);
    QCOMPARE(form_->List1->font().pointSizeF(), 8.25);
    QCOMPARE(form_->List1->height(), Twips(5295));
    ExpectOnlyCurrentCaption(index);
    // The list does not scroll sideways, so every line must fit its width.
    const QFontMetrics metrics(form_->List1->font());
    for (const QString& line : ListLines())
        QVERIFY2(metrics.horizontalAdvance(line) < form_->List1->viewport()->width(), qPrintable(line));
}

void TextRulesFormTest::sameTopicTwiceShowsItsTextOnce() {
    ClickTopic(2);
    const QStringList once = ListLines();
    ClickTopic(2);
    QCOMPARE(ListLines(), once);
    QCOMPARE(form_->List1->count(), 25);
}

void TextRulesFormTest::courtShowsPicturesThenFoulsShowsOnlyText() {
    ClickTopic(7);
    QVERIFY(!form_->List1->isVisible());
    QVERIFY(form_->Image2->isVisible());
    QVERIFY(form_->Image3->isVisible());
    ExpectOnlyCurrentCaption(7);

    ClickTopic(5);
    QCOMPARE(form_->List1->count(), 45);
    QCOMPARE(form_->List1->item(0)->text(), QString(" Fouls..."));
    QVERIFY(form_->List1->isVisible());
    QVERIFY(!form_->Image2->isVisible());
    QVERIFY(!form_->Image3->isVisible());
    QCOMPARE(CaptionColour(form_->Topiclabel[5]), QColor(0, 0, 255));
    ExpectOnlyCurrentCaption(5);
}

void TextRulesFormTest::clickOnALineLeavesNothingSelected() {
    // Before a topic (the prompt) and within a topic's text.
    for (int topic : {-1, 0}) {
        if (topic >= 0) ClickTopic(topic);
        QListWidgetItem* item = form_->List1->item(1);
        QTest::mouseClick(form_->List1->viewport(), Qt::LeftButton, {},
                          form_->List1->visualItemRect(item).center());
        QVERIFY(form_->List1->selectedItems().isEmpty());
        QCOMPARE(form_->List1->currentRow(), -1);
        QVERIFY(form_->Donebutton->hasFocus());
    }
    // The keyboard cannot select a line either.
    form_->List1->setFocus();
    QTest::keyClick(form_->List1, Qt::Key_Down);
    QVERIFY(form_->List1->selectedItems().isEmpty());
}

void TextRulesFormTest::doneAndCloseBoxCloseThroughTheHost_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("done button") << false;
    QTest::newRow("close box") << true;
}

void TextRulesFormTest::doneAndCloseBoxCloseThroughTheHost() {
    QFETCH(bool, closeBox);
    QVERIFY(!app_->host.main->isEnabled());
    if (closeBox)
        form_->close();
    else
        QTest::mouseClick(form_->Donebutton, Qt::LeftButton);
    QCOMPARE(app_->host.closed, 1);
    QVERIFY(app_->host.open.empty());
    QVERIFY(app_->host.main->isEnabled());
    QVERIFY(!form_->isVisible());
}

// Set TAVIX_GRAB_DIR to look at the window and the court drawings.
void TextRulesFormTest::grabsForLooking() {
    const QString dir = qEnvironmentVariable("TAVIX_GRAB_DIR");
    if (dir.isEmpty()) QSKIP("TAVIX_GRAB_DIR not set");
    form_->grab().save(dir + "/rules_prompt.png");
    ClickTopic(5);
    form_->grab().save(dir + "/rules_fouls.png");
    ClickTopic(7);
    form_->grab().save(dir + "/rules_court.png");
    for (double zoom : {1.0, 3.0}) {
        QImage full((QSizeF(form_->Image2->size()) * zoom).toSize(), QImage::Format_ARGB32);
        QPainter p1(&full);
        PaintFullCourt(p1, QRectF(QPointF(0, 0), full.size()));
        p1.end();
        full.save(QString("%1/court_full_%2x.png").arg(dir).arg(zoom));
        QImage detail((QSizeF(form_->Image3->size()) * zoom).toSize(), QImage::Format_ARGB32);
        QPainter p2(&detail);
        PaintBasketArea(p2, QRectF(QPointF(0, 0), detail.size()));
        p2.end();
        detail.save(QString("%1/court_basket_%2x.png").arg(dir).arg(zoom));
    }
}

}  // namespace tavix

QTEST_MAIN(tavix::TextRulesFormTest)
#include "textrulesform_test.moc"
