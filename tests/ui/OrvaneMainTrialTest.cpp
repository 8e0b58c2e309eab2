// What an engineering trial of the main window found, driven through the
// controls: grids that keep no stale scroll position, Enter that moves on,
// lists that ignore a stray wheel, whole coordinates at both window sizes,
// the point-in-water warning and the compass bearing, recomputing after an
// import, and a save that fails when the window closes.

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QWheelEvent>
#include <filesystem>

#include "OrvaneMainTestSupport.h"
#include "core/CoordinatesFile.h"
#include "core/Region.h"
#include "tools/ProductAddresses.h"
#include "ui/GridFrameF.h"
#include "ui/StringGridExtF.h"

namespace orvane {

using namespace orvane::test;

namespace {

// A lake in UTM metres, around x 537,000 and y 4,390,000, with 60 nodes.
ProjectRecord UtmLake()
{
    ProjectRecord rec = RectangleProject(1, 1);
    std::vector<TestNode> ring;
    for (int k = 0; k < 59; ++k) {
        const double a = 2 * 3.14159265358979 * k / 59;
        ring.push_back(
            {static_cast<float>(537000 + 2500 * std::cos(a)), static_cast<float>(4390000 + 1800 * std::sin(a))});
    }
    SetBoundary(rec, 1, ClosedRing(ring));
    rec.PointX = 537000;
    rec.PointY = 4390000;
    return rec;
}

// Pixels of a widget's picture that are mostly red.
int RedPixels(QWidget* w)
{
    const QImage image = w->grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 100 && c.blue() < 100;
        }
    }
    return red;
}

// Turns the mouse wheel one notch down over w.
void Wheel(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

}  // namespace

class OrvaneMainTrialTest : public QObject {
    Q_OBJECT

private:
    AppState state_;
    std::unique_ptr<TOrvaneMain> w_;

    QString Open(const ProjectRecord& rec, const QString& name = QStringLiteral("Trial.WDT"))
    {
        const QString path = Folder() + QStringLiteral("Projects/") + name;
        WriteProject(path, rec);
        w_->OpenProjectFile(path);
        return path;
    }

private slots:
    void init()
    {
        CleanProgramFolder();
        w_ = ShowWindow(state_);
    }
    void cleanup()
    {
        w_.reset();
        TOrvaneMain::SetScreenSizeForTesting(QSize());
    }

    void aLoadShowsRowOneAndACommitKeepsThePlace()
    {
        Open(UtmLake(), QStringLiteral("A.WDT"));
        TStringGridExt* grid = w_->GFrame1->StringGrid();
        grid->SetCurrentCell(1, 55);
        grid->scrollToBottom();
        QVERIFY(grid->verticalScrollBar()->value() > 0);
        // A commit of the same project keeps the place...
        const int scrolled = grid->verticalScrollBar()->value();
        QTest::keyClick(w_->Edit3, Qt::Key_Return);
        QCOMPARE(grid->verticalScrollBar()->value(), scrolled);
        QCOMPARE(grid->Row(), 55);
        // ...opening another shows its first node where typing goes.
        Open(RectangleProject(1000, 800), QStringLiteral("B.WDT"));
        QCOMPARE(grid->verticalScrollBar()->value(), 0);
        QCOMPARE(grid->rowAt(0), 0);
        QCOMPARE(grid->Row(), 1);
        QCOMPARE(grid->Col(), 1);
    }

    void enterInAGridMovesOn()
    {
        Open(RectangleProject(1000, 800));
        TStringGridExt* grid = w_->GFrame1->StringGrid();
        grid->setFocus();
        grid->SetCurrentCell(0, 6);
        QTest::keyClick(grid, Qt::Key_6);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // "No": the cell only
        QCOMPARE(grid->Col(), 1);
        grid->SetCurrentCell(2, 6);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(grid->Row(), 7);
        QCOMPARE(grid->Col(), 0);
        QCOMPARE(state_.project.NodeCount[1], 5);  // nothing committed
    }

    void listsIgnoreAStrayWheel()
    {
        Open(RectangleProject(1000, 800));
        w_->Edit1->setFocus();
        const int units = state_.project.CoordUnits;
        Wheel(w_->UnitsCombo);
        Wheel(w_->VunitsCombo);
        QCOMPARE(state_.project.CoordUnits, units);
        QCOMPARE(w_->VunitsCombo->currentIndex(), state_.project.VelocityUnits);
        // A list the user is in takes the wheel.
        w_->UnitsCombo->setFocus();
        Wheel(w_->UnitsCombo);
        QVERIFY(state_.project.CoordUnits != units);
        // The boundary count takes its value from its arrows only.
        w_->SpinEdit1->setFocus();
        Wheel(w_->SpinEdit1);
        QCOMPARE(w_->SpinEdit1->value(), 1);
    }

    void coordinatesShowWhole_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("800 x 560") << QSize(800, 560);
        QTest::newRow("1280 x 800") << QSize(1280, 800);
    }
    void coordinatesShowWhole()
    {
        QFETCH(QSize, screen);
        w_.reset();
        w_ = ShowWindow(state_, screen);
        Open(UtmLake());
        TStringGridExt* grid = w_->GFrame1->StringGrid();
        QTRY_VERIFY(grid->isVisible());
        const QFontMetrics metrics(grid->font());
        for (int row = 1; row <= 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                const QString text = grid->Cell(col, row).trimmed();
                QVERIFY2(grid->columnWidth(col) > metrics.horizontalAdvance(text) + 4, qPrintable(text));
            }
        }
        QCOMPARE(grid->Cell(2, 1).trimmed().size(), 11);  // "4390000.000"
        QVERIFY(grid->font().pointSizeF() >= 7.0);
        if (!qEnvironmentVariableIsEmpty("ORVANE_SCREENSHOTS")) {
            // The charts lay out their labels from the event loop: wait until
            // the picture stops changing.
            QImage last;
            QTRY_VERIFY([&] {
                const QImage now = w_->grab().toImage();
                const bool settled = now == last;
                last = now;
                return settled;
            }());
            last.save(qEnvironmentVariable("ORVANE_SCREENSHOTS") + QStringLiteral("/utm-%1.png").arg(screen.width()));
        }
    }

    void pointOutsideTheWaterIsFlaggedAndTheWindReadsAsABearing()
    {
        ProjectRecord rec = RectangleProject(1000, 800);
        rec.PointX = -100;  // west of the shore
        rec.WindDirection = 45;
        Open(rec);
        const QString fetch = QString::fromUtf8("at angle 45.00\xC2\xB0,   fetch=141.42 m");
        QCOMPARE(w_->Label10->text(), fetch + QStringLiteral("   point is not in the water region"));
        QCOMPARE(w_->Label10->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(RedPixels(w_->Label10) > 50);
        // A panel too narrow for one line gives the warning a line of its own.
        const int oneLineHeight = w_->Label10->height();
        w_->Label10->FitWidth(w_->Label10->width() / 2);
        QCOMPARE(w_->Label10->text(), fetch + QStringLiteral("\npoint is not in the water region"));
        QVERIFY(w_->Label10->height() > oneLineHeight);
        QVERIFY(RedPixels(w_->Label10) > 50);
        QCOMPARE(MemoLines(*w_), EngineLines(state_.project));  // computed all the same
        auto* compass = w_->findChild<QLabel*>(QStringLiteral("WindFromLabel"));
        QVERIFY(compass);
        QCOMPARE(compass->text(), QString::fromUtf8("wind from NE (grid bearing 45.0\xC2\xB0)"));

        Type(w_->Edit1, QStringLiteral("500"));
        Type(w_->Edit3, QStringLiteral("200"), true);
        QVERIFY(w_->Label10->text().endsWith(QStringLiteral(" m")));
        QCOMPARE(RedPixels(w_->Label10), 0);
        QCOMPARE(compass->text(), QString::fromUtf8("wind from WSW (grid bearing 250.0\xC2\xB0)"));
    }

    void anImportRecomputes()
    {
        TempDir dir;
        Open(RectangleProject(1000, 800));
        const QStringList before = MemoLines(*w_);
        const std::string file = dir.File("lake.txt");
        QVERIFY(ExportCoordinates(UtmLake(), file));
        // The old point (500, 200) is far from the imported lake: the window
        // offers the water farthest from its shores, here the lake's centre.
        QString question;
        OnNextModal([&question](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                question = box->text();
                box->button(QMessageBox::Yes)->click();
            }
        });
        w_->ImportCoordinatesFrom(QString::fromStdString(file));
        QVERIFY2(question.startsWith(QStringLiteral("The point (500.000, 200.000 m) is not in the water region")),
                 qPrintable(question));
        QVERIFY(PointInWater(state_.project));
        QVERIFY(std::fabs(state_.project.PointX - 537000) < 10 && std::fabs(state_.project.PointY - 4390000) < 10);
        QCOMPARE(state_.project.NodeCount[1], 60);
        QVERIFY(MemoLines(*w_) != before);
        QCOMPARE(MemoLines(*w_), EngineLines(state_.project));

        // A file with a header and no node line changes nothing and says so.
        MessageRecorder messages;
        const std::string empty = dir.File("header.csv");
        WriteBytes(empty, "node,x,y\r\n");
        w_->GFrame1->StringGrid()->SetCell(1, 2, QStringLiteral("123"));  // typed, not committed
        const ProjectRecord held = state_.project;
        w_->ImportCoordinatesFrom(QString::fromStdString(empty));
        QCOMPARE(messages.messages.size(), std::size_t {1});
        QCOMPARE(messages.messages[0].text, "no coordinates found in [" + empty + "]");
        QCOMPARE(state_.project.NodeCount[1], held.NodeCount[1]);
        QCOMPARE(state_.project.NodeX[1][2], held.NodeX[1][2]);
        QCOMPARE(w_->GFrame1->StringGrid()->Cell(1, 2), QStringLiteral("123"));
    }

    void aSaveThatFailsAtClosingSaysWhyAndOffersTheWayOut()
    {
        MessageRecorder messages;
        const QString path = Open(RectangleProject(1000, 800));
        // A folder in the file's place: no save can replace it, even as root.
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path));
        Type(w_->Edit4, QStringLiteral("33"));

        QString said;
        OnNextModal([&said](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            said = box->text();
            box->reject();  // Escape: stay
        });
        QVERIFY(!w_->close());
        QVERIFY(said.startsWith(QStringLiteral("cannot write [") + path + QStringLiteral("]: is a directory")));
        QVERIFY(w_->isVisible());

        // "Save As..." to a name that works, and the window closes.
        const QString other = Folder() + QStringLiteral("Projects/Saved.WDT");
        OnNextModal([other](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            OnNextModal([other](QWidget* dialog) {
                auto* files = qobject_cast<QFileDialog*>(dialog);
                QVERIFY(files);
                files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(other);
                static_cast<QDialog*>(files)->accept();
            });
            box->findChild<QPushButton*>(QStringLiteral("SaveAsButton"))->click();
        });
        QVERIFY(w_->close());
        QCOMPARE(ReadProjectFile(other).SectorAngle, 33.0f);
        QVERIFY2(messages.messages.empty(), "one message, the box");
    }

    void quittingWithoutSavingAndTheScratchFileSayNothingMore()
    {
        MessageRecorder messages;
        const QString path = Open(RectangleProject(1000, 800));
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path));
        OnNextModal([](QWidget* modal) { modal->findChild<QPushButton*>(QStringLiteral("QuitButton"))->click(); });
        QVERIFY(w_->close());
        QVERIFY(QFileInfo(path).isDir());

        // No project open, and no scratch file can be written: no message.
        w_.reset();
        QDir(ScratchFile()).removeRecursively();
        QFile::remove(ScratchFile());
        QVERIFY(QDir().mkpath(ScratchFile()));
        w_ = ShowWindow(state_);
        QVERIFY(w_->close());
        QVERIFY(messages.messages.empty());
        QDir(ScratchFile()).removeRecursively();
    }

    void webCommandsWithoutAnAddressSaySoAndStay()
    {
        if (!MakerWebAddress().empty() || !UpdateAddress().empty())
            QSKIP("this build has web addresses");
        MessageRecorder messages;
        w_->Kavro1->trigger();
        w_->UptadeProgramMenu->trigger();
        QCOMPARE(messages.messages.size(), std::size_t {2});
        for (const auto& m : messages.messages) {
            QCOMPARE(m.kind, MessageKind::Information);
            QCOMPARE(m.text, std::string("No web address is configured for this build."));
        }
        QVERIFY(w_->isVisible());
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneMainTrialTest)
#include "OrvaneMainTrialTest.moc"
