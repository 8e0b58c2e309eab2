// The tool-window base and its button-bar window.

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "tools/FormCloseHelpF.h"
#include "tools/FormFonts.h"
#include "tools/ShellOpen.h"
#include "tools/WorkArea.h"
#include "tools/help/ApplicationHelpFile.h"

namespace orvane {

// Records the hooks in the order the base calls them.
class RecordingForm : public TFormCloseHelp {
public:
    explicit RecordingForm(QStringList& log) : log_(log) { }
    ~RecordingForm() override { log_ << "destroyed"; }

protected:
    void FormSetUp() override
    {
        TFormCloseHelp::FormSetUp();
        log_ << "setup:" + windowTitle();
        setWindowTitle("Tool caption");
        SetApplicationHelpFile("/help/Tool.HLP");  // the window's own help file while it exists
    }
    void FormLayout() override { log_ << "layout"; }

private:
    QStringList& log_;
};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestToolWindows : public QObject {
    Q_OBJECT
private slots:
    void buttonBar();
    void closeGivesOk();
    void creationShowResizeDestruction();
    void showWithoutCreateForm();
    void formFonts();
    void fitToWorkArea();
    void openWithShell_data();
    void openWithShell();
};

void TestToolWindows::buttonBar()
{
    std::unique_ptr<TFormCloseHelp> form(CreateForm<TFormCloseHelp>());
    form->resize(473, 355);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    QCOMPARE(form->BottomPanel->height(), 47);
    QCOMPARE(form->BottomPanel->width(), form->width());
    QCOMPARE(form->BottomPanel->geometry().bottom(), form->height() - 1);
    QCOMPARE(form->ButtonPanel->size(), QSize(174, 47));
    QCOMPARE(form->ButtonPanel->geometry().right(), form->BottomPanel->width() - 1);

    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        QRect geometry;
    } buttons[] = {
        {"CloseBtn", "Close", "close current window", QRect(10, 9, 75, 25)},
        {"HelpBtn", "Help", "Help on the subject", QRect(88, 9, 75, 25)},
    };
    for (const auto& b : buttons) {
        auto* button = form->findChild<QPushButton*>(b.name);
        QVERIFY2(button, b.name);
        QCOMPARE(button->text(), QString(b.caption));
        QCOMPARE(button->toolTip(), QString(b.hint));
        QCOMPARE(button->geometry(), b.geometry);
        QCOMPARE(button->parentWidget(), form->ButtonPanel);
        QVERIFY(button->isVisible());
    }
    auto* print = form->findChild<QPushButton*>("extraPRBtn");
    QVERIFY(print);
    QCOMPARE(print->text(), QString("Print"));
    QCOMPARE(print->toolTip(), QString("printout"));
    QVERIFY(!print->isVisible());
    QVERIFY(!print->isEnabled());
    QCOMPARE(print->width(), 0);
    form->grab().save("FormCloseHelp.png");
}

void TestToolWindows::closeGivesOk()
{
    std::unique_ptr<TFormCloseHelp> form(CreateForm<TFormCloseHelp>());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(form->HelpBtn, Qt::LeftButton);
    QVERIFY2(form->isVisible(), "Help does nothing of its own");
    QTest::mouseClick(form->CloseBtn, Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Accepted));
}

void TestToolWindows::creationShowResizeDestruction()
{
    SetApplicationHelpFile("/help/Main.HLP");
    QStringList log;
    auto* form = CreateForm<RecordingForm>(log);
    // Layout before set-up; the base set-up clears the caption first.
    QCOMPARE(log, QStringList({"layout", "setup:"}));
    QCOMPARE(form->KeptCaption(), QString("Tool caption"));
    QCOMPARE(ApplicationHelpFile(), std::string("/help/Tool.HLP"));

    form->setWindowTitle("changed while hidden");
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->windowTitle(), QString("Tool caption"));

    log.clear();
    form->resize(form->width() + 40, form->height() + 30);
    QTRY_VERIFY(log.contains("layout"));

    delete form;
    QCOMPARE(log.last(), QString("destroyed"));
    QCOMPARE(ApplicationHelpFile(), std::string("/help/Main.HLP"));
}

void TestToolWindows::showWithoutCreateForm()
{
    QStringList log;
    RecordingForm form(log);
    QVERIFY(log.isEmpty());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.IsCreated());
    QCOMPARE(log.mid(0, 2), QStringList({"layout", "setup:"}));
    QCOMPARE(form.windowTitle(), QString("Tool caption"));
    form.FormCreate();  // once only
    QCOMPARE(log.count("setup:"), 1);
}

void TestToolWindows::formFonts()
{
    QWidget window;
    auto* label = new QLabel("Label", &window);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(14);
    label->setFont(bold);
    auto* button = new QPushButton("Button", &window);
    auto* grid = new QTableWidget(2, 2, &window);
    QFont gridFont("Arial", 9);
    grid->setFont(gridFont);
    auto* bar = new QMenuBar(&window);
    QMenu* file = bar->addMenu("File");
    file->addAction("Open");
    file->addAction("Options");
    file->addAction("E&xit");
    bar->addMenu("Format");

    ApplyFormFace(&window, "Liberation Serif");
    QCOMPARE(window.font().family(), QString("Liberation Serif"));
    QCOMPARE(label->font().family(), QString("Liberation Serif"));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSize(), 14);
    QCOMPARE(button->font().family(), QString("Liberation Serif"));
    QCOMPARE(grid->font().family(), QString("Arial"));

    QCOMPARE(bar->actions().first()->text(), QString("File"));  // the face alone leaves menus as written
    AddMenuAccelerators(&window);
    QStringList menuBar;
    for (QAction* a : bar->actions())
        menuBar << a->text();
    QCOMPARE(menuBar, QStringList({"&File", "F&ormat"}));
    QStringList items;
    for (QAction* a : file->actions())
        items << a->text();
    QCOMPARE(items, QStringList({"&Open", "O&ptions", "E&xit"}));
}

void TestToolWindows::fitToWorkArea()
{
    QWidget window;
    window.show();
    const QRect work = window.screen()->availableGeometry();
    window.resize(work.width() + 300, work.height() + 200);
    FitToWorkArea(&window);
    QCOMPARE(window.size(), work.size());
    window.resize(work.width() - 100, work.height() + 50);
    FitToWorkArea(&window);
    QCOMPARE(window.size(), QSize(work.width() - 100, work.height()));
}

void TestToolWindows::openWithShell_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("manual") << "/opt/Orvane/Doc/Orvane Manual.pdf"
                            << QUrl::fromLocalFile("/opt/Orvane/Doc/Orvane Manual.pdf");
    QTest::newRow("hash in name") << "/tmp/a#1.doc" << QUrl::fromLocalFile("/tmp/a#1.doc");
    QTest::newRow("web page") << "https://example.org/orvane?x=1" << QUrl("https://example.org/orvane?x=1");
}

void TestToolWindows::openWithShell()
{
    QFETCH(QString, path);
    QFETCH(QUrl, url);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(url.scheme(), &catcher, "open");
    OpenWithShell(path.toStdString());
    QDesktopServices::unsetUrlHandler(url.scheme());
    QCOMPARE(catcher.urls, QList<QUrl>({url}));
}

}  // namespace orvane

QTEST_MAIN(orvane::TestToolWindows)
#include "tst_toolwindows.moc"
