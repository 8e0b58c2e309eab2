// The main window's report commands and project title, triggered by their
// object names as a user would choose them.

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <algorithm>

#include "OrvaneMainTestSupport.h"
#include "tests/TestSupport.h"
#include "tools/ApplicationPrinter.h"
#include "tools/AttentionText.h"
#include "ui/ProjectTitleF.h"
#include "ui/ReportCommands.h"

namespace orvane {

using namespace orvane::test;

class OrvaneMainReportsTest : public QObject {
    Q_OBJECT

private:
    AppState state_;
    std::unique_ptr<TOrvaneMain> w_;
    QString project_;

    QAction* Action(const char* name) const { return w_->findChild<QAction*>(QLatin1String(name)); }
    bool SameRecord(const ProjectRecord& a) const
    {
        return std::equal(reinterpret_cast<const char*>(&a), reinterpret_cast<const char*>(&a) + sizeof a,
                          reinterpret_cast<const char*>(&state_.project));
    }

private slots:
    void initTestCase() { qputenv(kNoOpenAfterExportVariable, "1"); }
    void init()
    {
        CleanProgramFolder();
        w_ = ShowWindow(state_);
        project_ = Folder() + QStringLiteral("Projects/Lake.WDT");
        WriteProject(project_, RectangleProject(1000, 800));
        w_->OpenProjectFile(project_);
    }
    void cleanup()
    {
        w_.reset();
        TOrvaneMain::SetScreenSizeForTesting(QSize());
    }

    void menusHoldTheCommands()
    {
        const struct {
            const char* name;
            const char* caption;
            QMenu* menu;
        } items[] = {
            {"Projecttitle1", "Project title", w_->File1},
            {"Previewreport1", "Preview report", w_->Report1},
            {"Printreport1", "Print report", w_->Report1},
            {"ExportreporttoPDF1", "Export report to PDF", w_->Report1},
            {"ExportreporttoWORD1", "Export report to WORD", w_->Report1},
            {"heoreticalsummarypreview1", "Preview theoretical summary", w_->Report1},
            {"objectheoreticalsummarypreview1TMenuItem1", "Print theoretical summary", w_->Report1},
        };
        QCOMPARE(w_->Report1->title(), QStringLiteral("Report"));
        for (const auto& item : items) {
            QAction* action = Action(item.name);
            QVERIFY2(action, item.name);
            QCOMPARE(action->text(), QLatin1String(item.caption));
            QVERIFY(item.menu->actions().contains(action));
        }
    }

    void exportProposesTheProjectNameAndCancelComputesNothing()
    {
        const WaveResults before = state_.results;
        const ProjectRecord record = state_.project;
        Type(w_->Edit5, QStringLiteral("35"));  // typed, not committed
        for (const auto& [name, proposed] :
             {std::pair {"ExportreporttoPDF1", "Lake.pdf"}, std::pair {"ExportreporttoWORD1", "Lake.rtf"}}) {
            QString shown;
            QString folder;
            OnNextModal([&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                shown = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                folder = dialog->directory().absolutePath() + QLatin1Char('/');
                dialog->reject();
            });
            Action(name)->trigger();
            QCOMPARE(shown, QLatin1String(proposed));
            QCOMPARE(folder, Folder() + QStringLiteral("Projects/"));
        }
        QVERIFY(SameRecord(record));
        QVERIFY(std::equal(std::begin(before.Elevation), std::end(before.Elevation), state_.results.Elevation));
    }

    void printWithoutPrinterWarnsAndChangesNothing()
    {
        if (PrinterInstalled())
            QSKIP("a printer is installed: this checks the machine without one");
        const ProjectRecord record = state_.project;
        const QString memo = w_->Computation->Memo2->toPlainText();
        Type(w_->Edit5, QStringLiteral("35"));
        MessageRecorder messages;
        Action("Printreport1")->trigger();
        Action("objectheoreticalsummarypreview1TMenuItem1")->trigger();
        QCOMPARE(messages.messages.size(), std::size_t {2});
        QVERIFY(messages.messages[0].text == PrinterProblemMessage());
        QVERIFY(SameRecord(record));
        QCOMPARE(w_->Computation->Memo2->toPlainText(), memo);
        QCOMPARE(w_->Edit5->text(), QStringLiteral("35"));
    }

    void reportButtonPreviewsResultsForTheTypedInputs()
    {
        Type(w_->Edit5, QStringLiteral("35"));
        int pages = 0;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(modal);
            QVERIFY(dialog);
            pages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
        });
        w_->ReportBtn->click();
        QCOMPARE(pages, 2);
        QCOMPARE(state_.project.WindVelocity, 35.0f);
        QCOMPARE(MemoLines(*w_), EngineLines(state_.project));
    }

    void summaryPreviewsWithoutAProject()
    {
        w_.reset();
        CleanProgramFolder();
        w_ = ShowWindow(state_);
        QVERIFY(!w_->FileOpen);
        const ProjectRecord record = state_.project;
        int pages = 0;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(modal);
            QVERIFY(dialog);
            pages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
        });
        Action("heoreticalsummarypreview1")->trigger();
        QCOMPARE(pages, 1);
        QVERIFY(SameRecord(record));
    }

    void projectTitleReachesCaptionAndRecord()
    {
        OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<TProjectTitle*>(modal);
            QVERIFY(dialog);
            dialog->Edit1->setText(QString(90, QLatin1Char('T')));
            dialog->close();
        });
        Action("Projecttitle1")->trigger();
        QCOMPARE(w_->TitleText, QString(90, QLatin1Char('T')));
        QVERIFY(w_->windowTitle().contains(w_->TitleText));
        QCOMPARE(QByteArray::fromStdString(TitleBytes(state_.project)), QByteArray(80, 'T'));
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneMainReportsTest)
#include "OrvaneMainReportsTest.moc"
