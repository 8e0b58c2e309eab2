// A project named on the command line: opened like "Last file", or, when it
// is missing or unreadable, a message and a window without a project.

#include <QFile>
#include <QPushButton>

#include "OrvaneMainTestSupport.h"
#include "tests/TestSupport.h"
#include "tools/FixedText.h"

namespace orvane {

using namespace test;

class OrvaneMainStartTest : public QObject {
    Q_OBJECT

private:
    AppState state_;

private slots:
    void init() { CleanProgramFolder(); }
    void cleanup() { TOrvaneMain::SetScreenSizeForTesting(QSize()); }

    void opensTheNamedProject()
    {
        const QString project = Folder() + QStringLiteral("Projects/Named.WDT");
        WriteProject(project, RectangleProject(400, 300));
        auto w = ShowWindow(state_);
        MessageRecorder messages;
        QVERIFY(w->OpenStartupFile(project));
        QVERIFY(messages.messages.empty());
        QVERIFY(w->FileOpen);
        QCOMPARE(w->CurrentFile, project);
        QVERIFY(w->windowTitle().endsWith(QStringLiteral("[Named.WDT]")));
        QVERIFY(w->ComputeBtn->isEnabled());
        QCOMPARE(MemoLines(*w), EngineLines(RectangleProject(400, 300)));
    }

    void refusesWhatItCannotOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString missing = Folder() + QStringLiteral("Projects/Missing.WDT");
        const QString folder = Folder() + QStringLiteral("Projects");
        QTest::newRow("missing") << missing << QStringLiteral("project file not found [%1]").arg(missing);
        QTest::newRow("a folder") << folder << QStringLiteral("[%1] is not a regular file").arg(folder);
    }

    void refusesWhatItCannotOpen()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QDir().mkpath(Folder() + QStringLiteral("Projects"));
        auto w = ShowWindow(state_);
        MessageRecorder messages;
        QVERIFY(!w->OpenStartupFile(name));
        QCOMPARE(messages.messages.size(), std::size_t {1});
        QCOMPARE(QString::fromStdString(messages.messages[0].text), message);
        QVERIFY(!w->FileOpen);
        QVERIFY(!w->ComputeBtn->isEnabled());
        QCOMPARE(w->windowTitle(), QString::fromStdString(FixedText(FixedTextId::ProgramTitle)));
        QVERIFY(!QFile::exists(Folder() + QStringLiteral("Projects/Missing.WDT")));
        // Quitting then saves the scratch project, as after any start without a file.
        w.reset();
        QVERIFY(QFile::exists(ScratchFile()));
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneMainStartTest)
#include "OrvaneMainStartTest.moc"
