#pragma once
// The help window: the compiled help collection shown with a contents tree, a keyword index with
// a search field that also finds pages by any word in them, and the topic pages with Back and
// Forward. Links between pages open in the window; links that leave the help go to the desktop.

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <memory>

#include "core/dialogs.h"
#include "platform/help_launcher.h"
#include "platform/timers.h"

class QHelpEngine;
class QLineEdit;
class QListView;
class QListWidget;
class QTabWidget;
class QToolButton;
class QTreeView;
class QLabel;

namespace tavix {

// Where a link that leaves the help goes: the desktop's web browser (tests plug in a recorder).
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    // False when nothing on the desktop could open it.
    virtual bool OpenExternal(const QUrl& url) = 0;
};

class DesktopLinkOpener : public LinkOpener {
  public:
    bool OpenExternal(const QUrl& url) override;
};

// What the full-text search is asked for the words a user typed: every word, each also as the
// start of a longer one ("stand" finds "standings"); punctuation only separates words, so
// "over/under" looks for both. Empty when nothing searchable was typed.
QString FullTextQuery(const QString& typed);

// Shows pages straight from the help engine (qthelp:// addresses).
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QHelpEngine& engine_;
};

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow(QHelpEngine& engine, LinkOpener& links, Timers& timers);

    void ShowUrl(const QUrl& url, const QString& note = QString());
    void ShowIndexSearch();

    HelpBrowser* Browser() const { return browser_; }
    QLineEdit* SearchField() const { return searchField_; }
    QListView* IndexList() const { return indexList_; }
    QListWidget* PageList() const { return pageList_; }  // pages holding the typed words
    QLabel* SearchStatus() const { return searchStatus_; }
    QTabWidget* Tabs() const { return tabs_; }
    QLabel* Note() const { return note_; }
    QToolButton* BackButton() const { return back_; }
    QToolButton* ForwardButton() const { return forward_; }

  private:
    void FollowLink(const QUrl& link);
    void MarkContentsOf(const QUrl& url);
    void OpenIndexEntry(const QModelIndex& index);
    void OpenBestMatch();
    void SearchPages();
    void ShowPagesFound(int count);

    QHelpEngine& engine_;
    LinkOpener& links_;
    bool holdNote_ = false;
    bool indexing_ = false;       // the full-text index is being built
    bool searching_ = false;      // a full-text search is running
    bool openWhenFound_ = false;  // Enter was pressed before the pages were found
    QString searchedFor_;         // the words the page list shows pages for
    QTabWidget* tabs_;
    QTreeView* contentsTree_;
    QLineEdit* searchField_;
    QListView* indexList_;
    QListWidget* pageList_;
    QLabel* searchStatus_;
    std::unique_ptr<Timer> searchDelay_;  // the pause in typing before the pages are searched
    QToolButton* back_;
    QToolButton* forward_;
    QLabel* note_;
    HelpBrowser* browser_;
};

class QtHelpLauncher : public HelpLauncher {
  public:
    // `collection` is the compiled help (FindHelpCollection() when empty); a copy is made in a
    // writable cache folder, since the engine writes its search index beside it. Links that
    // leave the help go to `links` (the desktop's browser when null).
    QtHelpLauncher(Dialogs& dialogs, Timers& timers, const QString& collection = QString(),
                   LinkOpener* links = nullptr);
    ~QtHelpLauncher() override;

    void ShowHelpTopic(const std::string& keyword) override;
    void ShowHelpSearch() override;

    // The page a keyword leads to; empty when the help has no such keyword.
    QUrl TopicUrl(const std::string& keyword);
    // The window, once opened (for tests).
    HelpWindow* Window() const { return window_; }

  private:
    bool EnsureEngine();
    HelpWindow* EnsureWindow();
    QUrl ContentsUrl();
    static void Raise(HelpWindow* window);

    Dialogs& dialogs_;
    Timers& timers_;
    QString source_;
    DesktopLinkOpener desktopLinks_;
    LinkOpener& links_;
    std::unique_ptr<QHelpEngine> engine_;
    QPointer<HelpWindow> window_;
    bool failed_ = false;
};

}  // namespace tavix
