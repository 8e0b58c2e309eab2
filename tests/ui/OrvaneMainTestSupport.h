#pragma once
// Shared by the main-window tests. Each main-window test program runs from a
// folder of its own (tests/ui/CMakeLists.txt), which is its program folder:
// the settings file and Projects/ written there belong to that program only.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/AppState.h"
#include "core/ComputeWaves.h"
#include "core/ProjectFile.h"
#include "tests/ModalTestSupport.h"
#include "tests/TestSupport.h"
#include "tools/FontSubstitutes.h"
#include "tools/ProgramFile.h"
#include "ui/ComputationPascalF.h"
#include "ui/FetchLabel.h"
#include "ui/OrvaneMainF.h"

namespace orvane::test {

inline QString Folder() { return QString::fromStdString(ProgramFolder()); }
inline QString IniFile() { return Folder() + QStringLiteral("Orvane.INI"); }
inline QString ScratchFile() { return Folder() + QStringLiteral("Projects/Temp.WDT"); }

// A first start: no settings file and no Projects folder.
inline void CleanProgramFolder()
{
    QFile::remove(IniFile());
    QDir(Folder() + QStringLiteral("Projects")).removeRecursively();
}

// A rectangular bay width x height (coordinate units) with the point in its
// lower middle and the wind blowing across it; metres unless told.
inline ProjectRecord RectangleProject(float width, float height, int coordUnits = 2)
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    rec.CoordUnits = coordUnits;
    rec.BoundaryCount = 1;
    SetBoundary(rec, 1, ClosedRing({{0, 0}, {width, 0}, {width, height}, {0, height}}));
    rec.PointX = width / 2;
    rec.PointY = height / 4;
    rec.WindDirection = 60;
    rec.SectorAngle = 90;
    rec.WindVelocity = 20;
    rec.Depth = 12;
    return rec;
}

inline void WriteProject(const QString& path, const ProjectRecord& rec)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(SaveProject(rec, path.toStdString()));
}

inline ProjectRecord ReadProjectFile(const QString& path)
{
    ProjectRecord rec {};
    LoadProject(rec, path.toStdString());
    return rec;
}

// The window the tests drive, shown on a screen of the given size, with the
// faces the program sets up before its window.
inline std::unique_ptr<TOrvaneMain> ShowWindow(AppState& state, QSize screen = QSize(1280, 800))
{
    SetFontSubstitutes();
    TOrvaneMain::SetScreenSizeForTesting(screen);
    auto window = std::make_unique<TOrvaneMain>(state);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("main window not exposed");
    return window;
}

// Replaces a field's text as the user would, by keys; Enter only when asked.
inline void Type(QLineEdit* edit, const QString& text, bool enter = false)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    if (enter)
        QTest::keyClick(edit, Qt::Key_Return);
}

inline QStringList MemoLines(const TOrvaneMain& w)
{
    const QString text = w.Computation->Memo2->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// The results text the engine gives for rec, computed apart from the window.
inline QStringList EngineLines(const ProjectRecord& rec)
{
    WaveResults results {};
    RandomGenerator random(7);
    ComputeWaves(rec, results, random);
    QStringList lines;
    for (const std::string& line : ResultsTextLines(rec, results))
        lines << QString::fromStdString(line);
    return lines;
}

}  // namespace orvane::test
