// The help system: the search for help files, the help mode and its menu, the
// question before a change, the "?" buttons and the help window on the
// program's compiled help file.

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "../TestSupport.h"
#include "tests/ModalTestSupport.h"
#include "tools/help/ApplicationHelpFile.h"
#include "tools/help/HelpCommands.h"
#include "tools/help/HelpSystem.h"
#include "tools/help/HtmlHelpViewerF.h"
#include "tools/settings/IniSettings.h"
#include "tools/units/GenUniConvesionF.h"

namespace orvane {

namespace fs = std::filesystem;

namespace {

// The program's compiled help file, made by the build.
const std::string kHelpChm = ORVANE_HELP_CHM;

void Touch(const fs::path& path)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

THtmlHelpViewer* FindViewer()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("HtmlHelpViewer"))
            return qobject_cast<THtmlHelpViewer*>(w);
    return nullptr;
}

using test::AnswerNextMessageBox;

// A window with the main window's "?" buttons and a Help menu.
struct HelpWindow {
    QMainWindow window;
    QMenu* help;
    explicit HelpWindow(const std::string& ini)
    {
        help = window.menuBar()->addMenu("Help");
        help->addAction("About");
        auto* central = new QWidget(&window);
        auto* layout = new QVBoxLayout(central);
        auto* methods = new QWidget(central);  // three "?" buttons share one group
        auto* methodLayout = new QVBoxLayout(methods);
        for (const auto& entry : THelpCommands::kHelpButtons) {
            const bool method = QByteArray(entry.name) >= "SpeedButton3";
            QWidget* parent = method ? methods : new QWidget(central);
            if (!method)
                layout->addWidget(parent);
            auto* button = new QToolButton(parent);
            button->setObjectName(entry.name);
            button->setText("?");
            if (method)
                methodLayout->addWidget(button);
        }
        layout->addWidget(methods);
        window.setCentralWidget(central);
        commands = new THelpCommands(&window, help, ini);
    }
    THelpCommands* commands;
};

}  // namespace

class TestHelpSystem : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void findHelpFile_data();
    void findHelpFile();
    void findHelpFileInCurrentFolder();
    void switchHelpFile();
    void initHelpMode_data();
    void initHelpMode();
    void askHelpModeChange_data();
    void askHelpModeChange();
    void confirmedChangeClosesTheWindow();
    void helpButtonsOpenTheirTopics();
    void everyRequestedTopicExists();
    void unitToolHelpAndF1();
    void missingTopicAndFile();
    void windowsHelpModeSaysWhy();
    void viewerNavigation();
    void faqContentsShowWholeQuestions();
    void widePicturesFitThePage();

private:
    test::TempDir temp_;
};

void TestHelpSystem::init()
{
    ResetHelpSystemForTesting();
    THtmlHelpViewer::CloseAll();
}

void TestHelpSystem::cleanup() { THtmlHelpViewer::CloseAll(); }

void TestHelpSystem::findHelpFile_data()
{
    QTest::addColumn<QStringList>("files");  // below the folder that holds prog/
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing installed, Windows Help") << QStringList {} << "KAVRO421" << 0 << "prog/HLP/KAVRO421ENG.HLP";
    QTest::newRow("nothing installed, HTML Help") << QStringList {} << "KAVRO421" << 1 << "prog/HLP/KAVRO421ENG.CHM";
    QTest::newRow("program folder before HLP") << QStringList {"prog/HLP/KAVRO421ENG.CHM", "prog/KAVRO421ENG.CHM"}
                                               << "KAVRO421" << 1 << "prog/KAVRO421ENG.CHM";
    QTest::newRow("HLP before fHLP") << QStringList {"prog/fHLP/KAVRO421ENG.HLP", "prog/HLP/KAVRO421ENG.HLP"}
                                     << "KAVRO421" << 0 << "prog/HLP/KAVRO421ENG.HLP";
    QTest::newRow("ENG anywhere before plain") << QStringList {"prog/KAVRO421.HLP", "HLPS/ENG/KAVRO421ENG.HLP"}
                                               << "KAVRO421" << 0 << "HLPS/ENG/KAVRO421ENG.HLP";
    QTest::newRow("plain when there is no ENG")
        << QStringList {"prog/fHLP/KAVRO421.CHM"} << "KAVRO421" << 1 << "prog/fHLP/KAVRO421.CHM";
    QTest::newRow("extension follows the mode")
        << QStringList {"prog/HLP/KAVRO421ENG.CHM"} << "KAVRO421" << 0 << "prog/HLP/KAVRO421ENG.HLP";
    QTest::newRow("KAVRO571env falls back to KAVRO571")
        << QStringList {"prog/HLP/KAVRO571ENG.CHM"} << "KAVRO571env" << 1 << "prog/HLP/KAVRO571ENG.CHM";
    QTest::newRow("KAVRO571env own file first") << QStringList {"prog/HLP/KAVRO571ENG.CHM", "prog/fHLP/KAVRO571env.CHM"}
                                                << "KAVRO571env" << 1 << "prog/fHLP/KAVRO571env.CHM";
    QTest::newRow("no fallback for other names")
        << QStringList {"prog/HLP/KAVRO571ENG.CHM"} << "KAVRO571en" << 1 << "prog/HLP/KAVRO571enENG.CHM";
    QTest::newRow("a folder of that name is no file")
        << QStringList {"prog/KAVRO421ENG.CHM/x"} << "KAVRO421" << 1 << "prog/HLP/KAVRO421ENG.CHM";
}

void TestHelpSystem::findHelpFile()
{
    QFETCH(QStringList, files);
    QFETCH(QString, base);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    const fs::path root = temp_.Path() / QTest::currentDataTag();
    fs::create_directories(root / "prog");
    for (const QString& file : files)
        Touch(root / file.toStdString());
    const std::string program = (root / "prog").string() + "/";
    const std::string found = FindHelpFileIn(program, base.toStdString(), mode);
    QCOMPARE(fs::path(found).lexically_normal().string(), (root / expected.toStdString()).string());
}

void TestHelpSystem::findHelpFileInCurrentFolder()
{
    const fs::path work = temp_.Path() / "cwd";
    Touch(work / "KAVRO421ENG.CHM");
    Touch(temp_.Path() / "p2/KAVRO421ENG.CHM");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(work.string()));
    const std::string found = FindHelpFileIn((temp_.Path() / "p2").string() + "/", "KAVRO421", 1);
    QDir::setCurrent(previous);
    // Found by its bare name, and named absolutely so that it still means
    // that file after the current folder changes.
    QCOMPARE(found, (work / "KAVRO421ENG.CHM").string());
}

void TestHelpSystem::switchHelpFile()
{
    SetApplicationHelpFile("/p/Orvane.CHM");
    InitHelpMode(nullptr, nullptr, 1);
    const std::string previous = SwitchHelpFile("KAVRO421");
    QCOMPARE(previous, std::string("/p/Orvane.CHM"));
    QVERIFY(ApplicationHelpFile().ends_with("KAVRO421ENG.CHM"));
    QCOMPARE(HtmlHelpFile(), ApplicationHelpFile());  // HTML Help mode: the viewer's file too
}

void TestHelpSystem::initHelpMode_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("caption");
    QTest::newRow("0") << 0 << 0 << ".HLP"
                       << "Help mode  [Windows Help]";
    QTest::newRow("1") << 1 << 1 << ".CHM"
                       << "Help mode  [HTML HELP]";
    QTest::newRow("2: the .CHM name, Windows Help") << 2 << 0 << ".CHM"
                                                    << "Help mode  [Windows Help]";
}

void TestHelpSystem::initHelpMode()
{
    QFETCH(int, stored);
    QFETCH(int, mode);
    QFETCH(QString, extension);
    QFETCH(QString, caption);
    const std::string ini = temp_.File("Orvane.INI");
    WriteIniInteger(ini, "HELP", "ACTIVE", stored);
    HelpWindow w(ini);
    QCOMPARE(HelpMode(), mode);
    QVERIFY(QString::fromStdString(ApplicationHelpFile()).endsWith(extension));
    QCOMPARE(w.commands->setWinHelpMenu->isChecked(), mode == 0);
    QCOMPARE(w.commands->setHTMLHelpmenu->isChecked(), mode == 1);
    QCOMPARE(w.commands->setHelpmenu->title(), caption);
    QCOMPARE(w.commands->setWinHelpMenu->text(), QString("Windows Help"));
    QCOMPARE(w.commands->setHTMLHelpmenu->text(), QString("HTML HELP"));
    QCOMPARE(HtmlHelpFile(), mode == 1 ? ApplicationHelpFile() : std::string());
    // "Help" and "Help mode" head the Help menu, before what was there.
    QCOMPARE(w.help->actions().at(0), w.commands->HelpContents);
    QCOMPARE(w.help->actions().at(1), w.commands->setHelpmenu->menuAction());
    // Once per run: a second call changes nothing.
    InitHelpMode(w.commands->setWinHelpMenu, w.commands->setHTMLHelpmenu, 1 - mode);
    QCOMPARE(HelpMode(), mode);
}

void TestHelpSystem::askHelpModeChange_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("requested");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    const QString toWin = "Change Help style from: HTML HELP to Windows HELP\nThe program will close to reset";
    const QString toHtml = "Change Help style from: Windows HELP to HTML HELP\nThe program will close to reset";
    QTest::newRow("to Windows Help, Yes") << 1 << 0 << true << toWin;
    QTest::newRow("to Windows Help, No") << 1 << 0 << false << toWin;
    QTest::newRow("to HTML Help, Yes") << 0 << 1 << true << toHtml;
    QTest::newRow("to HTML Help, No") << 0 << 1 << false << toHtml;
    QTest::newRow("Windows Help while active still asks") << 0 << 0 << true << toWin;
}

void TestHelpSystem::askHelpModeChange()
{
    QFETCH(int, current);
    QFETCH(int, requested);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    SetHelpMode(current);
    QString shown;
    AnswerNextMessageBox(yes ? QMessageBox::Yes : QMessageBox::No, &shown);
    QCOMPARE(AskHelpModeChange(requested), yes);
    QCOMPARE(shown, question);
    QCOMPARE(HelpMode(), yes ? requested : current);
}

void TestHelpSystem::confirmedChangeClosesTheWindow()
{
    const std::string ini = temp_.File("close.INI");
    WriteIniInteger(ini, "HELP", "ACTIVE", 1);
    HelpWindow w(ini);
    w.window.show();
    AnswerNextMessageBox(QMessageBox::No, nullptr);
    w.commands->setWinHelpMenu->trigger();
    // Whatever the answer queued runs before a call queued after it.
    bool flushed = false;
    QTimer::singleShot(0, [&flushed] { flushed = true; });
    QTRY_VERIFY(flushed);
    QVERIFY(w.window.isVisible());
    QCOMPARE(HelpMode(), 1);
    AnswerNextMessageBox(QMessageBox::Yes, nullptr);
    w.commands->setWinHelpMenu->trigger();
    QTRY_VERIFY(!w.window.isVisible());
    QCOMPARE(HelpMode(), 0);  // what the window's shutdown stores
}

void TestHelpSystem::helpButtonsOpenTheirTopics()
{
    const std::string ini = temp_.File("buttons.INI");
    WriteIniInteger(ini, "HELP", "ACTIVE", 1);
    HelpWindow w(ini);
    SetHtmlHelpFile(kHelpChm);
    QCOMPARE(w.commands->ConnectHelpButtons(), 5);
    for (const auto& entry : THelpCommands::kHelpButtons) {
        w.window.findChild<QToolButton*>(entry.name)->click();
        THtmlHelpViewer* viewer = FindViewer();
        QVERIFY2(viewer, entry.name);
        QCOMPARE(viewer->CurrentTopic(), QString("/%1.htm").arg(entry.keyword));
        QVERIFY2(!viewer->ShowsNotFoundPage(), entry.keyword);
        QVERIFY(viewer->isVisible());
    }
    QCOMPARE(w.commands->ConnectHelpButtons(), 5);  // again: still one connection per button
    w.commands->HelpContents->trigger();
    QCOMPARE(FindViewer()->CurrentTopic(), QString("/Contents.htm"));
    // The wind group names its topic for F1; the shared method column does not.
    QCOMPARE(w.window.findChild<QToolButton*>("SpeedButton1")->parentWidget()->property(kHelpKeywordProperty),
             QVariant("WindData"));
    QVERIFY(
        !w.window.findChild<QToolButton*>("SpeedButton3")->parentWidget()->property(kHelpKeywordProperty).isValid());

    // F1 in the wind group opens its topic: the application's key filter is
    // installed although the application has other children.
    THtmlHelpViewer::CloseAll();
    w.window.show();
    QApplication::setActiveWindow(&w.window);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QWidget* windGroup = w.window.findChild<QToolButton*>("SpeedButton1")->parentWidget();
    windGroup->setFocusPolicy(Qt::StrongFocus);
    windGroup->setFocus();
    QTest::keyClick(&w.window, Qt::Key_F1);
    QVERIFY(FindViewer());
    QCOMPARE(FindViewer()->CurrentTopic(), QString("/WindData.htm"));
}

void TestHelpSystem::everyRequestedTopicExists()
{
    InitHelpMode(nullptr, nullptr, 1);
    SetHtmlHelpFile(kHelpChm);
    for (const char* keyword : {"Contents", "WindData", "RegionCoordinates", "DirectionalEffects", "SpectrumTypes",
                                "HsTs", "GeneralActions1"}) {
        ShowHelpTopic(keyword);
        QVERIFY2(!FindViewer()->ShowsNotFoundPage(), keyword);
        QVERIFY2(!FindViewer()->PageTitle().isEmpty(), keyword);
    }
}

void TestHelpSystem::unitToolHelpAndF1()
{
    const std::string ini = temp_.File("units.INI");
    WriteIniInteger(ini, "HELP", "ACTIVE", 1);
    HelpWindow w(ini);
    std::unique_ptr<TGenUniConvesion> tool(CreateForm<TGenUniConvesion>(&w.window, ini));
    SetHtmlHelpFile(kHelpChm);  // the tool made the (missing) KAVRO421 file of this test's folder current
    // The hidden "Help" button keeps its topic.
    tool->HelpBtn->click();
    QCOMPARE(FindViewer()->CurrentTopic(), QString("/GeneralActions1.htm"));
    FindViewer()->close();
    // F1 in the tool's input field: the topic the window names, not "Contents".
    tool->show();
    QVERIFY(QTest::qWaitForWindowActive(tool.get()));
    tool->InputEdit[0]->setFocus();
    QTest::keyClick(tool->InputEdit[0], Qt::Key_F1);
    QTRY_VERIFY(FindViewer() && FindViewer()->isVisible());
    QCOMPARE(FindViewer()->CurrentTopic(), QString("/GeneralActions1.htm"));
}

void TestHelpSystem::missingTopicAndFile()
{
    InitHelpMode(nullptr, nullptr, 1);
    SetHtmlHelpFile(kHelpChm);
    ShowHelpTopic("NoSuchTopic");
    THtmlHelpViewer* viewer = FindViewer();
    QVERIFY(viewer->ShowsNotFoundPage());
    QString text = viewer->TopicBrowser->toPlainText();
    QVERIFY2(text.contains("NoSuchTopic.htm") && text.contains(QString::fromStdString(kHelpChm)), qPrintable(text));

    SetHtmlHelpFile("/nonexistent/KAVRO421ENG.CHM");
    ShowHelpTopic("WindData");
    text = viewer->TopicBrowser->toPlainText();
    QVERIFY(viewer->ShowsNotFoundPage());
    QVERIFY2(text.contains("/nonexistent/KAVRO421ENG.CHM") && text.contains("HLP/") && text.contains("fHLP/"),
             qPrintable(text));
    viewer->BackBtnClick();  // the missing pages are in the history like any page
    QCOMPARE(viewer->CurrentTopic(), QString("/NoSuchTopic.htm"));
}

void TestHelpSystem::windowsHelpModeSaysWhy()
{
    InitHelpMode(nullptr, nullptr, 0);
    SetApplicationHelpFile("/p/HLP/KAVRO421ENG.HLP");
    std::vector<std::string> shown;
    ScopedMessageSink sink([&](MessageKind, const std::string& text) { shown.push_back(text); });
    ShowHelpTopic("WindData");
    QCOMPARE(shown.size(), std::size_t(1));
    const QString text = QString::fromStdString(shown[0]);
    QVERIFY(text.contains("cannot be shown on this system"));
    QVERIFY(text.contains("\"WindData\"") && text.contains("/p/HLP/KAVRO421ENG.HLP"));
    QVERIFY(text.contains("Help mode  [HTML HELP]"));
    QVERIFY(!FindViewer());
}

void TestHelpSystem::viewerNavigation()
{
    InitHelpMode(nullptr, nullptr, 1);
    SetHtmlHelpFile(kHelpChm);
    ShowHelpTopic("Contents");
    THtmlHelpViewer* viewer = FindViewer();
    QVERIFY(viewer->ContentsTree->topLevelItemCount() > 0);
    QVERIFY(!viewer->BackBtn->isEnabled());
    ShowHelpTopic("WindData");
    // Pictures come from inside the help file.
    const QVariant picture =
        viewer->TopicBrowser->loadResource(QTextDocument::ImageResource, QUrl("images/wind-direction.png"));
    QVERIFY(picture.canConvert<QImage>() && !picture.value<QImage>().isNull());
    QVERIFY(viewer->BackBtn->isEnabled());
    viewer->BackBtnClick();
    QCOMPARE(viewer->CurrentTopic(), QString("/Contents.htm"));
    viewer->ForwardBtnClick();
    QCOMPARE(viewer->CurrentTopic(), QString("/WindData.htm"));
    QCOMPARE(viewer->ContentsTree->currentItem()->text(0), QString("Wind data"));
    // A link inside the page, resolved inside the file.
    emit viewer->TopicBrowser->anchorClicked(QUrl("HsTs.htm#depth"));
    QCOMPARE(viewer->CurrentTopic(), QString("/HsTs.htm"));
    const QStringList hits = viewer->Search("jonswap peak");
    QVERIFY(!hits.isEmpty());
    QVERIFY2(hits.first().endsWith("/SpectrumTypes.htm"), qPrintable(hits.join(' ')));
    QVERIFY(viewer->Search("qqqnotaword").isEmpty());
    // The Index and Search tabs are for typing: their field takes the cursor.
    viewer->NavigationTabs->setCurrentIndex(1);
    QCOMPARE(viewer->focusWidget(), viewer->IndexEdit);
    viewer->NavigationTabs->setCurrentIndex(2);
    QCOMPARE(viewer->focusWidget(), viewer->SearchEdit);
}

void TestHelpSystem::faqContentsShowWholeQuestions()
{
    const QString faq = QString::fromStdString(fs::path(kHelpChm).parent_path().parent_path() / "OrvaneFAQ.chm");
    THtmlHelpViewer* viewer = THtmlHelpViewer::Instance();
    viewer->ShowAddress(faq + "::");
    QStringList titles;
    for (QTreeWidgetItemIterator it(viewer->ContentsTree); *it; ++it)
        titles << (*it)->text(0);
    QVERIFY2(titles.contains("I changed \"Units of coordinates\" from m to Km and nothing was converted. Why?"),
             qPrintable(titles.join('\n')));
    QVERIFY(titles.contains("The help says \"Windows Help files cannot be shown on this system\"."));
}

void TestHelpSystem::widePicturesFitThePage()
{
    InitHelpMode(nullptr, nullptr, 1);
    SetHtmlHelpFile(kHelpChm);
    ShowHelpTopic("Contents");  // its first picture is 1024 x 660 pixels
    THtmlHelpViewer* viewer = FindViewer();
    // The size the page shows the first picture at: as its format says, or the picture's own.
    auto pictureSize = [viewer] {
        QTextDocument* page = viewer->TopicBrowser->document();
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (const QTextCharFormat format = it.fragment().charFormat(); format.isImageFormat()) {
                    const QTextImageFormat picture = format.toImageFormat();
                    const QImage own = page->resource(QTextDocument::ImageResource, picture.name()).value<QImage>();
                    return QSizeF(picture.hasProperty(QTextFormat::ImageWidth) ? picture.width() : own.width(),
                                  picture.hasProperty(QTextFormat::ImageHeight) ? picture.height() : own.height());
                }
        return QSizeF();
    };
    viewer->resize(900, 600);
    QTRY_VERIFY(pictureSize().width() > 0);
    const QSizeF narrow = pictureSize();
    QVERIFY2(narrow.width() <= viewer->TopicBrowser->viewport()->width(), qPrintable(QString::number(narrow.width())));
    QCOMPARE(qRound(narrow.height() * 1024 / narrow.width()), 660);
    QCOMPARE(viewer->TopicBrowser->horizontalScrollBar()->maximum(), 0);
    // Wide enough again: the picture's own size.
    viewer->resize(1600, 900);
    QTRY_COMPARE(pictureSize(), QSizeF(1024, 660));
}

}  // namespace orvane

QTEST_MAIN(orvane::TestHelpSystem)
#include "tst_helpsystem.moc"
