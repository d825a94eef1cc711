#include "reference/windows/indvstats.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "core/data_files.h"
#include "platform/twips.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

class IndvSTATSTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void listsTheFileLineByLine_data();
    void listsTheFileLineByLine();
    void listIsAFixedPitchBoldMultiSelectList();
    void printCoversTheSelectionOfTwoOrMore_data();
    void printCoversTheSelectionOfTwoOrMore();
    void cancelPrintsNothing();
    void infoOpensThePrintingHelp();
    void doneCloses();
    void grabsForLooking();

  private:
    void WriteRosters(const QByteArray& bytes) {
        QFile f(QString::fromStdString(JoinPath(app_->DataDir(), kRosterFile)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void Open() {
        form_ = new IndvSTATS(*app_->ctx);
        app_->host.OpenSubWindow(form_, nullptr, OwnerWhileOpen::Disabled);
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }
    QStringList ListLines() const {
        QStringList lines;
        for (int i = 0; i < form_->List1->count(); ++i) lines << form_->List1->item(i)->text();
        return lines;
    }

    std::unique_ptr<testing::TestApp> app_;
    IndvSTATS* form_ = nullptr;
};

void IndvSTATSTest::init() {
    app_ = std::make_unique<testing::TestApp>(false);
    app_->dialogs.strict = true;  // a missing file must not bring up a message
}

void IndvSTATSTest::cleanup() {
    app_.reset();
    form_ = nullptr;
}

void IndvSTATSTest::listsTheFileLineByLine_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("missing file") << false << QByteArray() << QStringList();
    QTest::newRow("empty file") << true << QByteArray() << QStringList();
    QTest::newRow("crlf") << true << QByteArray("ATLANTA HAWKS\r\n  4 Smith\r\n")
                          << QStringList{" ATLANTA HAWKS", "   4 Smith"};
    QTest::newRow("no final break") << true << QByteArray("A\nB") << QStringList{" A", " B"};
    QTest::newRow("empty lines") << true << QByteArray("A\r\n\r\nB\r\n") << QStringList{" A", " ", " B"};
    QTest::newRow("latin-1") << true
                             << QByteArray(
                                    "Dra\xbe"
                                    "en Petrovi\xe6\r\n")
                             << QStringList{
                                    " Dra\u00be"
                                    "en Petrovi\u00e6"};
}

void IndvSTATSTest::listsTheFileLineByLine() {
    QFETCH(bool, present);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    if (present) WriteRosters(bytes);
    Open();
    QCOMPARE(ListLines(), lines);
    QVERIFY(app_->dialogs.shown.empty());
    QCOMPARE(form_->windowTitle(), QString("NBA Team Rosters"));
}

void IndvSTATSTest::listIsAFixedPitchBoldMultiSelectList() {
    Open();
    QVERIFY(QFontInfo(form_->List1->font()).fixedPitch());
    QVERIFY(form_->List1->font().bold());
    QCOMPARE(form_->List1->font().pointSizeF(), 8.25);
    QCOMPARE(form_->List1->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(form_->List1->parentWidget(), form_->Panel3D1);
    QCOMPARE(form_->List1->geometry(), TwipsRect(120, 120, 8895, 4230));
    QCOMPARE(form_->InfoButton->toolTip(), QString("Help on Printing Lists"));
    QCOMPARE(form_->PrintButton->toolTip(), QString("Print List"));
    QVERIFY(form_->InfoButton->x() < form_->PrintButton->x());
    QVERIFY(form_->PrintButton->x() < form_->DoneButton->x());
    QVERIFY(form_->DoneButton->y() > form_->Panel3D1->geometry().bottom());
}

void IndvSTATSTest::printCoversTheSelectionOfTwoOrMore_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QStringList>("printed");
    const QStringList all{"      1", "      2", "      3", "      4", "      5"};
    QTest::newRow("none") << QList<int>{} << all;
    QTest::newRow("one") << QList<int>{2} << all;
    QTest::newRow("three") << QList<int>{4, 0, 2} << QStringList{"      1", "      3", "      5"};
}

void IndvSTATSTest::printCoversTheSelectionOfTwoOrMore() {
    QFETCH(QList<int>, selected);
    QFETCH(QStringList, printed);
    WriteRosters("1\r\n2\r\n3\r\n4\r\n5\r\n");
    app_->nba.PrinterFontName = "DejaVu Sans Mono";
    Open();
    for (int i : selected) form_->List1->item(i)->setSelected(true);
    app_->dialogs.answers = {Answer::Ok};
    QTest::mouseClick(form_->PrintButton, Qt::LeftButton);

    QCOMPARE(app_->dialogs.shown.size(), size_t(1));
    QCOMPARE(app_->dialogs.shown[0].text, std::string("Ready to send Statistics to the Printer."));
    QCOMPARE(app_->printers.jobs.size(), size_t(1));
    QCOMPARE(app_->host.waits, 1);
    const auto texts = app_->printers.Last().Texts();
    QStringList body;
    for (size_t i = 4; i < texts.size(); ++i) body << QString::fromStdString(texts[i]);
    QCOMPARE(body, printed);
    QCOMPARE(app_->printers.Last().lines[0].font, std::string("DejaVu Sans Mono"));
    QCOMPARE(ListLines().size(), 5);  // the list is not changed by printing
}

void IndvSTATSTest::cancelPrintsNothing() {
    WriteRosters("1\r\n");
    Open();
    app_->dialogs.answers = {Answer::Cancel};
    form_->PrintButton_Click();
    QVERIFY(app_->printers.jobs.empty());
    QCOMPARE(app_->host.waits, 0);
}

void IndvSTATSTest::infoOpensThePrintingHelp() {
    Open();
    QTest::mouseClick(form_->InfoButton, Qt::LeftButton);
    QCOMPARE(app_->help.topics, std::vector<std::string>{"Printing Methods, Print area selection"});
}

void IndvSTATSTest::doneCloses() {
    Open();
    QVERIFY(!app_->host.main->isEnabled());
    QTest::mouseClick(form_->DoneButton, Qt::LeftButton);
    QCOMPARE(app_->host.closed, 1);
    QVERIFY(app_->host.main->isEnabled());
}

void IndvSTATSTest::grabsForLooking() {
    QFile supplied(QString::fromStdString(testing::SuppliedDataDir() + "/" + kRosterFile));
    if (supplied.open(QIODevice::ReadOnly)) {
        WriteRosters(supplied.readAll());
    } else {
        WriteRosters(
            "ATLANTA HAWKS\r\n\r\n No. Player              Pos  Ht    Wt\r\n  4  Example Player      G    "
            "6-3   190\r\n");
    }
    Open();
    form_->List1->item(2)->setSelected(true);
    form_->List1->item(3)->setSelected(true);
    const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
    QDir().mkpath(dir);
    QVERIFY(form_->grab().save(dir + "/indvstats.png"));
}

}  // namespace tavix

QTEST_MAIN(tavix::IndvSTATSTest)
#include "indvstats_test.moc"
