// The main window's "Fetch and wave rose" command and the rose window's
// "Use this direction".

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "OrvaneMainTestSupport.h"
#include "core/Messages.h"
#include "ui/WaveRoseF.h"

namespace orvane {

using namespace test;

class OrvaneMainRoseTest : public QObject {
    Q_OBJECT

private:
    AppState state_;

private slots:
    void init() { CleanProgramFolder(); }
    void cleanup() { TOrvaneMain::SetScreenSizeForTesting(QSize()); }

    void needsAnOpenFile()
    {
        auto w = ShowWindow(state_);
        std::string message;
        ScopedMessageSink sink([&](MessageKind, const std::string& text) { message = text; });
        w->findChild<QAction*>(QStringLiteral("Fetchandwaverose1"))->trigger();
        QCOMPARE(QString::fromStdString(message), QStringLiteral("A file must be opened first"));
        QVERIFY(!w->WaveRose1);
    }

    void showsTheRoseAndUsesADirection()
    {
        auto w = ShowWindow(state_);
        const QString project = Folder() + QStringLiteral("Projects/Rose.WDT");
        WriteProject(project, RectangleProject(2000, 1000));
        w->OpenProjectFile(project);
        QAction* item = w->findChild<QAction*>(QStringLiteral("Fetchandwaverose1"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Fetch and wave rose"));
        QVERIFY(w->Actions1->actions().contains(item));

        Type(w->Edit5, QStringLiteral("30"));  // typed, not yet committed
        item->trigger();
        auto* rose = w->findChild<TWaveRose*>(QStringLiteral("WaveRose"));
        QVERIFY(rose && rose->isVisible());
        QCOMPARE(state_.project.WindVelocity, 30.0f);  // the command committed first
        QCOMPARE(rose->RoseTable->rowCount(), 36);

        // A commit in the main window reaches the open rose at once, not at its next look.
        const float before = rose->Rose().rows[0].heightM;
        Type(w->Edit5, QStringLiteral("60"), true);
        QCOMPARE(state_.project.WindVelocity, 60.0f);
        QVERIFY(rose->Rose().rows[0].heightM > 1.5f * before);

        rose->RoseTable->selectRow(27);
        QTest::mouseClick(rose->UseDirectionBtn, Qt::LeftButton);
        QCOMPARE(w->Edit3->text(), QStringLiteral("270.00"));
        QCOMPARE(state_.project.WindDirection, 270.0f);
        QCOMPARE(MemoLines(*w), EngineLines(state_.project));

        item->trigger();  // again: the same window
        QCOMPARE(w->findChildren<TWaveRose*>().size(), 1);
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneMainRoseTest)
#include "OrvaneMainRoseTest.moc"
