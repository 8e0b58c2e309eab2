// The main window's project lifecycle and commands: first start, open, save
// as, last file, quitting with and without a file, the file dialogs, the
// coordinate files, and the message and About windows.

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

#include "OrvaneMainTestSupport.h"
#include "core/CoordinatesFile.h"
#include "core/Text1252.h"
#include "tests/TestSupport.h"
#include "tools/ApplicationPrinter.h"
#include "tools/FixedText.h"
#include "tools/ProductAddresses.h"
#include "tools/VersionText.h"
#include "tools/settings/IniSettings.h"
#include "ui/AboutF.h"
#include "ui/GridFrameF.h"
#include "ui/StringGridExtF.h"

namespace orvane {

using namespace orvane::test;

namespace {

constexpr const char* kUnset = "<unset>";

std::string IniValue(const char* section, const char* key)
{
    return ReadIniString(IniFile().toStdString(), section, key, kUnset);
}

QString ProjectPath(const QString& name) { return Folder() + QStringLiteral("Projects/") + name; }

// Types name (with its folder) into the dialog's file name field, as a user
// may; a name that does not exist yet is taken as typed.
void TypeFileName(QFileDialog* dialog, const QString& name)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(name);
}

// Chooses name in the file dialog that the next command opens.
void ChooseInNextFileDialog(const QString& name)
{
    OnNextModal([name](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        TypeFileName(dialog, name);
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
    });
}

}  // namespace

class OrvaneMainLifecycleTest : public QObject {
    Q_OBJECT

private:
    AppState state_;

private slots:
    void init() { CleanProgramFolder(); }
    void cleanup() { TOrvaneMain::SetScreenSizeForTesting(QSize()); }

    void firstStartOffersPrj000AndQuitsToTheScratchFile()
    {
        auto w = ShowWindow(state_);
        QCOMPARE(w->LastFile->text(), QStringLiteral("1 :") + Folder() + QStringLiteral("Projects/Prj000.WDT"));
        QCOMPARE(w->CurrentFile, ScratchFile());
        QCOMPARE(w->ProjectsDir, Folder() + QStringLiteral("Projects/"));
        QCOMPARE(w->IniFileName, IniFile());
        QCOMPARE(w->windowTitle(), QString::fromStdString(FixedText(FixedTextId::ProgramTitle)));

        // "Save As.." does nothing without a file: no dialog, no file.
        w->Save1Click();
        QVERIFY(!w->FileOpen);
        QVERIFY(!QFile::exists(ScratchFile()));

        // Typed but never committed, the controls still reach the scratch file.
        Type(w->Edit3, QStringLiteral("123"));
        w->close();
        QVERIFY(!w->isVisible());
        const ProjectRecord saved = ReadProjectFile(ScratchFile());
        QCOMPARE(QFileInfo(ScratchFile()).size(), static_cast<qint64>(kProjectFileSize));
        QCOMPARE(saved.WindDirection, 123.0f);
        QCOMPARE(IniValue("HELP", "ACTIVE"), std::string("0"));
        QCOMPARE(IniValue("PRJ", "DIR"), std::string(kUnset));
        QCOMPARE(IniValue("PRJ", "FILE"), std::string(kUnset));

        // The next start offers the same "Last file".
        w.reset();
        w = ShowWindow(state_);
        QCOMPARE(w->LastFile->text(), QStringLiteral("1 :") + Folder() + QStringLiteral("Projects/Prj000.WDT"));
    }

    void quittingWithoutAFileLeavesDirAndFileAlone()
    {
        const std::string ini = IniFile().toStdString();
        WriteIniString(ini, "PRJ", "DIR", "/somewhere/Projects/");
        WriteIniString(ini, "PRJ", "FILE", "/somewhere/Projects/Harbour.WDT");
        auto w = ShowWindow(state_);
        QCOMPARE(w->ProjectsDir, QStringLiteral("/somewhere/Projects/"));
        QCOMPARE(w->LastFile->text(), QStringLiteral("1 :/somewhere/Projects/Harbour.WDT"));
        w.reset();  // destroyed without close(): the same shutdown
        QCOMPARE(IniValue("PRJ", "DIR"), std::string("/somewhere/Projects/"));
        QCOMPARE(IniValue("PRJ", "FILE"), std::string("/somewhere/Projects/Harbour.WDT"));
        QVERIFY(QFile::exists(ScratchFile()));
    }

    void openQuitRestartAndLastFile()
    {
        const QString path = ProjectPath(QStringLiteral("Bay & inlet.WDT"));
        WriteProject(path, RectangleProject(1000, 800));
        {
            auto w = ShowWindow(state_);
            w->OpenProjectFile(path);
            QVERIFY(w->FileOpen);
            QVERIFY(w->ComputeBtn->isEnabled() && w->PlotBtn->isEnabled() && w->ReportBtn->isEnabled());
            QVERIFY(w->windowTitle().endsWith(QStringLiteral("  [Bay & inlet.WDT]")));
            Type(w->Edit4, QStringLiteral("33"), true);
            QVERIFY(w->close());
        }
        QCOMPARE(IniValue("PRJ", "FILE"), path.toStdString());
        QCOMPARE(IniValue("PRJ", "DIR"), (Folder() + QStringLiteral("Projects/")).toStdString());
        QCOMPARE(ReadProjectFile(path).SectorAngle, 33.0f);

        state_.project = ProjectRecord {};
        auto w = ShowWindow(state_);
        QVERIFY(!w->FileOpen);
        QCOMPARE(w->LastFile->text().replace(QStringLiteral("&&"), QStringLiteral("&")), QStringLiteral("1 :") + path);
        w->LastFile->trigger();
        QVERIFY(w->FileOpen);
        QCOMPARE(w->CurrentFile, path);
        QCOMPARE(state_.project.SectorAngle, 33.0f);
        QCOMPARE(w->Edit4->text(), QStringLiteral(" 33.00"));
        QCOMPARE(MemoLines(*w), EngineLines(state_.project));
    }

    void lastFileThatIsGoneBecomesANewProject()
    {
        const QString path = ProjectPath(QStringLiteral("Gone.WDT"));
        WriteIniString(IniFile().toStdString(), "PRJ", "FILE", path.toStdString());
        QDir().mkpath(QFileInfo(path).absolutePath());
        auto w = ShowWindow(state_);
        w->LastFileClick();
        QVERIFY(w->FileOpen);
        QCOMPARE(QFileInfo(path).size(), static_cast<qint64>(kProjectFileSize));
        QCOMPARE(state_.project.NodeCount[1], 0);
    }

    void saveAsWritesTheOldFileThenTheNewOne()
    {
        const QString oldPath = ProjectPath(QStringLiteral("Old.WDT"));
        const QString newPath = ProjectPath(QStringLiteral("New"));  // the dialog adds ".WDT"
        WriteProject(oldPath, RectangleProject(1000, 800));
        auto w = ShowWindow(state_);
        w->OpenProjectFile(oldPath);
        Type(w->Edit3, QStringLiteral("75"));  // not committed: Save As reads the controls
        ChooseInNextFileDialog(newPath);
        w->Save1->trigger();
        QCOMPARE(w->CurrentFile, newPath + QStringLiteral(".WDT"));
        QVERIFY(w->FileOpen);
        QVERIFY(w->windowTitle().endsWith(QStringLiteral("[New.WDT]")));
        QCOMPARE(ReadProjectFile(oldPath).WindDirection, 75.0f);
        QCOMPARE(ReadProjectFile(w->CurrentFile).WindDirection, 75.0f);
    }

    void cancelledOpenKeepsTheSavedProjectOpen()
    {
        const QString path = ProjectPath(QStringLiteral("First.WDT"));
        WriteProject(path, RectangleProject(1000, 800));
        auto w = ShowWindow(state_);
        w->OpenProjectFile(path);
        Type(w->Edit3, QStringLiteral("12"));
        OnNextModal([this](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            // The project dialog: its filter, its default extension, its folder.
            QCOMPARE(dialog->nameFilters(), QStringList({TOrvaneMain::ProjectFileFilter()}));
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("WDT"));
            QCOMPARE(QDir(dialog->directory()).absolutePath(),
                     QDir(Folder() + QStringLiteral("Projects")).absolutePath());
            dialog->reject();
        });
        w->Open1Click();
        QVERIFY(w->FileOpen);
        QCOMPARE(w->CurrentFile, path);
        QCOMPARE(ReadProjectFile(path).WindDirection, 12.0f);
    }

    void newOpensAChosenNameAsANewProject()
    {
        const QString first = ProjectPath(QStringLiteral("First.WDT"));
        WriteProject(first, RectangleProject(1000, 800));
        auto w = ShowWindow(state_);
        w->OpenProjectFile(first);
        Type(w->Edit6, QStringLiteral("40"));
        const QString fresh = ProjectPath(QStringLiteral("fresh.wdt"));
        ChooseInNextFileDialog(fresh);
        w->New1->trigger();
        QCOMPARE(w->CurrentFile, fresh);  // a lower-case extension stays as chosen
        QCOMPARE(ReadProjectFile(first).Depth, 40.0f);
        QCOMPARE(QFileInfo(fresh).size(), static_cast<qint64>(kProjectFileSize));
        QCOMPARE(state_.project.NodeCount[1], 0);
        QVERIFY(w->windowTitle().endsWith(QStringLiteral("[fresh.wdt]")));
    }

    void projectFilterMatchesBothCases()
    {
        const QString filter = TOrvaneMain::ProjectFileFilter();
        QVERIFY(filter.startsWith(QStringLiteral("Orvane data file (")));
        const QStringList patterns =
            filter.section(QLatin1Char('('), 1).chopped(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        auto matches = [&patterns](const QString& name) {
            for (const QString& p : patterns)
                if (QRegularExpression::fromWildcard(p, Qt::CaseSensitive).match(name).hasMatch())
                    return true;
            return false;
        };
        QVERIFY(matches(QStringLiteral("Bay.WDT")));
        QVERIFY(matches(QStringLiteral("bay.wdt")));
        QVERIFY(!matches(QStringLiteral("bay.txt")));
        QCOMPARE(TOrvaneMain::CoordinatesFileFilter(), QStringLiteral("Txt file (*.txt)"));
    }

    void unreadableProjectShowsTheMessageAndStaysOpen()
    {
        MessageRecorder messages;
        const QString path = Folder() + QStringLiteral("no-such-folder/P.WDT");
        auto w = ShowWindow(state_);
        w->OpenProjectFile(path);
        QCOMPARE(messages.messages.size(), std::size_t {1});
        QCOMPARE(messages.messages[0].kind, MessageKind::Error);
        QCOMPARE(QString::fromStdString(messages.messages[0].text),
                 QStringLiteral("cannot write [") + path + QStringLiteral("]: no such file or directory"));
        QVERIFY(w->FileOpen);
        QCOMPARE(w->CurrentFile, path);
        QCOMPARE(MemoLines(*w), EngineLines(state_.project));
    }

    void exitSavesAndShutsDownOnce()
    {
        const QString path = ProjectPath(QStringLiteral("Exit.WDT"));
        WriteProject(path, RectangleProject(1000, 800));
        auto w = ShowWindow(state_);
        w->OpenProjectFile(path);
        Type(w->Edit5, QStringLiteral("44"));
        w->Exit1->trigger();
        QVERIFY(!w->isVisible());
        QCOMPARE(ReadProjectFile(path).WindVelocity, 44.0f);
        QCOMPARE(IniValue("PRJ", "FILE"), path.toStdString());
        // Destroying the closed window writes nothing more.
        QFile::remove(path);
        QFile::remove(IniFile());
        w.reset();
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QFile::exists(IniFile()));
    }

    void coordinatesImportAndExport()
    {
        TempDir dir;
        auto w = ShowWindow(state_);
        ProjectRecord source = RectangleProject(300, 200);
        source.BoundaryCount = 2;
        SetBoundary(source, 2, ClosedRing({{50, 50}, {80, 50}, {80, 90}}));
        const std::string in = dir.File("in.txt");
        QVERIFY(ExportCoordinates(source, in));

        // Without a project file: the record and the grids take the file.
        // The default point lies outside the new region; declining the offer
        // to move it leaves it where it was.
        const float pointX = state_.project.PointX;
        QString offered;
        OnNextModal([&offered](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                offered = box->objectName();
                box->button(QMessageBox::No)->click();
            }
        });
        w->ImportCoordinatesFrom(QString::fromStdString(in));
        QCOMPARE(offered, QStringLiteral("PointOutsideBox"));
        QCOMPARE(state_.project.PointX, pointX);
        QVERIFY(!w->FileOpen);
        QCOMPARE(state_.project.BoundaryCount, 2);
        QCOMPARE(state_.project.NodeCount[2], 4);
        QCOMPARE(w->SpinEdit1->value(), 2);
        QVERIFY(w->PageControl1->isTabVisible(1));
        QCOMPARE(w->GFrame2->StringGrid()->Cell(1, 2), QStringLiteral("  80.000"));
        QVERIFY(w->Computation->Memo2->toPlainText().isEmpty());  // no computation

        // Export writes the record, not grid text typed since the last commit.
        w->GFrame1->StringGrid()->SetCell(1, 2, QStringLiteral("999"));
        const std::string out = dir.File("out.txt");
        w->ExportCoordinatesTo(QString::fromStdString(out));
        QCOMPARE(ReadBytes(out), CoordinatesText(state_.project));
        QCOMPARE(state_.project.NodeX[1][2], 300.0f);

        // A file that cannot be read or written says so.
        MessageRecorder messages;
        w->ImportCoordinatesFrom(QString::fromStdString(dir.File("missing.txt")));
        w->ExportCoordinatesTo(QString::fromStdString(dir.File("no/such/folder.txt")));
        QCOMPARE(messages.messages.size(), std::size_t {2});
        QCOMPARE(state_.project.NodeCount[2], 4);
    }

    void coordinateDialogsTakeTextFiles()
    {
        TempDir dir;
        auto w = ShowWindow(state_);
        const QString out = QString::fromStdString(dir.File("boundaries"));  // gets ".txt"
        OnNextModal([out](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->nameFilters(), QStringList({TOrvaneMain::CoordinatesFileFilter()}));
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("txt"));
            TypeFileName(dialog, out);
            static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
        });
        w->OutputCoordinates->trigger();
        QVERIFY(QFile::exists(out + QStringLiteral(".txt")));
    }

    void printerSetupWithoutPrinterWarns()
    {
        if (PrinterInstalled())
            QSKIP("a printer is installed here: the set-up dialog would open");
        MessageRecorder messages;
        auto w = ShowWindow(state_);
        w->Printer1->trigger();
        QCOMPARE(messages.messages.size(), std::size_t {1});
        QCOMPARE(messages.messages[0].kind, MessageKind::Warning);
        QCOMPARE(
            QString::fromStdString(messages.messages[0].text),
            QStringLiteral("ATTENTION\nPrinter setup dialog cannot be shown,\ndue to problem with the current "
                           "printer.\nFrom windows Settings/Printers, select\nanother printer as default printer"));
    }

    void aboutShowsNameAndVersionAndGoesAway()
    {
        auto w = ShowWindow(state_);
        QString version;
        QString name;
        OnNextModal([&](QWidget* modal) {
            auto* about = qobject_cast<TAboutForm*>(modal);
            QVERIFY(about);
            version = about->VersionLabel->text();
            name = about->ProgramNameLabel->text();
            QTest::mouseClick(about->CloseBtn, Qt::LeftButton);
        });
        w->About1->trigger();
        QVERIFY(version.startsWith(QString::fromStdString(VersionText(kVersionLong))));
        QCOMPARE(name, QString::fromStdString(FixedText(FixedTextId::ProgramName)));
        QVERIFY(w->findChildren<TAboutForm*>().isEmpty());
    }

    void webItemsAskFirst_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("question");
        QTest::newRow("maker") << "Kavro1" << TOrvaneMain::KavroQuestion();
        QTest::newRow("update") << "UptadeProgramMenu" << TOrvaneMain::UpdateQuestion();
    }
    void webItemsAskFirst()
    {
        QFETCH(QString, item);
        QFETCH(QString, question);
        if (MakerWebAddress().empty() || UpdateAddress().empty())
            QSKIP("this build has no web addresses (the trial test covers that)");
        auto w = ShowWindow(state_);
        QString asked;
        OnNextModal([&asked](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            asked = box->text();
            QVERIFY(box->button(QMessageBox::Yes));
            box->button(QMessageBox::No)->click();
        });
        w->findChild<QAction*>(item)->trigger();
        QCOMPARE(asked, question);
        QVERIFY(w->isVisible());  // "No" neither opens nor closes anything
        QCOMPARE(TOrvaneMain::KavroQuestion(),
                 QStringLiteral("On line connection with Kavro, ") + QString::fromStdString(MakerWebAddress()));
        QVERIFY(QString::fromStdString(UpdateAddress()).endsWith(QStringLiteral("/OrvaneUpdate.exe")));
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneMainLifecycleTest)
#include "OrvaneMainLifecycleTest.moc"
