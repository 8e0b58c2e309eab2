// Pictures for the help topics and the manual (help/src/images): the main
// window on the sample Bay.WDT and its parts, the fetch and wave rose window,
// and the drawing of the wind direction convention. Run by scripts/screenshot.sh under a virtual display:
//
//   orvane-help-pictures IMAGES_FOLDER BAY.WDT [HELP.CHM VIEWER_FOLDER]
//
// With a compiled help file it also saves the help window on two topics
// (help-WindData.png, help-DirectionalEffects.png) into VIEWER_FOLDER.
//
// The project is opened and saved like in the program, so pass a copy.

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <cstdio>

#include "core/AppState.h"
#include "core/Messages.h"
#include "tools/FontSubstitutes.h"
#include "tools/help/HelpSystem.h"
#include "tools/help/HtmlHelpViewerF.h"
#include "tools/settings/FormatDefaults.h"
#include "ui/OrvaneMainF.h"
#include "ui/WaveRoseF.h"

namespace {

bool Save(const QImage& image, const QString& path)
{
    const bool saved = image.save(path, "PNG");
    std::fprintf(stderr, "%s: %dx%d %s\n", qPrintable(path), image.width(), image.height(),
                 saved ? "written" : "NOT written");
    return saved;
}

bool SaveWidget(QWidget* window, const char* name, const QString& path)
{
    auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "no widget %s\n", name);
        return false;
    }
    return Save(widget->grab().toImage(), path);
}

// x to the east, y to the north, the wind direction counter-clockwise from
// +x, the sector centred on it; drawn like the region picture draws them.
QImage WindDirectionDrawing()
{
    QImage image(520, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Liberation Sans"), 10);
    p.setFont(font);
    const QPointF o(200, 260);  // the computation point
    const double deg = M_PI / 180.0;
    auto at = [&](double angleDeg, double length) {
        return QPointF(o.x() + length * std::cos(angleDeg * deg), o.y() - length * std::sin(angleDeg * deg));
    };
    // Axes.
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(QPointF(40, o.y()), QPointF(490, o.y()));
    p.drawLine(QPointF(o.x(), 380), QPointF(o.x(), 30));
    QPainterPath arrows;
    arrows.moveTo(490, o.y());
    arrows.lineTo(480, o.y() - 5);
    arrows.lineTo(480, o.y() + 5);
    arrows.closeSubpath();
    arrows.moveTo(o.x(), 30);
    arrows.lineTo(o.x() - 5, 40);
    arrows.lineTo(o.x() + 5, 40);
    arrows.closeSubpath();
    p.fillPath(arrows, Qt::black);
    p.drawText(QPointF(470, o.y() + 20), QStringLiteral("+x (east)"));
    p.drawText(QPointF(o.x() + 8, 42), QStringLiteral("+y (north)"));
    // Sector edges (blue) and wind direction (red), as on the region picture.
    const double direction = 45, sector = 120;
    p.setPen(QPen(QColor(0, 0, 255), 1.5));
    p.drawLine(o, at(direction + sector / 2, 230));
    p.drawLine(o, at(direction - sector / 2, 230));
    p.setPen(QPen(QColor(255, 0, 0), 2.5));
    p.drawLine(o, at(direction, 250));
    // Angle arcs: the direction from +x, and the sector.
    p.setPen(QPen(Qt::black, 1));
    p.drawArc(QRectF(o.x() - 60, o.y() - 60, 120, 120), 0, static_cast<int>(direction * 16));
    p.drawText(at(direction / 2, 68) + QPointF(2, 4), QStringLiteral("WindDirection = 45°"));
    p.setPen(QPen(QColor(0, 0, 160), 1, Qt::DashLine));
    p.drawArc(QRectF(o.x() - 120, o.y() - 120, 240, 240), static_cast<int>((direction - sector / 2) * 16),
              static_cast<int>(sector * 16));
    p.setPen(Qt::black);
    p.drawText(at(direction + sector / 2 + 4, 150) + QPointF(-10, 0), QStringLiteral("SectorAngle = 120°"));
    p.drawText(QRectF(250, 48, 262, 40), Qt::AlignRight | Qt::TextWordWrap,
               QStringLiteral("fetch measured this way:\nthe wind comes from the NE"));
    // The point.
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(o, 5, 5);
    p.drawLine(o - QPointF(10, 0), o + QPointF(10, 0));
    p.drawLine(o - QPointF(0, 10), o + QPointF(0, 10));
    p.drawText(o + QPointF(-70, 24), QStringLiteral("computation point"));
    p.drawText(QPointF(20, 390), QStringLiteral("Sector directions: 45 - 60 + 1 = -14°, -12°, ... 104° (every 2°)"));
    return image;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: orvane-help-pictures IMAGES_FOLDER BAY.WDT [HELP.CHM VIEWER_FOLDER]\n");
        return 2;
    }
    QApplication app(argc, argv);
    orvane::SetFormatDefaults();
    orvane::SetFontSubstitutes();
    orvane::SetMessageSink(
        [](orvane::MessageKind, const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); });
    const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    bool ok = Save(WindDirectionDrawing(), out + QStringLiteral("wind-direction.png"));

    orvane::TOrvaneMain::SetScreenSizeForTesting(QSize(1280, 800));
    orvane::AppState state;
    state.random.Seed(1);  // the record the examples of the help quote
    orvane::TOrvaneMain window(state);
    window.resize(1024, 660);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.OpenProjectFile(QString::fromLocal8Bit(argv[2]));
    QTest::qWait(300);
    window.DrawRegionPlot();
    QTest::qWait(100);
    ok = Save(window.grab().toImage(), out + QStringLiteral("main-window.png")) && ok;
    ok = SaveWidget(&window, "Panel5", out + QStringLiteral("region-column.png")) && ok;
    ok = SaveWidget(&window, "Panel2", out + QStringLiteral("middle-column.png")) && ok;
    ok = SaveWidget(&window, "Panel4", out + QStringLiteral("methods-results.png")) && ok;
    // The rose window at its own first size, on the row of the project's direction.
    window.Fetchandwaverose1->trigger();
    if (window.WaveRose1) {
        QTest::qWait(400);
        // Made smaller here, smoothly, so that it fits the help window's page.
        const QImage rose = window.WaveRose1->grab().toImage().scaledToWidth(720, Qt::SmoothTransformation);
        ok = Save(rose, out + QStringLiteral("wave-rose.png")) && ok;
        window.WaveRose1->close();
    } else {
        std::fprintf(stderr, "no rose window\n");
        ok = false;
    }
    window.close();

    if (argc == 5) {
        orvane::InitHelpMode(nullptr, nullptr, orvane::kHtmlHelp);
        orvane::SetHtmlHelpFile(argv[3]);
        const QString folder = QString::fromLocal8Bit(argv[4]) + QLatin1Char('/');
        for (const char* topic : {"WindData", "DirectionalEffects"}) {
            orvane::ShowHelpTopic(topic);
            orvane::THtmlHelpViewer* viewer = orvane::THtmlHelpViewer::Instance();
            viewer->resize(1000, 720);
            QTest::qWait(200);
            ok = Save(viewer->grab().toImage(), folder + QStringLiteral("help-%1.png").arg(topic)) && ok;
        }
        orvane::THtmlHelpViewer::CloseAll();
    }
    return ok ? 0 : 1;
}
