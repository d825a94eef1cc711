// The help window: every keyword the program asks for leads to a written page, the index search
// narrows as the user types and opens the topic on Enter, and a missing help file is reported.
#include <QHelpIndexModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextDocument>
#include <QtTest>

#include "platform/app_paths.h"
#include "platform/help_viewer.h"
#include "tests/support/scripted_dialogs.h"

using namespace tavix;

class HelpViewerTest : public QObject {
    Q_OBJECT
    testing::ScriptedDialogs dialogs_;
    std::unique_ptr<QtHelpLauncher> help_;

    QString Page() const { return help_->Window()->Browser()->source().path().section('/', -1); }
    void Search(const QString& typed) {
        help_->ShowHelpSearch();
        help_->Window()->SearchField()->clear();
        auto* model = help_->Window()->IndexList()->model();
        QTRY_VERIFY_WITH_TIMEOUT(model->rowCount() > 5, 10000);
        QTest::keyClicks(help_->Window()->SearchField(), typed);
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        if (FindHelpCollection().isEmpty())
            QFAIL("The compiled help (help/tavix.qhc) is missing: build tavix_help");
        help_ = std::make_unique<QtHelpLauncher>(dialogs_);
    }
    void cleanupTestCase() { help_.reset(); }

    // Every keyword the program uses and the page it must lead to: a written page of its own.
    void keywords_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("page");
        const std::pair<const char*, const char*> topics[] = {
            {HelpKeyword::Contents, "contents"}, {HelpKeyword::Printing, "printing"},
            {HelpKeyword::Settings, "settings"}, {HelpKeyword::Predictions, "predictions"},
            {HelpKeyword::Forecast, "forecast"}, {HelpKeyword::Statistics, "statistics"},
            {HelpKeyword::Replay, "replay"}};
        for (auto [keyword, page] : topics)
            QTest::newRow(page) << QString(keyword) << QString(page) + ".html";
    }
    void keywords() {
        QFETCH(QString, keyword);
        QFETCH(QString, page);
        help_->ShowHelpTopic(keyword.toStdString());
        HelpWindow* window = help_->Window();
        QVERIFY(window && window->isVisible() && !window->Note()->isVisible());
        QCOMPARE(window->Browser()->source(), help_->TopicUrl(keyword.toStdString()));
        QCOMPARE(Page(), page);
        const QString text = window->Browser()->toPlainText();
        QVERIFY2(!text.contains("being written") && text.size() > 600,
                 qPrintable(page + " is not written yet"));
        QVERIFY(!window->Browser()->documentTitle().isEmpty());
        QVERIFY(dialogs_.shown.empty());
    }

    // The pages link to each other; every link inside the help must lead to a page that exists.
    void linksResolve() {
        help_->ShowHelpTopic(HelpKeyword::Contents);
        HelpBrowser* browser = help_->Window()->Browser();
        QRegularExpression href("href=\"([^\"#]+\\.html)[^\"]*\"");
        int links = 0;
        for (auto it = href.globalMatch(browser->toHtml()); it.hasNext(); ++links) {
            const QUrl target = browser->source().resolved(QUrl(it.next().captured(1)));
            QTextDocument page;
            page.setHtml(
                QString::fromUtf8(browser->loadResource(QTextDocument::HtmlResource, target).toByteArray()));
            QVERIFY2(page.toPlainText().size() > 20, qPrintable(target.toString()));
        }
        QVERIFY(links >= 5);
    }

    void unknownKeywordShowsContentsWithNote() {
        help_->ShowHelpTopic("Dunking, Slam");
        QCOMPARE(Page(), QString("contents.html"));
        QVERIFY(help_->Window()->Note()->isVisible() &&
                help_->Window()->Note()->text().contains("Dunking, Slam"));
        help_->ShowHelpTopic(HelpKeyword::Printing);  // the note goes with the next page
        QVERIFY(!help_->Window()->Note()->isVisible());
        QVERIFY(dialogs_.shown.empty());
    }

    // Search opens on the index with the page on show kept; typing narrows the index; Enter
    // opens the entry that fits best.
    void search_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("page");
        QTest::newRow("first letters") << "Print" << QString("printing.html");
        QTest::newRow("lower case") << "updating" << QString("statistics.html");
        QTest::newRow("a word inside") << "fonts" << QString("settings.html");
        QTest::newRow("handicapping") << "Predictions" << QString("predictions.html");
        QTest::newRow("season outcome") << "Project" << QString("forecast.html");
        QTest::newRow("pdf") << "PDF" << QString("printing.html");
    }
    void search() {
        QFETCH(QString, typed);
        QFETCH(QString, page);
        help_->ShowHelpTopic(HelpKeyword::Contents);
        Search(typed);
        HelpWindow* window = help_->Window();
        QCOMPARE(window->Tabs()->currentIndex(), 1);
        QCOMPARE(window->focusWidget(), static_cast<QWidget*>(window->SearchField()));
        QCOMPARE(Page(), QString("contents.html"));
        auto* model = window->IndexList()->model();
        QVERIFY(model->rowCount() >= 1);
        for (int row = 0; row < model->rowCount(); ++row)
            QVERIFY2(model->index(row, 0).data().toString().contains(typed, Qt::CaseInsensitive),
                     qPrintable(model->index(row, 0).data().toString()));
        QTest::keyClick(window->SearchField(), Qt::Key_Return);
        QCOMPARE(Page(), page);
    }

    void missingHelpFileIsReported() {
        testing::ScriptedDialogs dialogs;
        QtHelpLauncher missing(dialogs, "/nonexistent/help/tavix.qhc");
        missing.ShowHelpTopic(HelpKeyword::Contents);
        missing.ShowHelpSearch();
        QVERIFY(!missing.Window() && !dialogs.shown.empty());
        QCOMPARE(dialogs.shown[0].title, std::string("Tavix Help"));
        QCOMPARE(dialogs.shown[0].icon, Icon::Exclamation);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
