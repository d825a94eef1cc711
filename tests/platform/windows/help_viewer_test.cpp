// The help window: every keyword the program asks for leads to a written page, the index search
// narrows as the user types and opens the topic on Enter, any word finds the pages holding it,
// links open their page with Back and Forward, and a missing help file is reported.
#include <QDir>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpIndexModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

#include "platform/app_paths.h"
#include "platform/help_viewer.h"
#include "tests/support/manual_timers.h"
#include "tests/support/scripted_dialogs.h"

using namespace tavix;

namespace {

struct RecordingLinks : LinkOpener {
    std::vector<QUrl> opened;
    bool works = true;
    bool OpenExternal(const QUrl& url) override {
        opened.push_back(url);
        return works;
    }
};

// Clicks the first link whose text holds `words` where the page shows it, as a user does.
bool ClickLink(QTextBrowser* browser, const QString& words) {
    QTextCursor found = browser->document()->find(words);
    while (!found.isNull() && !found.charFormat().isAnchor()) found = browser->document()->find(words, found);
    if (found.isNull()) return false;
    found.setPosition(found.selectionStart() + 1);
    browser->setTextCursor(found);
    browser->ensureCursorVisible();
    const QPoint at = browser->cursorRect(found).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    return true;
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
    testing::ScriptedDialogs dialogs_;
    testing::ManualTimers timers_;
    RecordingLinks links_;
    std::unique_ptr<QtHelpLauncher> help_;

    QString Page() const { return help_->Window()->Browser()->source().path().section('/', -1); }
    void Search(const QString& typed) {
        help_->ShowHelpSearch();
        help_->Window()->SearchField()->clear();
        auto* model = help_->Window()->IndexList()->model();
        QTRY_VERIFY_WITH_TIMEOUT(model->rowCount() > 5, 10000);
        QTest::keyClicks(help_->Window()->SearchField(), typed);
        // The pages are searched once the typing pauses, not at every key.
        QVERIFY(!help_->Window()->SearchStatus()->text().contains(typed));
        timers_.Advance(250);
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        if (FindHelpCollection().isEmpty())
            QFAIL("The compiled help (help/tavix.qhc) is missing: build tavix_help");
        help_ = std::make_unique<QtHelpLauncher>(dialogs_, timers_, QString(), &links_);
    }
    void cleanupTestCase() { help_.reset(); }

    // Every keyword the program uses and the page it must lead to: a written page of its own.
    void keywords_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("page");
        const std::pair<const char*, const char*> topics[] = {
            {HelpKeyword::Contents, "contents"},       {HelpKeyword::Printing, "printing"},
            {HelpKeyword::Settings, "settings"},       {HelpKeyword::Predictions, "predictions"},
            {HelpKeyword::Forecast, "forecast"},       {HelpKeyword::Statistics, "statistics"},
            {HelpKeyword::PredictionRecord, "record"}, {HelpKeyword::Replay, "replay"},
            {HelpKeyword::Standings, "standings"},     {HelpKeyword::Ratings, "standings"},
            {HelpKeyword::Rules, "reference"},         {HelpKeyword::Addresses, "reference"},
            {HelpKeyword::WebSites, "reference"},      {HelpKeyword::Programming, "reference"},
            {HelpKeyword::Keyboard, "keyboard"}};
        for (auto [keyword, page] : topics)
            QTest::newRow(keyword) << QString(keyword) << QString(page) + ".html";
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
        // The contents show the page the reader is on.
        auto* tree = window->findChild<QTreeView*>("contentsTree");
        auto* model = qobject_cast<QHelpContentModel*>(tree->model());
        QTRY_VERIFY(model->contentItemAt(tree->currentIndex()) &&
                    model->contentItemAt(tree->currentIndex())->url().fileName() == page);
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

    // A click on a link opens its page in the window; Back and Forward walk the pages seen; a
    // link that leaves the help goes to the desktop's browser, and when none opens the window says so.
    void linksBackAndForward() {
        help_->ShowHelpTopic(HelpKeyword::Contents);
        HelpWindow* window = help_->Window();
        HelpBrowser* browser = window->Browser();
        const struct {
            const char* step;
            QString page;
        } steps[] = {{"Predictions", "predictions.html"}, {"Printing lists", "printing.html"},
                     {"back", "predictions.html"},        {"back", "contents.html"},
                     {"forward", "predictions.html"},     {"Statistics", "statistics.html"}};
        for (const auto& s : steps) {
            if (QString(s.step) == "back")
                window->BackButton()->click();
            else if (QString(s.step) == "forward")
                window->ForwardButton()->click();
            else
                QVERIFY2(ClickLink(browser, s.step), s.step);
            QCOMPARE(Page(), s.page);
            QVERIFY(browser->toPlainText().size() > 200);
        }
        QVERIFY(window->BackButton()->isEnabled() && !window->ForwardButton()->isEnabled());
        QVERIFY(links_.opened.empty());

        const QString outside = "https://www.nba.com/standings";
        for (bool works : {true, false}) {
            links_.works = works;
            browser->setHtml("<p>See <a href=\"" + outside + "\">the league's site</a>.</p>");
            QVERIFY(ClickLink(browser, "league"));
            QCOMPARE(links_.opened.back(), QUrl(outside));
            QCOMPARE(window->Note()->isVisible(), !works);
        }
        QVERIFY(window->Note()->text().contains(outside));
        links_.opened.clear();
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

    // Any word finds the pages that hold it; Enter opens the best page when no keyword fits; a
    // word found nowhere is said plainly.
    void fullTextSearch_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("page");  // what Enter opens: empty for the best page found
        const std::pair<const char*, const char*> rows[] = {
            {"standings", ""},           {"over/under", ""},
            {"print", "printing.html"},                                     // a keyword fits first
            {"games behind", ""},        {"handicap", "predictions.html"},  // the start of a word
            {"zamboni", "contents.html"}};                                  // found nowhere: stays
        for (auto [typed, page] : rows) QTest::newRow(typed) << QString(typed) << QString(page);
    }
    void fullTextSearch() {
        QFETCH(QString, typed);
        QFETCH(QString, page);
        help_->ShowHelpTopic(HelpKeyword::Contents);
        Search(typed);
        HelpWindow* window = help_->Window();
        QTRY_VERIFY_WITH_TIMEOUT(window->SearchStatus()->text().contains(typed), 10000);
        // Every page holding all the words is found, the best first; none found is said plainly.
        QStringList found;
        for (int row = 0; row < window->PageList()->count(); ++row)
            found << window->PageList()->item(row)->data(Qt::UserRole).toUrl().fileName();
        auto holdsAll = [&](const QString& file) {
            QFile html(QString(TAVIX_SOURCE_DIR) + "/help/" + file);
            QTextDocument text;
            text.setHtml(html.open(QIODevice::ReadOnly) ? QString::fromUtf8(html.readAll()) : QString());
            for (const QString& word : typed.split(QRegularExpression("\\W+")))
                if (!text.toPlainText().contains(word, Qt::CaseInsensitive)) return false;
            return true;
        };
        QStringList holding;
        for (const QString& file : QDir(QString(TAVIX_SOURCE_DIR) + "/help").entryList({"*.html"}))
            if (holdsAll(file)) holding << file;
        for (const QString& file : holding) QVERIFY2(found.contains(file), qPrintable(file));
        if (holding.isEmpty())
            QVERIFY(found.isEmpty() &&
                    window->SearchStatus()->text().startsWith("No page of the help mentions"));
        else
            QVERIFY(holdsAll(found.first()));
        QTest::keyClick(window->SearchField(), Qt::Key_Return);
        QTRY_COMPARE(Page(), page.isEmpty() ? found.first() : page);
    }

    void missingHelpFileIsReported() {
        testing::ScriptedDialogs dialogs;
        QtHelpLauncher missing(dialogs, timers_, "/nonexistent/help/tavix.qhc");
        missing.ShowHelpTopic(HelpKeyword::Contents);
        missing.ShowHelpSearch();
        QVERIFY(!missing.Window() && !dialogs.shown.empty());
        QCOMPARE(dialogs.shown[0].title, std::string("Tavix Help"));
        QCOMPARE(dialogs.shown[0].icon, Icon::Exclamation);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
