#pragma once
// The help window: the compiled help collection shown with a contents tree, a keyword index with
// a search field, and the topic pages.

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <memory>

#include "core/dialogs.h"
#include "platform/help_launcher.h"

class QHelpEngine;
class QLineEdit;
class QListView;
class QTabWidget;
class QTreeView;
class QLabel;

namespace tavix {

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
    explicit HelpWindow(QHelpEngine& engine);

    void ShowUrl(const QUrl& url, const QString& note = QString());
    void ShowIndexSearch();

    HelpBrowser* Browser() const { return browser_; }
    QLineEdit* SearchField() const { return searchField_; }
    QListView* IndexList() const { return indexList_; }
    QTabWidget* Tabs() const { return tabs_; }
    QLabel* Note() const { return note_; }

  private:
    void OpenIndexEntry(const QModelIndex& index);

    QHelpEngine& engine_;
    bool holdNote_ = false;
    QTabWidget* tabs_;
    QTreeView* contentsTree_;
    QLineEdit* searchField_;
    QListView* indexList_;
    QLabel* note_;
    HelpBrowser* browser_;
};

class QtHelpLauncher : public HelpLauncher {
  public:
    // `collection` is the compiled help (FindHelpCollection() when empty); a copy is made in a
    // writable cache folder, since the engine writes its search index beside it.
    explicit QtHelpLauncher(Dialogs& dialogs, const QString& collection = QString());
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
    QString source_;
    std::unique_ptr<QHelpEngine> engine_;
    QPointer<HelpWindow> window_;
    bool failed_ = false;
};

}  // namespace tavix
