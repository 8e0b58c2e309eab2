// TOrvaneDrawRegion: the background traced over - a picture or a GIS layer
// read through the GIS module, placed in the pad's kilometres, kept in the
// project's pad settings.

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

#include "core/Messages.h"
#include "core/ProjectCompanion.h"
#include "tools/QtText.h"
#include "ui/BackgroundPlacementF.h"
#include "ui/OrvaneDrawRegionF.h"
#ifdef ORVANE_UI_GIS
#include "gis/GisBackground.h"
#endif

namespace orvane {

namespace {

// A picture is read at most this many pixels large: some four surfaces'
// worth, so that a few steps of zoom stay sharp. A larger raster is read
// reduced (from its overviews when it has them), never whole.
constexpr long long kBackgroundPixels = 6'000'000;

constexpr int kOpacitySliderTop = 342;

// Files whose trouble was said already in this run: a background gone
// missing is said once, not at every opening of the window.
void ReportOnce(const std::string& path, const std::string& text)
{
    static std::set<std::string> reported;
    if (reported.insert(path).second)
        ShowMessage(MessageKind::Warning, text);
}

}  // namespace

QString TOrvaneDrawRegion::MissingBackgroundMessage(const QString& file)
{
    return QStringLiteral("The background [%1] of the drawing pad is missing; the pad opens without it. File, "
                          "\"Background image...\" or \"Background layer...\" chooses another.")
        .arg(file);
}

void TOrvaneDrawRegion::BuildBackgroundControls()
{
    BackgroundImage1 = new QAction(QStringLiteral("Background image..."), this);
    BackgroundImage1->setObjectName(QStringLiteral("BackgroundImage1"));
    BackgroundLayer1 = new QAction(QStringLiteral("Background layer..."), this);
    BackgroundLayer1->setObjectName(QStringLiteral("BackgroundLayer1"));
    NoBackground1 = new QAction(QStringLiteral("No background"), this);
    NoBackground1->setObjectName(QStringLiteral("NoBackground1"));
    File1->insertActions(Exit1, {BackgroundImage1, BackgroundLayer1, NoBackground1});
    File1->insertSeparator(Exit1);
    connect(BackgroundImage1, &QAction::triggered, this, &TOrvaneDrawRegion::BackgroundImage1Click);
    connect(BackgroundLayer1, &QAction::triggered, this, &TOrvaneDrawRegion::BackgroundLayer1Click);
    connect(NoBackground1, &QAction::triggered, this, &TOrvaneDrawRegion::RemoveBackground);

    OpacityLabel = new QLabel(QStringLiteral("Background"), PanelMainLeft);
    OpacityLabel->setObjectName(QStringLiteral("OpacityLabel"));
    OpacityLabel->move(8, kOpacitySliderTop - 18);
    OpacitySlider = new QSlider(Qt::Horizontal, PanelMainLeft);
    OpacitySlider->setObjectName(QStringLiteral("OpacitySlider"));
    OpacitySlider->setRange(0, 100);
    OpacitySlider->setValue(static_cast<int>(std::lround(Background.Opacity * 100)));
    OpacitySlider->setToolTip(QStringLiteral("Opacity of the background"));
    OpacitySlider->setGeometry(20, kOpacitySliderTop, 125, 20);
    OpacityLabel->setBuddy(OpacitySlider);
    connect(OpacitySlider, &QSlider::valueChanged, this, &TOrvaneDrawRegion::OpacitySliderChange);
}

void TOrvaneDrawRegion::SetPadSettings(PadSettings* settings, const QString& projectFile)
{
    padSettings_ = settings;
    projectFile_ = projectFile;
}

std::string TOrvaneDrawRegion::BackgroundPath(const std::string& file) const
{
    const QString name = FromUtf8(file);
    if (projectFile_.isEmpty() || !QFileInfo(name).isRelative() || name.contains(QLatin1String("://")))
        return file;
    return ToUtf8(QFileInfo(projectFile_).dir().filePath(name));
}

void TOrvaneDrawRegion::KeepBackground(const PadBackgroundSetting* setting)
{
    if (padSettings_ == nullptr)
        return;
    if (setting != nullptr)
        padSettings_->background = *setting;
    else
        padSettings_->background.reset();
}

bool TOrvaneDrawRegion::ShowBackground(PadBackgroundSetting& setting, bool askPlacement, std::string& why)
{
#ifdef ORVANE_UI_GIS
    const std::string path = BackgroundPath(setting.file);
    PadBackground shown;
    shown.Opacity = Background.Opacity;
    if (setting.kind == PadBackgroundKind::Layer) {
        BackgroundLayer layer = ReadBackgroundLayer(path, BackgroundCrs);
        if (!layer) {
            why = layer.message;
            return false;
        }
        // A system in metres or feet gives kilometres; other coordinates are taken as the project's unit.
        const double km = layer.metresPerUnit > 0 ? layer.metresPerUnit / 1000 : KmPerUnit;
        for (const auto& line : layer.lines) {
            auto& out = shown.Lines.emplace_back();
            out.reserve(line.size());
            for (const XY& p : line)
                out.push_back({p.x * km, p.y * km});
        }
    } else {
        BackgroundRaster raster = ReadBackgroundRaster(path, BackgroundCrs, kBackgroundPixels);
        if (!raster) {
            why = raster.message;
            return false;
        }
        std::array<double, 6> g {};
        if (setting.kind == PadBackgroundKind::Raster && raster.georeferenced) {
            const double km = raster.metresPerUnit > 0 ? raster.metresPerUnit / 1000 : KmPerUnit;
            for (std::size_t i = 0; i < g.size(); ++i)
                g[i] = raster.geoTransform[i] * km;
        } else {
            if (setting.kind != PadBackgroundKind::Image) {
                if (!askPlacement) {
                    why = "the background [" + path + "] is no longer georeferenced";
                    return false;
                }
                // Proposed: the picture's bottom corners along the bottom of the view, square pixels.
                const PadBox view = WorldBoxOf(Mapping, VisibleSurface());
                const double w = raster.sourceWidth;
                const double h = raster.sourceHeight;
                double left = 0;
                double bottom = 0;
                double perPixel = 1 / Mapping.PixelsPerUnitX() / KmPerUnit;
                if (!view.Empty) {
                    perPixel = 0.9 * std::min((view.Right - view.Left) / w, (view.Top - view.Bottom) / h) / KmPerUnit;
                    left = (view.Left + 0.05 * (view.Right - view.Left)) / KmPerUnit;
                    bottom = (view.Bottom + 0.05 * (view.Top - view.Bottom)) / KmPerUnit;
                }
                TBackgroundPlacement dialog(raster.sourceWidth, raster.sourceHeight, DisplayUnit(),
                                            {0, h, left, bottom, w, h, left + w * perPixel, bottom}, this);
                if (dialog.exec() != QDialog::Accepted)
                    return false;
                setting.kind = PadBackgroundKind::Image;
                setting.placement = dialog.Placement();
            }
            const auto full = PictureToWorldFromControlPoints(setting.placement);
            if (!full) {
                why = "the background [" + path + "] is placed by two points that coincide";
                return false;
            }
            // The control points are in the file's pixels and the project's
            // unit; the picture read may be smaller, the pad is in kilometres.
            const double sx = static_cast<double>(raster.sourceWidth) / raster.width;
            const double sy = static_cast<double>(raster.sourceHeight) / raster.height;
            const double km = KmPerUnit;
            g = {(*full)[0] * km, (*full)[1] * sx * km, (*full)[2] * sy * km,
                 (*full)[3] * km, (*full)[4] * sx * km, (*full)[5] * sy * km};
        }
        auto picture = std::make_shared<RgbaImage>();
        picture->Width = raster.width;
        picture->Height = raster.height;
        picture->Pixels = std::move(raster.rgba);
        shown.Picture = std::move(picture);
        shown.PictureToWorld = g;
    }
    Background = std::move(shown);
    return true;
#else
    (void)setting;
    (void)askPlacement;
    why = "backgrounds cannot be read: this program was built without its GIS module";
    return false;
#endif
}

void TOrvaneDrawRegion::OpenStoredBackground()
{
    if (padSettings_ == nullptr || !padSettings_->background)
        return;
    PadBackgroundSetting setting = *padSettings_->background;
    Background.Opacity = setting.opacity;
    {
        const QSignalBlocker quiet(OpacitySlider);
        OpacitySlider->setValue(static_cast<int>(std::lround(setting.opacity * 100)));
    }
    const std::string path = BackgroundPath(setting.file);
    if (!QFileInfo::exists(FromUtf8(path))) {
        ReportOnce(path, ToUtf8(MissingBackgroundMessage(FromUtf8(path))));
        return;
    }
    std::string why;
    if (!ShowBackground(setting, false, why))
        ReportOnce(path, "The background of the drawing pad cannot be shown: " + why);
}

bool TOrvaneDrawRegion::LoadBackgroundImage(const QString& fileName)
{
    PadBackgroundSetting setting;
    setting.file = ToUtf8(QFileInfo(fileName).absoluteFilePath());
    setting.kind = PadBackgroundKind::Raster;
    setting.opacity = Background.Opacity;
    std::string why;
    if (!ShowBackground(setting, true, why)) {
        if (!why.empty())
            ShowMessage(MessageKind::Error, why);
        return false;
    }
    KeepBackground(&setting);
    // Over an empty drawing the background is what there is to see.
    if (!FitRegion())
        Redraw();
    return true;
}

bool TOrvaneDrawRegion::LoadBackgroundLayer(const QString& fileName)
{
    PadBackgroundSetting setting;
    setting.file = ToUtf8(QFileInfo(fileName).absoluteFilePath());
    setting.kind = PadBackgroundKind::Layer;
    setting.opacity = Background.Opacity;
    std::string why;
    if (!ShowBackground(setting, false, why)) {
        ShowMessage(MessageKind::Error, why);
        return false;
    }
    KeepBackground(&setting);
    if (!FitRegion())
        Redraw();
    return true;
}

void TOrvaneDrawRegion::RemoveBackground()
{
    const double opacity = Background.Opacity;
    Background = PadBackground();
    Background.Opacity = opacity;
    KeepBackground(nullptr);
    Redraw();
}

void TOrvaneDrawRegion::OpacitySliderChange()
{
    Background.Opacity = OpacitySlider->value() / 100.0;
    if (padSettings_ != nullptr && padSettings_->background)
        padSettings_->background->opacity = Background.Opacity;
    if (Ready)
        Redraw();
}

void TOrvaneDrawRegion::BackgroundImage1Click()
{
    const QString dir = projectFile_.isEmpty() ? QString() : QFileInfo(projectFile_).absolutePath();
    const QString name = QFileDialog::getOpenFileName(
        this, QStringLiteral("Background image"), dir,
        QStringLiteral("Pictures (*.tif *.tiff *.png *.jpg *.jpeg *.jp2 *.img *.vrt);;All files (*)"));
    if (!name.isEmpty())
        LoadBackgroundImage(name);
}

void TOrvaneDrawRegion::BackgroundLayer1Click()
{
    const QString dir = projectFile_.isEmpty() ? QString() : QFileInfo(projectFile_).absolutePath();
    const QString name = QFileDialog::getOpenFileName(
        this, QStringLiteral("Background layer"), dir,
        QStringLiteral("GIS layers (*.shp *.gpkg *.geojson *.json *.kml *.gml *.dxf);;All files (*)"));
    if (!name.isEmpty())
        LoadBackgroundLayer(name);
}

}  // namespace orvane
