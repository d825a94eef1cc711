#include "platform/help_viewer.h"
#include "platform/list_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/app_paths.h"

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

}  // namespace

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == "qthelp") return engine_.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine& engine) : engine_(engine) {
    setObjectName("HelpWindow");
    setWindowTitle("Tavix Help");
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
    searchField_->setPlaceholderText("Type the first letters of a topic");
    searchField_->setClearButtonEnabled(true);
    lookFor->setBuddy(searchField_);
    indexList_ = new QListView;
    indexList_->setObjectName("indexList");
    indexList_->setAccessibleName("Index");
    indexList_->setModel(engine_.indexModel());
    indexList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    indexLayout->addWidget(lookFor);
    indexLayout->addWidget(searchField_);
    indexLayout->addWidget(indexList_);
    tabs_->addTab(indexPage, "&Index");

    note_ = new QLabel;
    note_->setObjectName("note");
    note_->setWordWrap(true);
    note_->setStyleSheet("QLabel { background: #fff7d6; border: 1px solid #d8c070; padding: 4px; }");
    note_->hide();
    browser_ = new HelpBrowser(engine_);
    browser_->setObjectName("browser");
    browser_->setAccessibleName("Help page");

    auto* pageSide = new QWidget;
    auto* pageLayout = new QVBoxLayout(pageSide);
    pageLayout->setContentsMargins(0, 0, 0, 0);
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
    connect(engine_.contentModel(), &QHelpContentModel::contentsCreated, contentsTree_,
            &QTreeView::expandAll);
    // The index narrows to the entries holding what has been typed so far.
    connect(searchField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QModelIndex best = engine_.indexModel()->filter(text.trimmed());
        if (best.isValid()) indexList_->setCurrentIndex(best);
    });
    connect(engine_.indexModel(), &QHelpIndexModel::indexCreated, this, [this] {
        const QModelIndex best = engine_.indexModel()->filter(searchField_->text().trimmed());
        if (best.isValid()) indexList_->setCurrentIndex(best);
    });
    connect(searchField_, &QLineEdit::returnPressed, this, [this] {
        QModelIndex current = indexList_->currentIndex();
        if (!current.isValid() && engine_.indexModel()->rowCount() > 0)
            current = engine_.indexModel()->index(0, 0);
        OpenIndexEntry(current);
    });
    connect(indexList_, &QListView::activated, this, &HelpWindow::OpenIndexEntry);
    connect(browser_, &QTextBrowser::sourceChanged, note_, [this] {
        // A note belongs to the page it was shown with.
        if (!holdNote_) note_->hide();
    });
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

void HelpWindow::OpenIndexEntry(const QModelIndex& index) {
    if (!index.isValid()) return;
    const QList<QHelpLink> documents = engine_.documentsForKeyword(index.data().toString());
    if (!documents.isEmpty()) ShowUrl(documents.first().url);
}

QtHelpLauncher::QtHelpLauncher(Dialogs& dialogs, const QString& collection)
    : dialogs_(dialogs), source_(collection) {}

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
    if (!window_) window_ = new HelpWindow(*engine_);
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
    window->raise();
    window->activateWindow();
}

}  // namespace tavix
