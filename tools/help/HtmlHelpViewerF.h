#pragma once
// THtmlHelpViewer: the help window. It shows the topics of compiled HTML help
// files (.CHM) read through chmlib: the file's table of contents as a tree,
// its keyword index, a search over the words of every topic, and the topic
// page with its pictures and links resolved inside the file. Back, Forward,
// Contents and Print act as in any help window.
//
// One viewer serves the whole application (Instance); it is the window named
// "HtmlHelpViewer". A file or topic that cannot be shown gives a page that
// says what was not found and where it was looked for.
//
// A help file is outside data: its pages see nothing but the file itself.
// Pictures and style sheets come only from inside it (anything else is an
// empty resource, never a read of a local file); links lead to topics of the
// program's own help files, or, after a question naming the address, to a web
// or e-mail address; every other link is refused with a message.

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tools/help/HelpLinks.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QSplitter;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvane {

class ChmArchive;
class THtmlHelpViewer;

// The topic page: pictures and style sheets come from the viewer's help file.
// It never reads a file or follows a source by itself.
class THelpTopicBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit THelpTopicBrowser(THtmlHelpViewer* viewer);
    // The object of the open help file that name leads to; an empty image,
    // style sheet or byte array when there is none, so that the document
    // never looks for it elsewhere.
    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    THtmlHelpViewer* viewer_;
};

// What the viewer does with a link that would leave it. The defaults ask and
// tell with message boxes and open through the desktop (OpenWithShell);
// tests put counters in their place.
struct HelpLinkActions {
    std::function<bool(const QString& address)> ask;     // true: open it
    std::function<void(const QString& message)> refuse;  // why a link is not followed
    std::function<void(const QString& address)> open;    // hand it to the desktop
};

class THtmlHelpViewer : public QMainWindow {
    Q_OBJECT
public:
    // The application's viewer, made on first use.
    static THtmlHelpViewer* Instance();
    // The viewer if one exists, else null.
    static THtmlHelpViewer* Existing();
    // Closes and destroys the viewer (at program exit).
    static void CloseAll();

    ~THtmlHelpViewer() override;

    // Shows "file::/object#fragment" and brings the window up. A new page
    // goes onto the Back history.
    void ShowAddress(const QString& address);
    // Shows the default topic of the application's current help file, which
    // becomes the HTML help file (the table-of-contents request).
    void ShowContents();

    // What is shown: the address, the object path inside the file
    // ("/WindData.htm"), and whether it is a "not found" page.
    QString CurrentAddress() const;
    QString CurrentTopic() const;
    bool ShowsNotFoundPage() const { return notFound_; }
    QString PageTitle() const;

    // Full-text search of the current file: topic addresses of the topics
    // that hold every word of the query, most hits first.
    QStringList Search(const QString& query);

    // Follows a link of the page shown, as a click on it does.
    void LinkClicked(const QUrl& url);

    HelpLinkActions LinkActions() const { return actions_; }
    void SetLinkActions(HelpLinkActions actions) { actions_ = std::move(actions); }
    // The messages of a refused link and the question before an open.
    static QString OpenQuestion(const QString& address);
    static QString RefusedAddressMessage(const QString& address);
    static QString RefusedFileMessage(const QString& file);

    // --- controls (objectName = member name) ---
    QToolButton* BackBtn;
    QToolButton* ForwardBtn;
    QToolButton* HomeBtn;
    QToolButton* PrintBtn;
    QSplitter* Splitter1;
    QTabWidget* NavigationTabs;
    QTreeWidget* ContentsTree;
    QLineEdit* IndexEdit;
    QListWidget* IndexList;
    QLineEdit* SearchEdit;
    QToolButton* SearchBtn;
    QListWidget* SearchResults;
    THelpTopicBrowser* TopicBrowser;

public slots:
    void BackBtnClick();
    void ForwardBtnClick();
    void HomeBtnClick();
    void PrintBtnClick();
    void SearchBtnClick();

private:
    explicit THtmlHelpViewer(QWidget* parent = nullptr);

    struct Keyword {
        QString name;
        QString address;
    };
    struct TopicText {
        QString address;
        QString title;
        QString text;  // lower case
    };

    // A new page onto the history, shown, and the window brought up.
    void Go(const HelpAddress& target);
    // An address taken from a page (a link, the contents, the index): shown
    // only when its file may be (MayShowFile), refused with a message otherwise.
    void FollowPageAddress(const HelpAddress& target);
    // The open file, a file the program itself asked to show, or one of the
    // program's help files (IsProgramHelpFile).
    bool MayShowFile(const std::string& file) const;
    void FollowExternal(const QString& address);
    QVariant PageResource(int type, const QUrl& name) const;
    // Pictures wider than the page are shown at the page's width (aspect
    // kept); narrower ones, and all of them again when the page widens, at
    // the size the page gives them.
    void FitPictures();
    void Display(const HelpAddress& address);
    // Opens file when it is not the one open; false when it cannot be.
    bool OpenFile(const std::string& file);
    void LoadNavigation();
    void ShowNotFound(const QString& heading, const QString& what, const QStringList& lookedIn);
    void SelectInContents(const QString& object);
    void UpdateButtons();
    void FilterIndex(const QString& text);
    void OpenTreeItem(QTreeWidgetItem* item);
    void OpenListItem(QListWidgetItem* item);

    std::unique_ptr<ChmArchive> archive_;
    std::vector<Keyword> keywords_;
    std::vector<TopicText> topicTexts_;  // filled by the first search of a file
    std::vector<HelpAddress> back_;
    std::vector<HelpAddress> forward_;
    HelpAddress current_;
    bool hasCurrent_ = false;
    bool notFound_ = false;
    std::set<std::string> programFiles_;  // files ShowAddress was given
    HelpLinkActions actions_;
    int fittedWidth_ = -1;  // page width the pictures were last fitted to

    friend class THelpTopicBrowser;
};

}  // namespace orvane
