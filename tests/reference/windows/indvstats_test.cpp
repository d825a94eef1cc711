#include "reference/windows/indvstats.h"

#include <QFile>
#include <QFontInfo>
#include <QListWidget>
#include <QtTest>

#include "core/data_files.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

class IndvSTATSTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestApp> app_;
    IndvSTATS* form_ = nullptr;

    void Open(const QByteArray& rosters) {  // a null array: no file
        QFile f(QString::fromStdString(JoinPath(app_->DataDir(), kRosterFile)));
        if (!rosters.isNull())
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(rosters) == rosters.size() && f.flush());
        form_ = app_->Open<IndvSTATS>();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }

  private slots:
    void init() {
        app_ = std::make_unique<testing::TestApp>(false);
        app_->dialogs.strict = true;  // a missing file must not bring up a message
    }
    void cleanup() { app_.reset(); }

    // No file gives an empty list; a file's Latin-1 lines show as written, in a fixed-pitch list
    // so the roster columns line up.
    void listsTheFileInAFixedPitchList() {
        Open(QByteArray());
        QCOMPARE(form_->List1->count(), 0);
        Open("HAWKS\r\n\r\nPetrovi\xe6 Dra\xbe");
        const QStringList lines{" HAWKS", " ", " Petrovi\u00e6 Dra\u00be"};
        QCOMPARE(form_->List1->count(), lines.size());
        for (int i = 0; i < lines.size(); ++i) QCOMPARE(form_->List1->item(i)->text(), lines[i]);
        QCOMPARE(form_->windowTitle(), QString("NBA Team Rosters - Tavix"));
        QVERIFY(QFontInfo(form_->List1->font()).fixedPitch());
        QCOMPARE(form_->List1->selectionMode(), QAbstractItemView::ExtendedSelection);
    }

    // Two or more selected lines print only those; none or one prints the whole list.
    void printCoversTheSelectionOfTwoOrMore() {
        const QByteArray rosters("1\r\n2\r\n3\r\n4\r\n5\r\n");
        app_->nba.PrinterFontName = "DejaVu Sans Mono";
        Open(rosters);
        using Lines = std::vector<std::string>;
        const Lines all{"      1", "      2", "      3", "      4", "      5"};
        const std::pair<QList<int>, Lines> cases[] = {
            {{}, all}, {{2}, all}, {{4, 0, 2}, {"      1", "      3", "      5"}}};
        for (const auto& [selected, printed] : cases) {
            form_->List1->clearSelection();
            for (int i : selected) form_->List1->item(i)->setSelected(true);
            app_->dialogs.answers = {Answer::Ok};
            QTest::mouseClick(form_->PrintButton, Qt::LeftButton);
            const auto texts = app_->printers.Last().Texts();
            QCOMPARE(Lines(texts.begin() + 4, texts.end()), printed);
        }
        QCOMPARE(app_->dialogs.shown.at(0).text, std::string("Ready to send Statistics to the Printer."));
        QCOMPARE(app_->host.waits, 3);
        QCOMPARE(app_->printers.Last().lines[0].font, std::string("DejaVu Sans Mono"));
    }

    void suppliedRostersShownAndDoneCloses() {
        QFile supplied(QString::fromStdString(testing::SuppliedDataDir() + "/" + kRosterFile));
        const QByteArray rosters =
            supplied.open(QIODevice::ReadOnly) ? supplied.readAll() : "HAWKS\r\n 4 Smith";
        Open(rosters);
        form_->List1->item(1)->setSelected(true);
        QVERIFY(testing::SaveGrab(form_, "indvstats"));
        QTest::mouseClick(form_->DoneButton, Qt::LeftButton);
        QVERIFY(app_->host.closed == 1 && app_->host.main->isEnabled());
    }
};

}  // namespace tavix

QTEST_MAIN(tavix::IndvSTATSTest)
#include "indvstats_test.moc"
