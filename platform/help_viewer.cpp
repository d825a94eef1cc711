#include "platform/help_viewer.h"
#include "platform/list_text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "platform/accessible.h"
#include "platform/app_paths.h"
#include "platform/sub_window.h"

namespace tavix {
namespace {

QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The engine writes beside its collection, and the installed one may be read-only: work on a copy.
// It is made afresh once per run, so a newer installed help always wins and a copy the engine
// changed (it drops documentation it cannot find) never lingers.
QString WritableCopy(const QString& collection) {
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty()) cache = QDir::tempPath() + "/tavix-cache";
    const QDir folder(cache + "/help");
    if (!folder.mkpath(".")) return QString();
    const QFileInfo source(collection);
    // The collection names its documentation file relative to itself: they lie side by side.
    const QString documentation = source.dir().filePath(source.completeBaseName() + ".qch");
    for (const QString& file : {collection, documentation}) {
        const QFileInfo from(file);
        if (!from.exists()) continue;
        const QString to = folder.filePath(from.fileName());
        QFile::remove(to);
        if (!QFile::copy(from.filePath(), to)) return QString();
        QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner);
    }
    return folder.filePath(source.fileName());
}

QToolButton* HistoryButton(const char* name, const QString& text, QStyle::StandardPixmap icon,
                           QKeySequence::StandardKey key) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(QApplication::style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setShortcut(key);
    button->setToolTip(text + " (" + QKeySequence(key).toString(QKeySequence::NativeText) + ")");
    button->setEnabled(false);
    return button;
}

}  // namespace

bool DesktopLinkOpener::OpenExternal(const QUrl& url) { return QDesktopServices::openUrl(url); }

QString FullTextQuery(const QString& typed) {
    static const QRegularExpression kWordGap("[^\\w]+", QRegularExpression::UseUnicodePropertiesOption);
    QStringList terms;
    for (const QString& word : typed.split(kWordGap, Qt::SkipEmptyParts))
        terms << QString("\"%1\"*").arg(word);
    return terms.join(' ');
}

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
    // The window decides where a link goes: a page of the help here, anything else to the desktop.
    setOpenLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == "qthelp") return engine_.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine& engine, LinkOpener& links, Timers& timers)
    : engine_(engine), links_(links) {
    setObjectName("HelpWindow");
    setWindowTitle("Tavix Help");
    SetAccessible(this, QAccessible::Window);  // read as a window of its own, not a bare area
    resize(900, 620);

    tabs_ = new QTabWidget;
    contentsTree_ = new QTreeView;
    contentsTree_->setObjectName("contentsTree");
    contentsTree_->setAccessibleName("Contents");
    contentsTree_->setHeaderHidden(true);
    contentsTree_->setModel(engine_.contentModel());
    tabs_->addTab(contentsTree_, "&Contents");

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* lookFor = new QLabel("&Look for:");
    searchField_ = new QLineEdit;
    searchField_->setObjectName("searchField");
    searchField_->setPlaceholderText("Type a topic or any word");
    searchField_->setClearButtonEnabled(true);
    lookFor->setBuddy(searchField_);
    indexList_ = new QListView;
    indexList_->setObjectName("indexList");
    indexList_->setAccessibleName("Index");
    indexList_->setModel(engine_.indexModel());
    indexList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Below the keywords, the pages that mention the words typed, found by the full-text search.
    auto* pagesHeading = new QLabel("Pages that &mention it:");
    pageList_ = new QListWidget;
    pageList_->setObjectName("pageList");
    pagesHeading->setBuddy(pageList_);
    searchStatus_ = new QLabel;
    searchStatus_->setObjectName("searchStatus");
    searchStatus_->setWordWrap(true);
    indexLayout->addWidget(lookFor);
    indexLayout->addWidget(searchField_);
    indexLayout->addWidget(indexList_, 3);
    indexLayout->addWidget(pagesHeading);
    indexLayout->addWidget(pageList_, 2);
    indexLayout->addWidget(searchStatus_);
    tabs_->addTab(indexPage, "&Index");
    searchDelay_ = timers.Make(250, [this] {
        searchDelay_->Stop();
        SearchPages();
    });

    note_ = new QLabel;
    note_->setObjectName("note");
    note_->setWordWrap(true);
    note_->setStyleSheet("QLabel { background: #fff7d6; border: 1px solid #d8c070; padding: 4px; }");
    note_->hide();
    browser_ = new HelpBrowser(engine_);
    browser_->setObjectName("browser");
    browser_->setAccessibleName("Help page");

    back_ = HistoryButton("back", "&Back", QStyle::SP_ArrowBack, QKeySequence::Back);
    forward_ = HistoryButton("forward", "&Forward", QStyle::SP_ArrowForward, QKeySequence::Forward);
    auto* history = new QHBoxLayout;
    history->setContentsMargins(0, 0, 0, 0);
    history->addWidget(back_);
    history->addWidget(forward_);
    history->addStretch();

    auto* pageSide = new QWidget;
    auto* pageLayout = new QVBoxLayout(pageSide);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addLayout(history);
    pageLayout->addWidget(note_);
    pageLayout->addWidget(browser_);

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(pageSide);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 640});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    connect(contentsTree_, &QTreeView::activated, this, [this](const QModelIndex& index) {
        if (QHelpContentItem* item = engine_.contentModel()->contentItemAt(index)) ShowUrl(item->url());
    });
    connect(contentsTree_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        if (QHelpContentItem* item = engine_.contentModel()->contentItemAt(index)) ShowUrl(item->url());
    });
    connect(engine_.contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        contentsTree_->expandAll();
        MarkContentsOf(browser_->source());
    });
    // The index narrows to the entries holding what has been typed so far; the pages that
    // mention it follow once the typing pauses.
    connect(searchField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QModelIndex best = engine_.indexModel()->filter(text.trimmed());
        if (best.isValid()) indexList_->setCurrentIndex(best);
        searchDelay_->Start();
    });
    connect(engine_.indexModel(), &QHelpIndexModel::indexCreated, this, [this] {
        const QModelIndex best = engine_.indexModel()->filter(searchField_->text().trimmed());
        if (best.isValid()) indexList_->setCurrentIndex(best);
    });
    connect(searchField_, &QLineEdit::returnPressed, this, &HelpWindow::OpenBestMatch);
    connect(indexList_, &QListView::activated, this, &HelpWindow::OpenIndexEntry);
    // One click opens a page found, as in the contents; Enter does from the keyboard.
    auto openPage = [this](QListWidgetItem* item) {
        const QUrl url = item->data(Qt::UserRole).toUrl();
        if (url != browser_->source()) ShowUrl(url);
    };
    connect(pageList_, &QListWidget::itemClicked, this, openPage);
    connect(pageList_, &QListWidget::itemActivated, this, openPage);

    QHelpSearchEngine* search = engine_.searchEngine();
    connect(search, &QHelpSearchEngine::indexingStarted, this, [this] { indexing_ = true; });
    connect(search, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexing_ = false;
        SearchPages();
    });
    connect(search, &QHelpSearchEngine::searchingFinished, this, &HelpWindow::ShowPagesFound);
    // The index of every word is built afresh in the background: the help copy is new each run.
    search->reindexDocumentation();

    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, note_, [this](const QUrl& url) {
        // A note belongs to the page it was shown with.
        if (!holdNote_) note_->hide();
        MarkContentsOf(url);
    });
}

void HelpWindow::MarkContentsOf(const QUrl& url) {
    // The contents show where the reader is, whichever way the page was reached.
    const QUrl page = url.adjusted(QUrl::RemoveFragment);
    QHelpContentModel* model = engine_.contentModel();
    std::function<QModelIndex(const QModelIndex&)> find = [&](const QModelIndex& parent) {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            const QHelpContentItem* item = model->contentItemAt(index);
            if (item && item->url().adjusted(QUrl::RemoveFragment) == page) return index;
            if (const QModelIndex inside = find(index); inside.isValid()) return inside;
        }
        return QModelIndex();
    };
    const QModelIndex found = find(QModelIndex());
    if (found.isValid()) contentsTree_->setCurrentIndex(found);
}

void HelpWindow::ShowUrl(const QUrl& url, const QString& note) {
    holdNote_ = true;
    browser_->setSource(url);
    holdNote_ = false;
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void HelpWindow::ShowIndexSearch() {
    tabs_->setCurrentIndex(1);
    searchField_->setFocus(Qt::OtherFocusReason);
    searchField_->selectAll();
}

void HelpWindow::FollowLink(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (target.scheme() == "qthelp") {
        QUrl page = target;
        page.setFragment(QString());
        if (engine_.findFile(page).isValid()) {
            ShowUrl(target);
        } else {
            note_->setText("The page \"" + page.fileName() + "\" is missing from this help.");
            note_->show();
        }
        return;
    }
    if (!links_.OpenExternal(target)) {
        note_->setText("No program on this computer could open " + target.toDisplayString() +
                       ". Copy the address into a web browser.");
        note_->show();
    }
}

void HelpWindow::OpenIndexEntry(const QModelIndex& index) {
    if (!index.isValid()) return;
    const QList<QHelpLink> documents = engine_.documentsForKeyword(index.data().toString());
    if (!documents.isEmpty()) ShowUrl(documents.first().url);
}

void HelpWindow::OpenBestMatch() {
    // A keyword holding the words is the best answer; else the page that mentions them most.
    QModelIndex current = indexList_->currentIndex();
    if (!current.isValid() && engine_.indexModel()->rowCount() > 0)
        current = engine_.indexModel()->index(0, 0);
    if (current.isValid()) {
        OpenIndexEntry(current);
        return;
    }
    if (searchDelay_->IsActive() || searching_ || indexing_ || searchedFor_ != searchField_->text()) {
        openWhenFound_ = true;
        searchDelay_->Stop();
        SearchPages();
        return;
    }
    // With no page either, the status line under the list already says so.
    if (pageList_->count() > 0) ShowUrl(pageList_->item(0)->data(Qt::UserRole).toUrl());
}

void HelpWindow::SearchPages() {
    const QString typed = searchField_->text();
    const QString query = FullTextQuery(typed);
    if (query.isEmpty()) {
        searchedFor_ = typed;
        pageList_->clear();
        searchStatus_->clear();
        openWhenFound_ = false;
        return;
    }
    // One search at a time: the words typed meanwhile are looked for when it ends.
    if (indexing_ || searching_) {
        searchStatus_->setText("Searching the help...");
        return;
    }
    searching_ = true;
    searchedFor_ = typed;
    searchStatus_->setText("Searching the help...");
    engine_.searchEngine()->search(query);
}

void HelpWindow::ShowPagesFound(int count) {
    searching_ = false;
    if (searchedFor_ != searchField_->text()) {
        SearchPages();  // typed on while the search ran
        return;
    }
    pageList_->clear();
    for (const QHelpSearchResult& result : engine_.searchEngine()->searchResults(0, count)) {
        auto* item = new QListWidgetItem(result.title().isEmpty() ? result.url().fileName() : result.title());
        item->setData(Qt::UserRole, result.url());
        item->setToolTip(result.snippet());
        pageList_->addItem(item);
    }
    const QString words = searchedFor_.trimmed();
    if (pageList_->count() == 0)
        searchStatus_->setText("No page of the help mentions \"" + words +
                               "\". Try another word, or choose a topic from the contents.");
    else
        searchStatus_->setText(pageList_->count() == 1
                                   ? QString("One page mentions \"%1\".").arg(words)
                                   : QString("%1 pages mention \"%2\".").arg(pageList_->count()).arg(words));
    if (std::exchange(openWhenFound_, false)) OpenBestMatch();
}

QtHelpLauncher::QtHelpLauncher(Dialogs& dialogs, Timers& timers, const QString& collection, LinkOpener* links)
    : dialogs_(dialogs), timers_(timers), source_(collection), links_(links ? *links : desktopLinks_) {}

QtHelpLauncher::~QtHelpLauncher() {
    // The window's views use the engine's models, so it goes first.
    delete window_.data();
}

bool QtHelpLauncher::EnsureEngine() {
    if (engine_) return true;
    const QString collection = source_.isEmpty() ? FindHelpCollection() : source_;
    if (collection.isEmpty() || !QFileInfo::exists(collection)) {
        dialogs_.Show(
            "The help file for Tavix could not be found.\r\nIt belongs in the help folder of the "
            "program (tavix.qhc); installing Tavix again puts it back.",
            "Tavix Help", Buttons::Ok, Icon::Exclamation);
        return false;
    }
    const QString copy = WritableCopy(collection);
    auto engine = std::make_unique<QHelpEngine>(copy.isEmpty() ? collection : copy);
    engine->setReadOnly(copy.isEmpty());
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty()) {
        const QString reason = engine->error().isEmpty() ? QString("It holds no topics.") : engine->error();
        dialogs_.Show("The help file for Tavix could not be opened:\r\n" +
                          ToLatin1(QDir::toNativeSeparators(collection)) + "\r\n" + ToLatin1(reason),
                      "Tavix Help", Buttons::Ok, Icon::Exclamation);
        return false;
    }
    engine_ = std::move(engine);
    // Both are built in the background; the window fills in as they arrive.
    if (engine_->contentModel()->rowCount() == 0 && !engine_->contentModel()->isCreatingContents())
        engine_->contentModel()->createContents(QString());
    if (engine_->indexModel()->rowCount() == 0 && !engine_->indexModel()->isCreatingIndex())
        engine_->indexModel()->createIndex(QString());
    return true;
}

HelpWindow* QtHelpLauncher::EnsureWindow() {
    if (!window_) window_ = new HelpWindow(*engine_, links_, timers_);
    return window_;
}

QUrl QtHelpLauncher::TopicUrl(const std::string& keyword) {
    if (!EnsureEngine()) return QUrl();
    const QList<QHelpLink> documents = engine_->documentsForKeyword(FromLatin1(keyword));
    return documents.isEmpty() ? QUrl() : documents.first().url;
}

QUrl QtHelpLauncher::ContentsUrl() {
    QUrl url = TopicUrl(HelpKeyword::Contents);
    if (url.isEmpty() && engine_ && !engine_->registeredDocumentations().isEmpty())
        url = QUrl("qthelp://" + engine_->registeredDocumentations().first() + "/doc/contents.html");
    return url;
}

void QtHelpLauncher::ShowHelpTopic(const std::string& keyword) {
    if (!EnsureEngine()) return;
    HelpWindow* window = EnsureWindow();
    const QUrl url = TopicUrl(keyword);
    if (url.isEmpty()) {
        window->ShowUrl(ContentsUrl(), "There is no help topic called \"" + FromLatin1(keyword) +
                                           "\". Choose a topic from the contents or the index.");
    } else {
        window->ShowUrl(url);
    }
    Raise(window);
}

void QtHelpLauncher::ShowHelpSearch() {
    if (!EnsureEngine()) return;
    HelpWindow* window = EnsureWindow();
    if (window->Browser()->source().isEmpty()) window->ShowUrl(ContentsUrl());
    Raise(window);
    window->ShowIndexSearch();
}

void QtHelpLauncher::Raise(HelpWindow* window) {
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    KeepOnScreen(window);  // a small screen has less room than the help asks for
    window->raise();
    window->activateWindow();
}

}  // namespace tavix
