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

namespace {

QString PlainText(const QByteArray& html) {
    QTextDocument document;
    document.setHtml(QString::fromUtf8(html));
    return document.toPlainText();
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
    testing::ScriptedDialogs dialogs_;
    std::unique_ptr<QtHelpLauncher> help_;

    QString PageFile(const QUrl& url) { return url.path().section('/', -1); }
    void WaitForIndex() {
        QVERIFY(help_->Window());
        auto* model = help_->Window()->IndexList()->model();
        QTRY_VERIFY_WITH_TIMEOUT(model->rowCount() > 5, 10000);
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        if (FindHelpCollection().isEmpty())
            QFAIL("The compiled help (help/tavix.qhc) is missing: build tavix_help");
        help_ = std::make_unique<QtHelpLauncher>(dialogs_);
    }
    void cleanupTestCase() { help_.reset(); }

    // Every keyword the program uses, the page it must lead to and a phrase that page must explain.
    void keywords_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("page");
        QTest::newRow("contents") << HelpKeyword::Contents << "contents.html";
        QTest::newRow("printing") << HelpKeyword::Printing << "printing.html";
        QTest::newRow("settings") << HelpKeyword::Settings << "settings.html";
        QTest::newRow("predictions") << HelpKeyword::Predictions << "predictions.html";
        QTest::newRow("forecast") << HelpKeyword::Forecast << "forecast.html";
        QTest::newRow("statistics") << HelpKeyword::Statistics << "statistics.html";
    }
    void keywords() {
        QFETCH(QString, keyword);
        QFETCH(QString, page);
        const QUrl url = help_->TopicUrl(keyword.toStdString());
        QVERIFY2(url.isValid() && !url.isEmpty(), qPrintable(keyword));
        QCOMPARE(PageFile(url), page);

        help_->ShowHelpTopic(keyword.toStdString());
        HelpWindow* window = help_->Window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->Browser()->source(), url);
        QVERIFY(!window->Note()->isVisible());
        // A written page: a heading of its own and several paragraphs of text.
        const QString text = window->Browser()->toPlainText();
        QVERIFY2(!text.contains("being written"), qPrintable(page + " is still a placeholder"));
        QVERIFY2(text.size() > 600,
                 qPrintable(page + " holds only " + QString::number(text.size()) + " characters"));
        QVERIFY(!window->Browser()->documentTitle().isEmpty());
        QVERIFY(dialogs_.shown.empty());
    }

    // The pages link to each other; every link inside the help must lead to a page that exists.
    void linksResolve() {
        help_->ShowHelpTopic(HelpKeyword::Contents);
        HelpBrowser* browser = help_->Window()->Browser();
        const QUrl base = browser->source();
        const QString html = browser->toHtml();
        QRegularExpression href("href=\"([^\"#]+\\.html)[^\"]*\"");
        int links = 0;
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QUrl target = base.resolved(QUrl(it.next().captured(1)));
            ++links;
            const QVariant data = browser->loadResource(QTextDocument::HtmlResource, target);
            QVERIFY2(!data.toByteArray().isEmpty(), qPrintable(target.toString()));
            QVERIFY(PlainText(data.toByteArray()).size() > 20);
        }
        QVERIFY(links >= 5);
    }

    void unknownKeywordShowsContentsWithNote() {
        help_->ShowHelpTopic("Dunking, Slam");
        HelpWindow* window = help_->Window();
        QCOMPARE(PageFile(window->Browser()->source()), QString("contents.html"));
        QVERIFY(window->Note()->isVisible());
        QVERIFY(window->Note()->text().contains("Dunking, Slam"));
        // The note goes with the next page.
        help_->ShowHelpTopic(HelpKeyword::Printing);
        QVERIFY(!window->Note()->isVisible());
        QVERIFY(dialogs_.shown.empty());
    }

    void searchOpensOnTheIndex() {
        help_->ShowHelpTopic(HelpKeyword::Printing);
        help_->ShowHelpSearch();
        HelpWindow* window = help_->Window();
        QCOMPARE(window->Tabs()->currentIndex(), 1);
        QCOMPARE(window->focusWidget(), static_cast<QWidget*>(window->SearchField()));
        // The page on show stays.
        QCOMPARE(PageFile(window->Browser()->source()), QString("printing.html"));
    }

    // Typing narrows the index; Enter opens the entry that fits best.
    void search_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("page");
        QTest::newRow("first letters") << "Print"
                                       << "printing.html";
        QTest::newRow("lower case") << "updating"
                                    << "statistics.html";
        QTest::newRow("a word inside") << "fonts"
                                       << "settings.html";
        QTest::newRow("handicapping") << "Predictions"
                                      << "predictions.html";
        QTest::newRow("season outcome") << "Project"
                                        << "forecast.html";
        QTest::newRow("pdf") << "PDF"
                             << "printing.html";
    }
    void search() {
        QFETCH(QString, typed);
        QFETCH(QString, page);
        help_->ShowHelpTopic(HelpKeyword::Contents);
        help_->ShowHelpSearch();
        WaitForIndex();
        HelpWindow* window = help_->Window();
        QLineEdit* field = window->SearchField();
        field->clear();
        QTest::keyClicks(field, typed);
        auto* model = window->IndexList()->model();
        QVERIFY(model->rowCount() >= 1);
        for (int row = 0; row < model->rowCount(); ++row)
            QVERIFY2(model->index(row, 0).data().toString().contains(typed, Qt::CaseInsensitive),
                     qPrintable(model->index(row, 0).data().toString()));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(PageFile(window->Browser()->source()), page);
        field->clear();
        QTRY_VERIFY(model->rowCount() > 5);
    }

    void doubleClickInIndexOpensTopic() {
        help_->ShowHelpSearch();
        WaitForIndex();
        HelpWindow* window = help_->Window();
        window->SearchField()->setText("Program Settings");
        QListView* list = window->IndexList();
        const QModelIndex entry = list->model()->index(0, 0);
        QVERIFY(entry.isValid());
        emit list->activated(entry);
        QCOMPARE(PageFile(window->Browser()->source()), QString("settings.html"));
    }

    void missingHelpFileIsReported() {
        testing::ScriptedDialogs dialogs;
        QtHelpLauncher missing(dialogs, "/nonexistent/help/tavix.qhc");
        missing.ShowHelpTopic(HelpKeyword::Contents);
        missing.ShowHelpSearch();
        QVERIFY(!missing.Window());
        QVERIFY(dialogs.shown.size() >= 1);
        QCOMPARE(QString::fromStdString(dialogs.shown[0].title), QString("Tavix Help"));
        QCOMPARE(dialogs.shown[0].icon, Icon::Exclamation);
    }

    void screenshot() {
        help_->ShowHelpTopic(HelpKeyword::Printing);
        const QString out = qEnvironmentVariable("TAVIX_SCREENSHOT_DIR");
        if (out.isEmpty()) QSKIP("Set TAVIX_SCREENSHOT_DIR to save a picture of the help window");
        QVERIFY(help_->Window()->grab().save(out + "/help_window.png"));
        help_->ShowHelpSearch();
        QTest::keyClicks(help_->Window()->SearchField(), "pri");
        QVERIFY(help_->Window()->grab().save(out + "/help_index.png"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
