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

#include <memory>
#include <vector>

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTextBrowser>

#include "tools/HelpLinks.h"

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
class THelpTopicBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit THelpTopicBrowser(THtmlHelpViewer* viewer);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    THtmlHelpViewer* viewer_;
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

    void Display(const HelpAddress& address);
    // Opens file when it is not the one open; false when it cannot be.
    bool OpenFile(const std::string& file);
    void LoadNavigation();
    void ShowNotFound(const QString& heading, const QString& what, const QStringList& lookedIn);
    void SelectInContents(const QString& object);
    void UpdateButtons();
    void LinkClicked(const QUrl& url);
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

    friend class THelpTopicBrowser;
};

}  // namespace orvane
