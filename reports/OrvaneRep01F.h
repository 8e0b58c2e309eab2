#pragma once
// TOrvaneRep01: the results report. Page 1: the region picture with the wind
// and depth inputs, the three methods, the spectrum chart beside the
// predicted waves, the time-series chart. Page 2, always: the table of the 64
// spectral values.
//
// Every value is filled while the report is constructed, from the project
// record and the results of the last computation run (run it first). The
// report never writes the record: a command that keeps the extents of the
// printed picture with the project stores PictureScale itself
// (StorePlotExtents).

#include <memory>
#include <string>

#include "core/BearingReference.h"
#include "core/ProjectRecord.h"
#include "graphics/ChartData.h"
#include "graphics/RegionPlot.h"
#include "reports/OrvaneRep00F.h"

namespace orvane {

class TOrvaneRep01 : public TOrvaneRep00 {
public:
    // pixelAspect: (mm per pixel across) / (mm per pixel down) of the device
    // the report is made for (ReportPixelAspect); 1 for square pixels.
    TOrvaneRep01(const ProjectRecord& rec, const WaveResults& results, double pixelAspect = 1.0);

    // The region picture `Plot`, square on paper for the pixel aspect, and
    // the scale of its drawing in PictureScale.
    void DrawRegionPicture();
    // The appearance of the two charts `PlotSpec` and `PlotTime`.
    void SetupResultCharts();
    // Both charts' series and ranges, and the six predicted values.
    void ShowPredictedWaves();
    // The 19 lines of `SpectraValuesMemo`.
    void ListSpectralValues();
    // Under the predicted waves, in small print: the growth law and duration
    // of a run that did not use the significant-wave method alone, and what
    // limited its waves ("duration-limited: ..."). Empty texts remove them.
    void ShowGrowth(const std::string& lawText, const std::string& limitText);
    // The compass aside under the wind direction in the north of ref: true
    // bearings for a project that knows its coordinate system ("(from NE,
    // true bearing 46.1°)"); grid bearings until this is called.
    void ShowBearings(const BearingReference& ref);

    // The picture's raster in pixels (96 per inch as designed) and the plot
    // scale of its drawing.
    int PlotWidthPx = 0;
    int PlotHeightPx = 0;
    PlotScale PictureScale;

    // The two charts as ShowPredictedWaves set them.
    const ChartData& SpectrumChartData() const { return *spectrum_; }
    const ChartData& TimeChartData() const { return *timeSeries_; }

    // The velocity unit as the report prints it: "m/sec", "Km/hr", "ft/sec",
    // "m.p.h" (no final period); "?" for a code outside the table.
    static std::string VelocityUnitText(int velocityUnits);

private:
    void BuildBands();
    void FillInputs();
    void FillMethods();

    const ProjectRecord& rec_;
    double pixelAspect_;
    // Copies the callbacks keep, so the report outlives its sources.
    std::shared_ptr<const WaveResults> results_;
    std::shared_ptr<ChartData> spectrum_ = std::make_shared<ChartData>();
    std::shared_ptr<ChartData> timeSeries_ = std::make_shared<ChartData>();
};

}  // namespace orvane
