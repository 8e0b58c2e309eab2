#include "tools/help/HtmlHelpViewerF.h"

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStringDecoder>
#include <QStyle>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "tools/ProgramFile.h"
#include "tools/QtText.h"
#include "tools/ShellOpen.h"
#include "tools/help/ApplicationHelpFile.h"
#include "tools/help/HelpChmArchive.h"
#include "tools/help/HelpSitemap.h"
#include "tools/help/HelpSystem.h"

namespace orvane {

namespace {

constexpr int kAddressRole = Qt::UserRole + 1;

QString DecodePage(const std::string& bytes)
{
    const QByteArray data = QByteArray::fromStdString(bytes);
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(data);
}

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// A resource the page asks for but the help file lacks: an empty value of the
// kind asked for. A null value would make the document look for the name in
// the local file system itself, and so would an empty picture: the toolkit's
// picture drawing then loads the name as a file. A missing picture is one
// transparent pixel.
QVariant NoResource(int type)
{
    if (type == QTextDocument::ImageResource) {
        QImage none(1, 1, QImage::Format_ARGB32);
        none.fill(Qt::transparent);
        return none;
    }
    if (type == QTextDocument::StyleSheetResource)
        return QString();
    return QByteArray();
}

// A document for reading a page's text only: it asks for no resource.
class TextOnlyDocument : public QTextDocument {
protected:
    QVariant loadResource(int type, const QUrl&) override { return NoResource(type); }
};

// An address as a message shows it: one line, at most 300 characters.
QString ShownAddress(const QString& address)
{
    QString shown;
    for (const QChar c : address)
        shown += c.isPrint() ? c : QChar(0xFFFD);
    return shown.size() > 300 ? shown.left(300) + QStringLiteral("...") : shown;
}

// The format properties that remember the size a page gave a picture (0:
// none), so that fitting it to the page can be undone when the page widens.
constexpr int kWrittenWidth = QTextFormat::UserProperty + 1;
constexpr int kWrittenHeight = QTextFormat::UserProperty + 2;
constexpr int kSizeRemembered = QTextFormat::UserProperty + 3;
// Pixels kept free beside a picture fitted to the page.
constexpr int kPictureSlack = 4;

HelpLinkActions DefaultLinkActions(QWidget* parent)
{
    HelpLinkActions actions;
    actions.ask = [parent](const QString& address) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Open link"), THtmlHelpViewer::OpenQuestion(address),
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setObjectName(QStringLiteral("OpenLinkQuestion"));
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    actions.refuse = [parent](const QString& message) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Link not followed"), message, QMessageBox::Ok,
                        parent);
        box.setObjectName(QStringLiteral("LinkRefusedBox"));
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
    actions.open = [](const QString& address) { OpenWithShell(address.toStdString()); };
    return actions;
}

QString TitleOf(const QString& html, const QString& fallback)
{
    static const QRegularExpression title(QStringLiteral("<title[^>]*>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(html);
    const QString text = match.hasMatch() ? match.captured(1).simplified() : QString();
    return text.isEmpty() ? fallback : text;
}

bool IsTopicFile(const std::string& path)
{
    const QString lower = FromUtf8(path).toLower();
    return lower.endsWith(QStringLiteral(".htm")) || lower.endsWith(QStringLiteral(".html"));
}

QPointer<THtmlHelpViewer>& TheViewer()
{
    // The one help window of the run; a QPointer, so a window destroyed by
    // anyone (CloseAll, the application's end) is never used again.
    static QPointer<THtmlHelpViewer> viewer;
    return viewer;
}

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                        QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

THelpTopicBrowser::THelpTopicBrowser(THtmlHelpViewer* viewer) : QTextBrowser(viewer), viewer_(viewer)
{
    setObjectName(QStringLiteral("TopicBrowser"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setSearchPaths({});
}

QVariant THelpTopicBrowser::loadResource(int type, const QUrl& name) { return viewer_->PageResource(type, name); }

void THelpTopicBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType)
{
    // The toolkit's own way to a new page reads local files: every page
    // change goes through the viewer instead.
    viewer_->LinkClicked(name);
}

void THelpTopicBrowser::resizeEvent(QResizeEvent* event)
{
    QTextBrowser::resizeEvent(event);
    viewer_->FitPictures();
}

QVariant THtmlHelpViewer::PageResource(int type, const QUrl& name) const
{
    if (!archive_ || !hasCurrent_ || notFound_)
        return NoResource(type);
    const ResolvedLink link = ResolveHelpLink(current_, name.toString().toStdString());
    if (link.kind != LinkKind::Topic || link.address.file != current_.file)
        return NoResource(type);
    const auto bytes = archive_->Read(link.address.object);
    if (!bytes)
        return NoResource(type);
    const QByteArray content = QByteArray::fromStdString(*bytes);
    if (type == QTextDocument::ImageResource) {
        QImage image;
        if (!image.loadFromData(content))
            return NoResource(type);
        return image;
    }
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(content);
    return content;
}

THtmlHelpViewer* THtmlHelpViewer::Instance()
{
    if (!TheViewer())
        TheViewer() = new THtmlHelpViewer();
    return TheViewer();
}

THtmlHelpViewer* THtmlHelpViewer::Existing() { return TheViewer(); }

void THtmlHelpViewer::CloseAll()
{
    if (THtmlHelpViewer* viewer = TheViewer()) {
        viewer->close();
        delete viewer;
    }
}

THtmlHelpViewer::THtmlHelpViewer(QWidget* parent) : QMainWindow(parent), actions_(DefaultLinkActions(this))
{
    setObjectName(QStringLiteral("HtmlHelpViewer"));
    setWindowTitle(QStringLiteral("Orvane Help"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* bar = addToolBar(QStringLiteral("Help"));
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setMovable(false);
    BackBtn = MakeButton(this, "BackBtn", QStringLiteral("Back"), QStringLiteral("previous topic (Alt+Left)"),
                         QStyle::SP_ArrowBack);
    ForwardBtn = MakeButton(this, "ForwardBtn", QStringLiteral("Forward"), QStringLiteral("next topic (Alt+Right)"),
                            QStyle::SP_ArrowForward);
    HomeBtn = MakeButton(this, "HomeBtn", QStringLiteral("Contents"), QStringLiteral("the first page of the help"),
                         QStyle::SP_DirHomeIcon);
    PrintBtn = MakeButton(this, "PrintBtn", QStringLiteral("Print"), QStringLiteral("print this topic (Ctrl+P)"),
                          QStyle::SP_FileIcon);
    for (QToolButton* b : {BackBtn, ForwardBtn, HomeBtn, PrintBtn})
        bar->addWidget(b);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    setCentralWidget(Splitter1);

    NavigationTabs = new QTabWidget(Splitter1);
    NavigationTabs->setObjectName(QStringLiteral("NavigationTabs"));

    ContentsTree = new QTreeWidget(NavigationTabs);
    ContentsTree->setObjectName(QStringLiteral("ContentsTree"));
    ContentsTree->setHeaderHidden(true);
    NavigationTabs->addTab(ContentsTree, QStringLiteral("Contents"));

    auto* indexPage = new QWidget(NavigationTabs);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    auto* indexLabel = new QLabel(QStringLiteral("Type the keyword to find:"), indexPage);
    IndexEdit = new QLineEdit(indexPage);
    IndexEdit->setObjectName(QStringLiteral("IndexEdit"));
    indexLabel->setBuddy(IndexEdit);
    IndexList = new QListWidget(indexPage);
    IndexList->setObjectName(QStringLiteral("IndexList"));
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(IndexEdit);
    indexLayout->addWidget(IndexList);
    NavigationTabs->addTab(indexPage, QStringLiteral("Index"));

    auto* searchPage = new QWidget(NavigationTabs);
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    auto* searchLabel = new QLabel(QStringLiteral("Words to search for:"), searchPage);
    auto* searchRow = new QHBoxLayout();
    SearchEdit = new QLineEdit(searchPage);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    searchLabel->setBuddy(SearchEdit);
    SearchBtn = new QToolButton(searchPage);
    SearchBtn->setObjectName(QStringLiteral("SearchBtn"));
    SearchBtn->setText(QStringLiteral("Search"));
    searchRow->addWidget(SearchEdit, 1);
    searchRow->addWidget(SearchBtn);
    SearchResults = new QListWidget(searchPage);
    SearchResults->setObjectName(QStringLiteral("SearchResults"));
    searchLayout->addWidget(searchLabel);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(SearchResults);
    NavigationTabs->addTab(searchPage, QStringLiteral("Search"));

    TopicBrowser = new THelpTopicBrowser(this);
    Splitter1->addWidget(NavigationTabs);
    Splitter1->addWidget(TopicBrowser);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({240, 660});

    connect(BackBtn, &QToolButton::clicked, this, &THtmlHelpViewer::BackBtnClick);
    connect(ForwardBtn, &QToolButton::clicked, this, &THtmlHelpViewer::ForwardBtnClick);
    connect(HomeBtn, &QToolButton::clicked, this, &THtmlHelpViewer::HomeBtnClick);
    connect(PrintBtn, &QToolButton::clicked, this, &THtmlHelpViewer::PrintBtnClick);
    connect(SearchBtn, &QToolButton::clicked, this, &THtmlHelpViewer::SearchBtnClick);
    connect(SearchEdit, &QLineEdit::returnPressed, this, &THtmlHelpViewer::SearchBtnClick);
    connect(TopicBrowser, &QTextBrowser::anchorClicked, this, &THtmlHelpViewer::LinkClicked);
    connect(ContentsTree, &QTreeWidget::itemActivated, this, &THtmlHelpViewer::OpenTreeItem);
    connect(ContentsTree, &QTreeWidget::itemClicked, this, &THtmlHelpViewer::OpenTreeItem);
    connect(IndexEdit, &QLineEdit::textChanged, this, &THtmlHelpViewer::FilterIndex);
    connect(IndexEdit, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = IndexList->currentItem())
            OpenListItem(item);
    });
    connect(IndexList, &QListWidget::itemActivated, this, &THtmlHelpViewer::OpenListItem);
    connect(SearchResults, &QListWidget::itemActivated, this, &THtmlHelpViewer::OpenListItem);
    // The Index and Search tabs are for typing: the cursor goes to their field.
    connect(NavigationTabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (QWidget* page = NavigationTabs->widget(index); page && page->isAncestorOf(IndexEdit))
            IndexEdit->setFocus(Qt::TabFocusReason);
        else if (page && page->isAncestorOf(SearchEdit))
            SearchEdit->setFocus(Qt::TabFocusReason);
    });

    auto* back = new QShortcut(QKeySequence::Back, this);
    connect(back, &QShortcut::activated, this, &THtmlHelpViewer::BackBtnClick);
    auto* forward = new QShortcut(QKeySequence::Forward, this);
    connect(forward, &QShortcut::activated, this, &THtmlHelpViewer::ForwardBtnClick);
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, &THtmlHelpViewer::PrintBtnClick);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    // A size that reads comfortably, inside the screen on a small display.
    QSize size(960, 680);
    if (const QScreen* screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
    UpdateButtons();
}

THtmlHelpViewer::~THtmlHelpViewer() = default;

void THtmlHelpViewer::ShowAddress(const QString& address)
{
    const HelpAddress target = ParseHelpAddress(address.toStdString());
    // The program chose this file: links in its pages may lead back to it.
    programFiles_.insert(target.file);
    Go(target);
}

void THtmlHelpViewer::Go(const HelpAddress& target)
{
    if (hasCurrent_) {
        back_.push_back(current_);
        forward_.clear();
    }
    Display(target);
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void THtmlHelpViewer::ShowContents()
{
    SetHtmlHelpFile(ApplicationHelpFile());
    ShowAddress(FromUtf8(HtmlHelpFile() + "::"));
}

bool THtmlHelpViewer::OpenFile(const std::string& file)
{
    if (archive_ && archive_->Path() == file)
        return true;
    archive_ = ChmArchive::Open(file);
    keywords_.clear();
    topicTexts_.clear();
    LoadNavigation();
    return archive_ != nullptr;
}

void THtmlHelpViewer::Display(const HelpAddress& address)
{
    current_ = address;
    hasCurrent_ = true;
    notFound_ = false;
    if (address.file.empty() || !OpenFile(address.file)) {
        QStringList lookedIn;
        for (const std::string& folder : HelpSearchPath(ProgramFolder()))
            lookedIn << FromUtf8(folder);
        ShowNotFound(QStringLiteral("Help file not found"),
                     QStringLiteral("The help file <b>%1</b> was not found, or it is no compiled HTML help file.")
                         .arg(Escaped(FromUtf8(address.file.empty() ? std::string("(none)") : address.file))),
                     lookedIn);
        return;
    }
    if (current_.object.empty() || current_.object == "/") {
        const ChmSystemInfo info = archive_->System();
        current_.object = info.defaultTopic.empty() ? std::string("/Contents.htm") : info.defaultTopic;
    }
    const auto bytes = archive_->Read(current_.object);
    if (!bytes) {
        const QString topic = FromUtf8(current_.object).mid(1);
        ShowNotFound(QStringLiteral("Help topic not found"),
                     QStringLiteral("The topic <b>%1</b> is not in the help file <b>%2</b>.")
                         .arg(Escaped(topic), Escaped(FromUtf8(current_.file))),
                     {FromUtf8(current_.file)});
        return;
    }
    const QString html = DecodePage(*bytes);
    TopicBrowser->document()->clear();
    TopicBrowser->document()->setUndoRedoEnabled(false);
    TopicBrowser->setHtml(html);
    fittedWidth_ = -1;
    FitPictures();
    if (!current_.fragment.empty())
        TopicBrowser->scrollToAnchor(FromUtf8(current_.fragment));
    setWindowTitle(QStringLiteral("Orvane Help - %1").arg(TitleOf(html, FromUtf8(current_.object).mid(1))));
    SelectInContents(FromUtf8(current_.object));
    UpdateButtons();
}

void THtmlHelpViewer::ShowNotFound(const QString& heading, const QString& what, const QStringList& lookedIn)
{
    notFound_ = true;
    QString html =
        QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2><p>%2</p>").arg(Escaped(heading), what);
    html += QStringLiteral("<p>Looked for: <b>%1</b></p>").arg(Escaped(FromUtf8(FormatHelpAddress(current_))));
    if (!lookedIn.isEmpty()) {
        html += QStringLiteral("<p>Where it was looked for:</p><ul>");
        for (const QString& place : lookedIn)
            html += QStringLiteral("<li>%1</li>").arg(Escaped(place));
        html += QStringLiteral("</ul>");
    }
    html += QStringLiteral("<p>The help files of this program are <b>HLP/KAVRO421ENG.CHM</b> and "
                           "<b>OrvaneFAQ.chm</b> in the program folder. Reinstalling the program, or "
                           "building it again, puts them back.</p></body></html>");
    TopicBrowser->setHtml(html);
    setWindowTitle(QStringLiteral("Orvane Help - %1").arg(heading));
    UpdateButtons();
}

QString THtmlHelpViewer::CurrentAddress() const
{
    return hasCurrent_ ? FromUtf8(FormatHelpAddress(current_)) : QString();
}

QString THtmlHelpViewer::CurrentTopic() const { return hasCurrent_ ? FromUtf8(current_.object) : QString(); }

QString THtmlHelpViewer::PageTitle() const { return TopicBrowser->documentTitle(); }

void THtmlHelpViewer::LoadNavigation()
{
    ContentsTree->clear();
    IndexList->clear();
    SearchResults->clear();
    if (!archive_)
        return;
    const ChmSystemInfo info = archive_->System();
    const HelpAddress root {archive_->Path(), "/", ""};
    auto addressOf = [&](const SitemapEntry& entry, const std::string& sitemapFile) {
        HelpAddress from = root;
        from.object = sitemapFile;
        const ResolvedLink link = ResolveHelpLink(from, entry.local);
        return link.kind == LinkKind::Topic ? FromUtf8(FormatHelpAddress(link.address)) : QString();
    };
    if (const auto hhc = archive_->Read(info.contentsFile.empty() ? std::string("/-") : info.contentsFile)) {
        std::vector<QTreeWidgetItem*> parents;
        for (const SitemapEntry& entry : ParseSitemap(*hhc)) {
            const int depth = std::min<int>(entry.depth, static_cast<int>(parents.size()));
            parents.resize(static_cast<std::size_t>(depth));
            auto* item = parents.empty() ? new QTreeWidgetItem(ContentsTree) : new QTreeWidgetItem(parents.back());
            item->setText(0, FromUtf8(entry.name));
            item->setToolTip(0, FromUtf8(entry.name));  // long questions do not fit the tree
            item->setData(0, kAddressRole, entry.local.empty() ? QString() : addressOf(entry, info.contentsFile));
            parents.push_back(item);
        }
        ContentsTree->expandAll();
    }
    if (const auto hhk = archive_->Read(info.indexFile.empty() ? std::string("/-") : info.indexFile)) {
        for (const SitemapEntry& entry : ParseSitemap(*hhk)) {
            if (entry.local.empty())
                continue;
            keywords_.push_back({FromUtf8(entry.name), addressOf(entry, info.indexFile)});
        }
        std::stable_sort(keywords_.begin(), keywords_.end(), [](const Keyword& a, const Keyword& b) {
            return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
        });
        FilterIndex(IndexEdit->text());
    }
}

void THtmlHelpViewer::FilterIndex(const QString& text)
{
    IndexList->clear();
    const QString wanted = text.trimmed();
    for (const Keyword& keyword : keywords_) {
        if (!wanted.isEmpty() && !keyword.name.contains(wanted, Qt::CaseInsensitive))
            continue;
        auto* item = new QListWidgetItem(keyword.name, IndexList);
        item->setData(kAddressRole, keyword.address);
    }
    if (IndexList->count() > 0)
        IndexList->setCurrentRow(0);
}

QStringList THtmlHelpViewer::Search(const QString& query)
{
    QStringList found;
    if (!archive_)
        return found;
    if (topicTexts_.empty()) {
        for (const std::string& file : archive_->Files()) {
            if (!IsTopicFile(file))
                continue;
            const auto bytes = archive_->Read(file);
            if (!bytes)
                continue;
            const QString html = DecodePage(*bytes);
            TextOnlyDocument document;
            document.setHtml(html);
            topicTexts_.push_back({FromUtf8(archive_->Path() + "::" + file), TitleOf(html, FromUtf8(file).mid(1)),
                                   document.toPlainText().toLower()});
        }
    }
    const QStringList words = query.toLower().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return found;
    std::vector<std::pair<qsizetype, const TopicText*>> hits;
    for (const TopicText& topic : topicTexts_) {
        qsizetype count = 0;
        bool all = true;
        for (const QString& word : words) {
            const qsizetype n = topic.text.count(word);
            all = all && n > 0;
            count += n;
        }
        if (all)
            hits.emplace_back(count, &topic);
    }
    std::stable_sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    SearchResults->clear();
    for (const auto& [count, topic] : hits) {
        found << topic->address;
        auto* item = new QListWidgetItem(QStringLiteral("%1  (%2)").arg(topic->title).arg(count), SearchResults);
        item->setData(kAddressRole, topic->address);
    }
    if (hits.empty())
        new QListWidgetItem(QStringLiteral("No topic holds all of these words."), SearchResults);
    return found;
}

void THtmlHelpViewer::SearchBtnClick()
{
    if (!archive_ && hasCurrent_)
        OpenFile(current_.file);
    Search(SearchEdit->text());
}

void THtmlHelpViewer::SelectInContents(const QString& object)
{
    const QString suffix = QStringLiteral("::") + object;
    for (QTreeWidgetItemIterator it(ContentsTree); *it; ++it) {
        const QString address = (*it)->data(0, kAddressRole).toString();
        const QString withoutFragment =
            address.left(address.indexOf(QLatin1Char('#')) < 0 ? address.size() : address.indexOf(QLatin1Char('#')));
        if (withoutFragment.endsWith(suffix, Qt::CaseInsensitive)) {
            const QSignalBlocker block(ContentsTree);
            ContentsTree->setCurrentItem(*it);
            return;
        }
    }
}

void THtmlHelpViewer::UpdateButtons()
{
    BackBtn->setEnabled(!back_.empty());
    ForwardBtn->setEnabled(!forward_.empty());
    PrintBtn->setEnabled(hasCurrent_);
}

QString THtmlHelpViewer::OpenQuestion(const QString& address)
{
    return QStringLiteral("This help page links to an address outside the help:\n\n%1\n\n"
                          "Open it with your web browser or e-mail program?")
        .arg(ShownAddress(address));
}

QString THtmlHelpViewer::RefusedAddressMessage(const QString& address)
{
    return QStringLiteral("This help page links to\n\n%1\n\nThe help opens only web addresses (http, https) "
                          "and e-mail addresses without attachments, so this link is not followed.")
        .arg(ShownAddress(address));
}

QString THtmlHelpViewer::RefusedFileMessage(const QString& file)
{
    return QStringLiteral("This help page links to the file\n\n%1\n\nwhich is not one of the program's help "
                          "files, so this link is not followed.")
        .arg(ShownAddress(file));
}

bool THtmlHelpViewer::MayShowFile(const std::string& file) const
{
    return file == current_.file || (archive_ && file == archive_->Path()) || programFiles_.count(file) > 0 ||
           IsProgramHelpFile(file, ProgramFolder());
}

void THtmlHelpViewer::FollowPageAddress(const HelpAddress& target)
{
    if (!MayShowFile(target.file)) {
        if (actions_.refuse)
            actions_.refuse(RefusedFileMessage(FromUtf8(target.file)));
        return;
    }
    Go(target);
}

void THtmlHelpViewer::FollowExternal(const QString& address)
{
    if (!MayLeaveHelp(address.toStdString())) {
        if (actions_.refuse)
            actions_.refuse(RefusedAddressMessage(address));
        return;
    }
    if (actions_.ask && actions_.ask(address) && actions_.open)
        actions_.open(address);
}

void THtmlHelpViewer::LinkClicked(const QUrl& url)
{
    const ResolvedLink link = ResolveHelpLink(current_, url.toString().toStdString());
    if (link.kind == LinkKind::External) {
        FollowExternal(FromUtf8(link.external));
        return;
    }
    if (link.kind != LinkKind::Topic)
        return;
    if (link.address.file == current_.file && link.address.object == current_.object && !notFound_) {
        // An anchor on the same page: scroll, and remember it for Back.
        back_.push_back(current_);
        forward_.clear();
        current_ = link.address;
        TopicBrowser->scrollToAnchor(FromUtf8(link.address.fragment));
        UpdateButtons();
        return;
    }
    FollowPageAddress(link.address);
}

void THtmlHelpViewer::OpenTreeItem(QTreeWidgetItem* item)
{
    const QString address = item ? item->data(0, kAddressRole).toString() : QString();
    if (!address.isEmpty() && address != CurrentAddress())
        FollowPageAddress(ParseHelpAddress(address.toStdString()));
}

void THtmlHelpViewer::OpenListItem(QListWidgetItem* item)
{
    const QString address = item ? item->data(kAddressRole).toString() : QString();
    if (!address.isEmpty())
        FollowPageAddress(ParseHelpAddress(address.toStdString()));
}

void THtmlHelpViewer::FitPictures()
{
    QTextDocument* document = TopicBrowser->document();
    // The page's width with room for a vertical scroll bar, whether one is
    // shown or not: a picture fitted to the page must not bring one in and
    // then be too wide for what is left.
    const int room = TopicBrowser->width() - 2 * TopicBrowser->frameWidth() -
                     TopicBrowser->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, TopicBrowser) -
                     2 * static_cast<int>(document->documentMargin()) - kPictureSlack;
    if (room < 16 || room == fittedWidth_)
        return;
    fittedWidth_ = room;
    struct Picture {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Picture> pictures;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextFragment fragment = it.fragment(); fragment.charFormat().isImageFormat())
                pictures.push_back({fragment.position(), fragment.length(), fragment.charFormat().toImageFormat()});
    for (Picture& picture : pictures) {
        QTextImageFormat& format = picture.format;
        if (!format.hasProperty(kSizeRemembered)) {
            format.setProperty(kSizeRemembered, true);
            format.setProperty(kWrittenWidth, format.hasProperty(QTextFormat::ImageWidth) ? format.width() : 0.0);
            format.setProperty(kWrittenHeight, format.hasProperty(QTextFormat::ImageHeight) ? format.height() : 0.0);
        }
        const QVariant resource = document->resource(QTextDocument::ImageResource, QUrl(format.name()));
        const QSizeF own = resource.userType() == QMetaType::QPixmap ? QSizeF(resource.value<QPixmap>().size())
                                                                     : QSizeF(resource.value<QImage>().size());
        const qreal writtenWidth = format.doubleProperty(kWrittenWidth);
        const qreal writtenHeight = format.doubleProperty(kWrittenHeight);
        // The size the page gives it: as written, a missing side in the
        // picture's own proportion, else the picture's own size.
        QSizeF size = own;
        if (writtenWidth > 0 && writtenHeight > 0)
            size = QSizeF(writtenWidth, writtenHeight);
        else if (writtenWidth > 0)
            size = QSizeF(writtenWidth, own.width() > 0 ? own.height() * writtenWidth / own.width() : 0);
        else if (writtenHeight > 0)
            size = QSizeF(own.height() > 0 ? own.width() * writtenHeight / own.height() : 0, writtenHeight);
        format.clearProperty(QTextFormat::ImageWidth);
        format.clearProperty(QTextFormat::ImageHeight);
        if (size.width() > room && size.height() > 0) {
            format.setWidth(room);
            format.setHeight(size.height() * room / size.width());
        } else {
            if (writtenWidth > 0)
                format.setWidth(writtenWidth);
            if (writtenHeight > 0)
                format.setHeight(writtenHeight);
        }
        QTextCursor cursor(document);
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

void THtmlHelpViewer::BackBtnClick()
{
    if (back_.empty())
        return;
    forward_.push_back(current_);
    const HelpAddress target = back_.back();
    back_.pop_back();
    Display(target);
}

void THtmlHelpViewer::ForwardBtnClick()
{
    if (forward_.empty())
        return;
    back_.push_back(current_);
    const HelpAddress target = forward_.back();
    forward_.pop_back();
    Display(target);
}

void THtmlHelpViewer::HomeBtnClick()
{
    if (!hasCurrent_)
        return;
    ShowAddress(FromUtf8(current_.file + "::"));
}

void THtmlHelpViewer::PrintBtnClick()
{
    if (!hasCurrent_)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print help topic"));
    if (dialog.exec() == QDialog::Accepted)
        TopicBrowser->document()->print(&printer);
}

}  // namespace orvane
