#include "reports/OrvaneRep02F.h"

#include <QPainter>
#include <QRectF>

#include "reports/FormulaPicture.h"

namespace orvane {

namespace {

const ReportFont kSection = Font("Arial", 10, "bu");
const ReportFont kMethod = Font("Arial", 10, "b");
const ReportFont kParagraph = Font("Arial", 10);

// (gF/U^2)^e and friends: the dimensionless groups of the formulas.
std::string Group(const char* top, const char* exponent)
{
    return std::string("\\left(\\frac{") + top + "}{U^2}\\right)^{" + exponent + "}";
}

std::vector<FormulaPictureItem> MakeFormulaPictures()
{
    const std::string pm = "S(f) = \\alpha g^2 (2\\pi)^{-4} f^{-5} "
                           "\\exp\\left\\{-\\frac{5}{4}\\left(\\frac{f}{f_p}\\right)^{-4}\\right\\}";
    const std::string depthH = "\\tanh\\left[0.530 " + Group("gD", "0.75") + "\\right]";
    const std::string depthT = "\\tanh\\left[0.833 " + Group("gD", "0.375") + "\\right]";
    const std::string integral = "\\int_{-\\alpha}^{+\\alpha}";
    const std::string energy = "\\left[H(\\phi)\\cos(\\phi)\\right]^2\\,\\rm{d}\\phi";
    return {
        {"Band01",
         "SpectraPicture",
         {3.2, 4.2, 131.5, 34.1},
         {"\\b{Pierson-Moskowitz}\\at{9}" + pm,
          // The peak enhancement's exponent, set in a script size inside
          // a script, would be unreadable: it is named a and given below.
          "\\b{JONSWAP}\\at{9}" + pm + "\\,\\gamma^a",
          "\\at{9}a = \\exp\\left\\{-(f-f_p)^2 / \\left(2\\sigma^2 f_p^2\\right)\\right\\}, \\qquad \\sigma = 0.07"
          "\\rm{ for }f \\le f_p, \\quad \\sigma = 0.09\\rm{ for }f > f_p"}},
        {"Band02",
         "BretschneiderPicture",
         {10.6, 12.7, 167.5, 10.8},
         {"\\frac{gH}{U^2} = 0.283 \\tanh\\left[0.0125 " + Group("gF", "0.42") +
          "\\right] \\qquad \\frac{gT}{U} = 7.540 \\tanh\\left[0.0770 " + Group("gF", "0.25") + "\\right]"}},
        {"Band02",
         "DepthPicture",
         {10.6, 28.6, 165.4, 52.1},
         {"\\frac{gH}{U^2} = 0.283 " + depthH + " \\tanh\\left\\{\\frac{0.0125 " + Group("gF", "0.42") + "}{" + depthH +
              "}\\right\\}",
          "\\frac{gT}{U} = 7.540 " + depthT + " \\tanh\\left\\{\\frac{0.0770 " + Group("gF", "0.25") + "}{" + depthT +
              "}\\right\\}"}},
        {"Band02",
         "WilsonPicture",
         {11.6, 79.4, 154.8, 13.0},
         {"\\frac{gH}{U^2} = 0.30 \\left[1 - \\left\\{1 + 0.004 " + Group("gF", "1/2") +
          "\\right\\}^{-2}\\right] \\qquad \\frac{gT}{U} = 8.60 \\left[1 - \\left\\{1 + 0.008 " + Group("gF", "1/3") +
          "\\right\\}^{-5}\\right]"}},
        {"Band03",
         "EffectiveFetchPicture",
         {3.2, 13.8, 40.5, 17.2},
         {"F_{eff} = \\frac{" + integral + "F \\cos(\\phi)\\,\\rm{d}\\phi}{" + integral +
          "\\cos(\\phi)\\,\\rm{d}\\phi}"}},
        // 30.4 mm high (not 32): the square root's fraction makes the pair
        // taller than the designed box, which would reach the next title.
        {"Band03",
         "SavillePicture",
         {3.2, 37.0, 46.8, 30.4},
         // The cos^2-weighted mean of the energies H^2 (core SavilleWave):
         // a uniform fetch gives back its own H.
         {"H_s = \\sqrt{\\frac{" + integral + energy + "}{" + integral + "\\cos^2(\\phi)\\,\\rm{d}\\phi}}",
          "T_s = \\frac{" + integral + "T(\\phi)" + energy + "}{" + integral + energy + "}"}},
    };
}

void AddFormulas(Band& band)
{
    for (const FormulaPictureItem& picture : TOrvaneRep02::FormulaPictures()) {
        if (picture.band != band.name)
            continue;
        band.Picture(picture.name, picture.rect, [&lines = picture.lines](QPainter& painter, const QRectF& target) {
            PaintFormulaLines(painter, target, lines, TOrvaneRep02::kFormulaPt);
        });
    }
}

void SpectraBand(Report& rep)
{
    Band& band = rep.AddBand(BandKind::Child, "Band01", 37.0);
    band.Label("SpectraHeading", "Wave spectra", kSection, 2.6, 1.1);
    AddFormulas(band);
}

void SignificantBand(Report& rep)
{
    Band& band = rep.AddBand(BandKind::Child, "Band02", 92.1);
    band.Label("SignificantHeading", "Significant wave height and period", kSection, 2.6, 1.1);
    band.Label("BretschneiderTitle", "1. Bretschneider'method", kMethod, 5.3, 8.5);
    band.Label("DepthTitle", "2. Bretschneider's method with depth effect", kMethod, 5.3, 25.4);
    band.Label("WilsonTitle", "3. Wilson's method", kMethod, 5.3, 73.0);
    AddFormulas(band);
}

void DirectionalBand(Report& rep)
{
    Band& band = rep.AddBand(BandKind::Child, "Band03", 114.3);
    band.Label("DirectionalHeading", "Directional spectrum effects", kSection, 2.6, 1.1);
    band.Label("EffectiveFetchTitle", "1 Effective fetch method", kMethod, 5.3, 7.4);
    band.TextBox("EffectiveFetchText", {49.7, 9.5, 136.8, 18.3},
                 "An effective fetch  (Feff) obtained as fetch weighted average, is used for the prediction of "
                 "significant wave height and significant wave period. F is the fetch along a ray radiating from the "
                 "point at which the waves are determined, at an angle (phi) with the main wind direction. The "
                 "integral is over the wind sector area.",
                 kParagraph);
    band.Label("SavilleTitle", "2. Saville's Modified method", kMethod, 5.3, 32.8);
    band.TextBox("SavilleText", {50.8, 42.3, 136.8, 25.7},
                 "The significant wave height Hs obtained as weighted average, and the significant wave period as "
                 "the energy weighted average. H( ) and T( ) are the wave height and wave period of waves generated "
                 "along a ray radiating from the point at which the waves is to be determined, and making an angle "
                 "(phi) with the main wind direction. The integral is over the wind sector area.",
                 kParagraph);
    band.Label("SeymourTitle", "3. Seymour's method", kMethod, 5.3, 67.7);
    band.TextBox("SeymourText", {3.2, 73.0, 184.4, 18.3},
                 "The water region is separated in small sectors at angles phi around the main wind direction up to "
                 "a boundary angle. For each sector the significant wave height and significant wave period are "
                 "computed, and from them a wave spectrum. The final wave spectrum is obtained from energy-average of "
                 "all these spectrums, and from the final spectrum the significant wave height and significant wave "
                 "period are computed.\n",
                 kParagraph);
    band.Label("ReferencesHeading", "Basic references", kSection, 3.2, 92.1);
    band.TextBox("ReferencesText", {3.2, 98.4, 181.2, 13.0},
                 "Bretschneider, Ch.I..\"Topics in Ocean Engineering\", Gulf Publishing Company, Houston Texas, 1969.\n"
                 "Seymour, R.J. \"Estimating Wave Generation in Restricted fetches\", J. ASME WW2, May 1977, "
                 "pp251-263\n"
                 "Kinsman B., \" Wind Waves.\" Prentice Hall, Inc., Englewood Cliffs, New Jersey 1965.",
                 kParagraph);
    AddFormulas(band);
}

}  // namespace

const std::vector<FormulaPictureItem>& TOrvaneRep02::FormulaPictures()
{
    static const std::vector<FormulaPictureItem> pictures = MakeFormulaPictures();
    return pictures;
}

TOrvaneRep02::TOrvaneRep02(const ProjectRecord& rec) : TOrvaneRep00(rec)
{
    {
        Band& title = QRep.BandNamed("TitleBand");
        title.heightMm = 6.3;
        title.Label("TitleLabel", "Wave forecasting methods", kSection, 2.1, 1.1);
    }
    QRep.BandNamed("TopBand").heightMm = 1.1;
    QRep.BandNamed("FootBand").heightMm = 7.7;
    SpectraBand(QRep);
    SignificantBand(QRep);
    DirectionalBand(QRep);
}

}  // namespace orvane
