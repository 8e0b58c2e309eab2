// A help file is outside data. This one is built here, with pages that name
// local files as pictures and style sheets and link to everything a desktop
// can open. Shown in the viewer, it must make no read outside the help file
// (the files it names are watched with inotify) and open nothing without a
// question naming the address.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTextBlock>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../TestSupport.h"
#include "tools/help/HelpSystem.h"
#include "tools/help/HtmlHelpViewerF.h"

namespace orvane {

namespace fs = std::filesystem;

class TestHelpViewerSafety : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void picturesAndStyleSheetsComeOnlyFromTheFile();
    void links_data();
    void links();
    void contentsEntryToAForeignFile();

private:
    // Opens and reads of the watched folder since the last call.
    int FileEvents();
    THtmlHelpViewer* Show(const QString& topic);

    test::TempDir temp_;
    fs::path outside_;  // the local files the pages name
    QString chm_;
    QString previousFolder_;
    int watch_ = -1;
    int asked_ = 0;
    int refused_ = 0;
    QStringList opened_;
    bool answer_ = false;
};

namespace {

void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The links of the page Links.htm (OUTSIDE is the folder of the local files) and
// whether each may leave the viewer after a question.
struct LinkCase {
    const char* name;
    const char* href;
    bool asks;
};
const LinkCase kLinks[] = {
    {"javascript", "javascript:alert(1)", false},
    {"smb", "smb://host/share", false},
    {"data", "data:text/html,<b>x</b>", false},
    {"mailto with an attachment", "mailto:a@b.c?subject=x&amp;Attach=/etc/passwd", false},
    {"sh", "sh:rm", false},
    {"unknown scheme", "unknown:x", false},
    {"file", "file:///etc/passwd", false},
    {"another help file", "ms-its:OUTSIDE/other.chm::/Links.htm", false},
    {"a FIFO as help file", "ms-its:OUTSIDE/fifo::/a.htm", false},
    {"https", "https://example.org/waves", true},
    {"mailto", "mailto:help@example.org?subject=Waves", true},
};

QString Href(const LinkCase& c, const fs::path& outside)
{
    return QString(c.href).replace("OUTSIDE", QString::fromStdString(outside.string())).replace("&amp;", "&");
}

}  // namespace

void TestHelpViewerSafety::initTestCase()
{
    outside_ = temp_.Path() / "outside";
    const fs::path source = temp_.Path() / "source";
    const fs::path work = temp_.Path() / "work/a/b";
    for (const fs::path& folder : {outside_, source, work})
        fs::create_directories(folder);
    QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString((outside_ / "secret.png").string()));
    Write(outside_ / "style.css", "body { color: red }");
    QVERIFY(::mkfifo((outside_ / "fifo").c_str(), 0600) == 0);

    const std::string out = outside_.string();
    Write(source / "Pictures.htm",
          "<html><head><title>Pictures</title><link rel=\"stylesheet\" href=\"file://" + out +
              "/style.css\"><link rel=\"stylesheet\" href=\"" + out +
              "/fifo\"></head><body><p>Hostile</p>"
              "<img src=\"file:///etc/passwd\"><img src=\"/etc/passwd\"><img src=\"../../../etc/passwd\">"
              "<img src=\"file:///dev/zero\"><img src=\"file://" +
              out + "/secret.png\"><img src=\"" + out +
              "/secret.png\"><img src=\"../../../outside/secret.png\"><img src=\"" + out +
              "/fifo\">"
              "<img src=\"file://" +
              out + "/fifo\"></body></html>");
    std::string links = "<html><head><title>Links</title></head><body>";
    for (const LinkCase& c : kLinks)
        links +=
            "<a href=\"" + QString(c.href).replace("OUTSIDE", QString::fromStdString(out)).toStdString() + "\">x</a> ";
    Write(source / "Links.htm", links + "</body></html>");
    Write(source / "Hostile.hhc",
          "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Elsewhere\"><param name=\"Local\" "
          "value=\"ms-its:" +
              out + "/other.chm::/Links.htm\"></OBJECT></UL>");
    Write(source / "Hostile.hhp", "[OPTIONS]\nCompiled file=Hostile.chm\nContents file=Hostile.hhc\n"
                                  "Default topic=Pictures.htm\nTitle=Hostile\n\n[FILES]\nPictures.htm\nLinks.htm\n");
    // Without its own scan: chmcmd would take the files the pages name into
    // the help file.
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(QString::fromStdString(source.string()));
    chmcmd.start(QStringLiteral(ORVANE_CHMCMD), {"--no-html-scan", "Hostile.hhp"});
    QVERIFY(chmcmd.waitForFinished(60000) && chmcmd.exitCode() == 0);
    chm_ = QString::fromStdString((source / "Hostile.chm").string());
    fs::copy_file(source / "Hostile.chm", outside_ / "other.chm");

    // Relative names, if anything took them for local files, would start
    // from the current folder: two levels below the folder beside outside/.
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(work.string()));

    watch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watch_ >= 0);
    QVERIFY(::inotify_add_watch(watch_, out.c_str(), IN_OPEN | IN_ACCESS) >= 0);

    THtmlHelpViewer* viewer = THtmlHelpViewer::Instance();
    viewer->SetLinkActions({[this](const QString&) {
                                ++asked_;
                                return answer_;
                            },
                            [this](const QString&) { ++refused_; },
                            [this](const QString& address) { opened_ << address; }});
}

void TestHelpViewerSafety::cleanupTestCase()
{
    THtmlHelpViewer::CloseAll();
    QDir::setCurrent(previousFolder_);
    if (watch_ >= 0)
        ::close(watch_);
}

int TestHelpViewerSafety::FileEvents()
{
    int events = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(watch_, buffer, sizeof buffer)) > 0;)
        for (ssize_t at = 0; at < n; ++events)
            at += static_cast<ssize_t>(sizeof(inotify_event) + reinterpret_cast<inotify_event*>(buffer + at)->len);
    return events;
}

THtmlHelpViewer* TestHelpViewerSafety::Show(const QString& topic)
{
    THtmlHelpViewer* viewer = THtmlHelpViewer::Instance();
    viewer->ShowAddress(chm_ + "::/" + topic);
    viewer->TopicBrowser->viewport()->grab();  // lays the page out and paints its pictures
    return viewer;
}

void TestHelpViewerSafety::picturesAndStyleSheetsComeOnlyFromTheFile()
{
    FileEvents();
    THtmlHelpViewer* viewer = Show("Pictures.htm");
    QVERIFY(!viewer->ShowsNotFoundPage());
    QCOMPARE(viewer->PageTitle(), QString("Pictures"));
    QCOMPARE(viewer->Search("hostile").size(), 1);  // the search reads the same page
    QCOMPARE(FileEvents(), 0);
}

void TestHelpViewerSafety::links_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<int>("asked");  // questions; each is answered Yes, then No
    for (const LinkCase& c : kLinks)
        QTest::newRow(c.name) << Href(c, outside_) << (c.asks ? 1 : 0);
}

void TestHelpViewerSafety::links()
{
    QFETCH(QString, href);
    QFETCH(int, asked);
    const int refused = 1 - asked;
    THtmlHelpViewer* viewer = Show("Links.htm");
    QStringList hrefs;  // the page's links as the viewer took them in
    for (QTextBlock block = viewer->TopicBrowser->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                hrefs << it.fragment().charFormat().anchorHref();
    QVERIFY2(hrefs.contains(href), qPrintable(hrefs.join(' ')));
    FileEvents();
    for (const bool yes : {true, false}) {
        asked_ = refused_ = 0;
        opened_.clear();
        answer_ = yes;
        emit viewer->TopicBrowser->anchorClicked(QUrl(href));
        QCOMPARE(asked_, asked);
        QCOMPARE(refused_, refused);
        QCOMPARE(opened_, yes && asked ? QStringList {href} : QStringList {});
        QCOMPARE(viewer->CurrentTopic(), QString("/Links.htm"));
    }
    QCOMPARE(FileEvents(), 0);
}

void TestHelpViewerSafety::contentsEntryToAForeignFile()
{
    THtmlHelpViewer* viewer = Show("Links.htm");
    QTreeWidgetItem* item = viewer->ContentsTree->topLevelItem(0);
    QVERIFY(item && item->text(0) == "Elsewhere");
    refused_ = 0;
    FileEvents();
    emit viewer->ContentsTree->itemClicked(item, 0);
    QCOMPARE(refused_, 1);
    QCOMPARE(viewer->CurrentAddress(), chm_ + "::/Links.htm");
    QCOMPARE(FileEvents(), 0);
}

}  // namespace orvane

QTEST_MAIN(orvane::TestHelpViewerSafety)
#include "tst_helpviewersafety.moc"
