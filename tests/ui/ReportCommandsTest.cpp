// The report commands and the project title dialog on real widgets: the
// export dialog's texts and names, cancel and overwrite, printing without a
// printer (the test machines have none), the previews, the title transfer.

#include "ui/ReportCommands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/AppState.h"
#include "reports/DocumentExport.h"
#include "tests/ModalTestSupport.h"
#include "tests/TestSupport.h"
#include "tools/ApplicationPrinter.h"
#include "tools/AttentionText.h"
#include "ui/ProjectTitleF.h"

namespace orvane {

namespace {

using test::OnEachModal;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

class ReportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv(kNoOpenAfterExportVariable, "1"); }
    void exportDialogSettings_data();
    void exportDialogSettings();
    void cancelComputesNothing();
    void exportWritesTheChosenFileAndAsksBeforeOverwriting();
    void printWithoutPrinterWarnsAndComputesNothing();
    void previewsShowTheirPagesWithoutAnOpenProject();
    void titleTransfer_data();
    void titleTransfer();
    void titleDialogKeepsWhatWasTypedWhenClosed();

private:
    struct Fixture {
        AppState state;
        int computed = 0;
        QString currentFile;
        QString title = QStringLiteral("Lake");
        ReportCommands commands {
            nullptr, state, {[this] { ++computed; }, [this] { return title; }, [this] { return currentFile; }}};
    };
};

void ReportCommandsTest::exportDialogSettings_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("currentFile");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("proposed");
    const int pdf = static_cast<int>(ExportKind::Pdf);
    const int rtf = static_cast<int>(ExportKind::Rtf);
    QTest::newRow("Bay.WDT to PDF") << pdf << "/data/lakes/Bay.WDT"
                                    << "Save graphics to file in PDF (Acrobat) (*.PDF)"
                                    << "PDF (Acrobat) Format (*.PDF)"
                                    << "/data/lakes/"
                                    << "Bay.pdf";
    QTest::newRow("Bay.WDT to RTF") << rtf << "/data/lakes/Bay.WDT"
                                    << "Save graphics to file in Rich Edit (word) (*.RTF)"
                                    << "Rich Edit (word) Format (*.RTF)"
                                    << "/data/lakes/"
                                    << "Bay.rtf";
    QTest::newRow("only the last extension") << pdf << "/d/my.lake.wdt"
                                             << "Save graphics to file in PDF (Acrobat) (*.PDF)"
                                             << "PDF (Acrobat) Format (*.PDF)"
                                             << "/d/"
                                             << "my.lake.pdf";
    QTest::newRow("no file: the scratch project") << rtf << ""
                                                  << "Save graphics to file in Rich Edit (word) (*.RTF)"
                                                  << "Rich Edit (word) Format (*.RTF)"
                                                  << "/opt/orvane/Projects/"
                                                  << "Temp.rtf";
}

void ReportCommandsTest::exportDialogSettings()
{
    QFETCH(int, kind);
    QFETCH(QString, currentFile);
    const ExportDialogSettings s = ExportDialogFor(static_cast<ExportKind>(kind), currentFile, "/opt/orvane/");
    QTEST(s.title, "title");
    QTEST(s.filter, "filter");
    QTEST(s.folder, "folder");
    QTEST(s.proposedName, "proposed");
}

void ReportCommandsTest::cancelComputesNothing()
{
    test::TempDir dir;
    Fixture f;
    f.currentFile = Text(dir.File("Bay.WDT"));
    QString shownTitle;
    QString shownName;
    bool hasHelp = false;
    OnEachModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog || dialog->objectName() != QLatin1String("ExportDialog"))
            return false;
        shownTitle = dialog->windowTitle();
        shownName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        hasHelp = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help) != nullptr;
        dialog->reject();
        return true;
    });
    f.commands.Export(ExportKind::Pdf);
    QCOMPARE(shownTitle, QStringLiteral("Save graphics to file in PDF (Acrobat) (*.PDF)"));
    QCOMPARE(shownName, QStringLiteral("Bay.pdf"));
    QVERIFY(hasHelp);
    QCOMPARE(f.computed, 0);
}

void ReportCommandsTest::exportWritesTheChosenFileAndAsksBeforeOverwriting()
{
    test::TempDir dir;
    Fixture f;
    f.currentFile = Text(dir.File("Bay.WDT"));
    // A lower-case name is taken as it is; the document's title is the
    // title as typed, whole, not the record's 80 characters.
    f.title = QString(100, QLatin1Char('T'));
    // The command keeps the extents of the picture it printed with the project.
    test::SetBoundary(f.state.project, 1, test::ClosedRing({{-50, 0}, {300, 0}, {300, 20}}));
    QVERIFY(f.commands.ExportReport(Text(dir.File("bay.pdf")), ExportKind::Pdf));
    QCOMPARE(f.computed, 1);
    QCOMPARE(f.state.project.PlotMinX, -50.0f);
    QCOMPARE(f.state.project.PlotSpanX, 350.0f);
    const std::string pdf = test::ReadBytes(dir.File("bay.pdf"));
    QVERIFY(pdf.rfind("%PDF-", 0) == 0);
    std::string utf16Title;
    for (int i = 0; i < 100; ++i)
        utf16Title += std::string("\0T", 2);
    QVERIFY(pdf.find("/Title (\xFE\xFF" + utf16Title + ")") != std::string::npos);

    // Accepting the proposed name of an existing file asks first; "No" keeps
    // the dialog open, and cancelling it writes nothing.
    test::WriteBytes(dir.File("Bay.rtf"), "old");
    bool asked = false;
    OnEachModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            asked = box->text().contains(QStringLiteral("Bay.rtf"));
            QMetaObject::invokeMethod(box->button(QMessageBox::No), "click", Qt::QueuedConnection);
            return false;
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        if (asked) {
            dialog->reject();
            return true;
        }
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        return false;
    });
    f.commands.Export(ExportKind::Rtf);
    QVERIFY(asked);
    QVERIFY(test::ReadBytes(dir.File("Bay.rtf")) == "old");
    QCOMPARE(f.computed, 1);

    // A folder that does not exist cannot take the file: an error, no crash.
    test::MessageRecorder messages;
    QVERIFY(!f.commands.ExportReport(Text(dir.File("no/such/folder/x.rtf")), ExportKind::Rtf));
    QCOMPARE(messages.messages.size(), std::size_t {1});
    QVERIFY(messages.messages[0].kind == MessageKind::Error);
}

void ReportCommandsTest::printWithoutPrinterWarnsAndComputesNothing()
{
    if (PrinterInstalled())
        QSKIP("a printer is installed: this checks the machine without one");
    Fixture f;
    test::MessageRecorder messages;
    f.commands.PrintResults();
    f.commands.PrintSummary();
    QCOMPARE(f.computed, 0);
    QCOMPARE(messages.messages.size(), std::size_t {2});
    for (const auto& m : messages.messages) {
        QVERIFY(m.kind == MessageKind::Warning);
        QVERIFY(m.text == PrinterProblemMessage());
    }
    QVERIFY(Text(PrinterProblemMessage()).startsWith(QStringLiteral("Attention!! Report printing or preview")));
}

void ReportCommandsTest::previewsShowTheirPagesWithoutAnOpenProject()
{
    Fixture f;
    test::MessageRecorder messages;
    QList<int> pageCounts;
    const auto closePreview = [&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(modal);
        if (!dialog || dialog->objectName() != QLatin1String("PreviewDialog"))
            return false;
        auto* view = dialog->findChild<QPrintPreviewWidget*>();
        pageCounts.append(view->pageCount());
        // Readable at once, and in colour on any printer.
        const int screenHeight = dialog->screen()->availableGeometry().height();
        if (dialog->height() < 0.8 * screenHeight || view->zoomMode() != QPrintPreviewWidget::FitToWidth ||
            dialog->printer()->colorMode() != QPrinter::Color)
            pageCounts.append(-1);
        dialog->reject();
        return true;
    };
    OnEachModal(closePreview);
    f.commands.PreviewSummary();
    QCOMPARE(f.computed, 0);
    OnEachModal(closePreview);
    f.commands.PreviewResults();
    QCOMPARE(f.computed, 1);
    QCOMPARE(pageCounts, (QList<int> {1, 2}));
    QVERIFY(messages.messages.empty());
}

void ReportCommandsTest::titleTransfer_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("100 characters keep 80") << QString(100, QLatin1Char('x')) << QByteArray(80, 'x');
    QTest::newRow("degree sign in the code page") << QStringLiteral("Bay 45\u00B0") << QByteArray("Bay 45\xB0");
    QTest::newRow("missing characters become ?") << QStringLiteral("\u03A9 lake \U0001F30A") << QByteArray("? lake ?");
    QTest::newRow("a wide character counts once")
        << QString(79, QLatin1Char('a')) + QStringLiteral("\U0001F30Az") << QByteArray(79, 'a') + "?";
}

void ReportCommandsTest::titleTransfer()
{
    QFETCH(QString, entered);
    QFETCH(QByteArray, stored);
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    QString titleText = QStringLiteral("old");
    StoreProjectTitle(rec, titleText, entered);
    QCOMPARE(titleText, entered);
    QCOMPARE(QByteArray::fromStdString(TitleBytes(rec)), stored);
}

void ReportCommandsTest::titleDialogKeepsWhatWasTypedWhenClosed()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    QString titleText = QStringLiteral("Old title");
    QWidget owner;
    OnEachModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TProjectTitle*>(modal);
        if (!dialog)
            return false;
        [&] {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Project title"));
            QCOMPARE(dialog->size(), QSize(469, 94));
            QCOMPARE(dialog->Label1->text(), QStringLiteral("Project Title"));
            QCOMPARE(dialog->Label1->pos(), QPoint(12, 32));
            QCOMPARE(dialog->Edit1->geometry().topLeft(), QPoint(96, 28));
            QCOMPARE(dialog->Edit1->width(), 361);
            QCOMPARE(dialog->Edit1->text(), QStringLiteral("Old title"));
        }();
        dialog->Edit1->setText(QStringLiteral("Kestrel Bay"));
        dialog->close();  // the close box
        return true;
    });
    EditProjectTitle(&owner, rec, titleText);
    QCOMPARE(titleText, QStringLiteral("Kestrel Bay"));
    QCOMPARE(QByteArray::fromStdString(TitleBytes(rec)), QByteArray("Kestrel Bay"));
}

}  // namespace orvane

QTEST_MAIN(orvane::ReportCommandsTest)
#include "ReportCommandsTest.moc"
