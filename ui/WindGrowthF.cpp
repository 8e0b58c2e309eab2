#include "ui/WindGrowthF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/AppState.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/Units.h"
#include "tools/QtText.h"
#include "tools/help/HelpSystem.h"

namespace orvane {

namespace {

constexpr SpeedUnit kUnits[] = {SpeedUnit::MetresPerSecond, SpeedUnit::KilometresPerHour, SpeedUnit::MilesPerHour,
                                SpeedUnit::Knots, SpeedUnit::FeetPerSecond};
constexpr Exposure kExposures[] = {Exposure::OverWater, Exposure::AtShore, Exposure::OverLand};

// A number typed in a field ("." or "," as decimal separator); empty when
// the field is empty or holds no number.
std::optional<double> Typed(const QLineEdit* edit)
{
    std::string text = ToUtf8(edit->text());
    RemoveChar(text, ' ');
    for (char& c : text) {
        if (c == ',')
            c = '.';
    }
    double v = 0.0;
    if (text.empty() || !ParseReal(text, v) || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString Shown(double v) { return FromUtf8(Format("%g", v)); }
QString Speed(double ms) { return FromUtf8(Format("%.3f", ms)); }
QString Ratio(double r) { return FromUtf8(Format("%.4f", r)); }

QTableWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c > 0 && c + 1 < cells.size())
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, c, item);
    }
}

}  // namespace

TWindGrowth::TWindGrowth(AppState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("WindGrowth"));
    setProperty(kHelpKeywordProperty, QStringLiteral("WindAndGrowth"));
    setWindowTitle(QStringLiteral("Wind and growth"));
    resize(860, 620);

    // The observation.
    auto* observation = new QGroupBox(QStringLiteral("Observed wind"), this);
    observation->setObjectName(QStringLiteral("ObservationGroup"));
    SpeedEdit = new QLineEdit(observation);
    SpeedEdit->setObjectName(QStringLiteral("SpeedEdit"));
    SpeedUnitCombo = new QComboBox(observation);
    SpeedUnitCombo->setObjectName(QStringLiteral("SpeedUnitCombo"));
    for (SpeedUnit unit : kUnits)
        SpeedUnitCombo->addItem(FromUtf8(SpeedUnitName(unit)));
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(SpeedEdit);
    speedRow->addWidget(SpeedUnitCombo);
    HeightEdit = new QLineEdit(observation);
    HeightEdit->setObjectName(QStringLiteral("HeightEdit"));
    AveragingEdit = new QLineEdit(observation);
    AveragingEdit->setObjectName(QStringLiteral("AveragingEdit"));
    ExposureCombo = new QComboBox(observation);
    ExposureCombo->setObjectName(QStringLiteral("ExposureCombo"));
    ExposureCombo->addItems(
        {QStringLiteral("over water"), QStringLiteral("at the shore"), QStringLiteral("over land")});
    DeltaTCheck = new QCheckBox(QStringLiteral("known:"), observation);
    DeltaTCheck->setObjectName(QStringLiteral("DeltaTCheck"));
    DeltaTEdit = new QLineEdit(observation);
    DeltaTEdit->setObjectName(QStringLiteral("DeltaTEdit"));
    auto* deltaRow = new QHBoxLayout;
    deltaRow->addWidget(DeltaTCheck);
    deltaRow->addWidget(DeltaTEdit);
    auto* observed = new QFormLayout(observation);
    observed->addRow(QStringLiteral("Speed"), speedRow);
    observed->addRow(QStringLiteral("Height above ground or water [m]"), HeightEdit);
    observed->addRow(QStringLiteral("Averaging time [s]"), AveragingEdit);
    observed->addRow(QStringLiteral("Measured"), ExposureCombo);
    observed->addRow(QStringLiteral("Air - water temperature [\u00B0C]"), deltaRow);

    // The growth law and duration.
    auto* growth = new QGroupBox(QStringLiteral("Wave growth"), this);
    growth->setObjectName(QStringLiteral("GrowthGroup"));
    LawCombo = new QComboBox(growth);
    LawCombo->setObjectName(QStringLiteral("LawCombo"));
    LawCombo->addItem(QStringLiteral("the project's method (") +
                          FromUtf8(SignificantMethodName(state_.project.SignificantMethod)) + QStringLiteral(")"),
                      -1);
    for (GrowthLaw law : AllGrowthLaws())
        LawCombo->addItem(FromUtf8(GrowthLawTitle(law)), static_cast<int>(law));
    DurationEdit = new QLineEdit(growth);
    DurationEdit->setObjectName(QStringLiteral("DurationEdit"));
    DurationEdit->setPlaceholderText(QStringLiteral("unlimited"));
    auto* growthForm = new QFormLayout(growth);
    growthForm->addRow(QStringLiteral("Growth law"), LawCombo);
    growthForm->addRow(QStringLiteral("Storm duration [h]"), DurationEdit);

    // The chain and the waves.
    ChainTable = MakeTable(this, "ChainTable", {QStringLiteral("Step"), QStringLiteral("Value"), QStringLiteral("")});
    NotesLabel = new QLabel(this);
    NotesLabel->setObjectName(QStringLiteral("NotesLabel"));
    NotesLabel->setWordWrap(true);
    NotesLabel->setStyleSheet(QStringLiteral("color: #c00000"));
    WavesTable = MakeTable(this, "WavesTable",
                           {QStringLiteral("Fetch"), QStringLiteral("Length"), QStringLiteral("Hm0 [m]"),
                            QStringLiteral("Tp [s]"), QStringLiteral("Limited by")});
    WavesTable->setRowCount(2);
    WavesTable->setFixedHeight(WavesTable->horizontalHeader()->sizeHint().height() +
                               2 * WavesTable->verticalHeader()->defaultSectionSize() + 4);

    UseWindBtn = new QPushButton(QStringLiteral("Use this wind"), this);
    UseWindBtn->setObjectName(QStringLiteral("UseWindBtn"));
    UseWindBtn->setToolTip(QStringLiteral("Write the adjusted U10 into the main window's wind velocity"));
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    OkBtn = buttons->button(QDialogButtonBox::Ok);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    CancelBtn = buttons->button(QDialogButtonBox::Cancel);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addButton(UseWindBtn, QDialogButtonBox::ActionRole);

    auto* inputs = new QVBoxLayout;
    inputs->addWidget(observation);
    inputs->addWidget(growth);
    inputs->addStretch(1);
    auto* chain = new QVBoxLayout;
    chain->addWidget(ChainTable, 1);
    chain->addWidget(NotesLabel);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addLayout(chain, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(WavesTable);
    layout->addWidget(buttons);

    ShowSettings();

    for (QLineEdit* edit : {SpeedEdit, HeightEdit, AveragingEdit, DeltaTEdit, DurationEdit})
        connect(edit, &QLineEdit::textChanged, this, &TWindGrowth::Recompute);
    for (QComboBox* combo : {SpeedUnitCombo, ExposureCombo, LawCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &TWindGrowth::Recompute);
    connect(DeltaTCheck, &QCheckBox::toggled, this, &TWindGrowth::Recompute);
    connect(UseWindBtn, &QPushButton::clicked, this, &TWindGrowth::UseWindBtnClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &TWindGrowth::OkBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { ShowHelpTopic("WindAndGrowth"); });
    Recompute();
}

// The settings the project keeps, into the fields.
void TWindGrowth::ShowSettings()
{
    const WindSettings& w = state_.companion.wind;
    if (w.observedSpeed)
        SpeedEdit->setText(Shown(*w.observedSpeed));
    for (int i = 0; i < static_cast<int>(std::size(kUnits)); ++i) {
        if (kUnits[i] == w.observedUnit)
            SpeedUnitCombo->setCurrentIndex(i);
    }
    HeightEdit->setText(Shown(w.heightM));
    AveragingEdit->setText(Shown(w.averagingS));
    ExposureCombo->setCurrentIndex(static_cast<int>(w.exposure));
    DeltaTCheck->setChecked(w.airMinusWaterC.has_value());
    DeltaTEdit->setText(w.airMinusWaterC ? Shown(*w.airMinusWaterC) : QStringLiteral("0"));
    const GrowthOptions& g = state_.companion.growth;
    LawCombo->setCurrentIndex(g.law ? LawCombo->findData(static_cast<int>(*g.law)) : 0);
    if (g.durationH)
        DurationEdit->setText(Shown(*g.durationH));
}

WindSettings TWindGrowth::Wind() const
{
    WindSettings w = state_.companion.wind;
    w.observedSpeed = Typed(SpeedEdit);
    w.observedUnit = kUnits[std::max(0, SpeedUnitCombo->currentIndex())];
    if (const auto h = Typed(HeightEdit); h && *h > 0)
        w.heightM = *h;
    if (const auto t = Typed(AveragingEdit); t && *t > 0)
        w.averagingS = *t;
    w.exposure = kExposures[std::max(0, ExposureCombo->currentIndex())];
    w.airMinusWaterC = DeltaTCheck->isChecked() ? Typed(DeltaTEdit) : std::nullopt;
    return w;
}

GrowthOptions TWindGrowth::Growth() const
{
    GrowthOptions g;
    if (const int law = LawCombo->currentData().toInt(); law >= 0)
        g.law = static_cast<GrowthLaw>(law);
    if (const auto h = Typed(DurationEdit); h && *h > 0)
        g.durationH = *h;
    return g;
}

WindObservation TWindGrowth::Observation() const
{
    const WindSettings w = Wind();
    WindObservation obs;
    obs.speed = w.observedSpeed.value_or(0.0);
    obs.unit = w.observedUnit;
    obs.heightM = w.heightM;
    obs.averagingS = w.averagingS;
    obs.exposure = w.exposure;
    obs.airMinusWaterC = w.airMinusWaterC;
    // The wind of the storm's duration; an hour when the storm has none.
    obs.durationS = Growth().durationH.value_or(1.0) * 3600.0;
    return obs;
}

void TWindGrowth::Recompute()
{
    DeltaTEdit->setEnabled(DeltaTCheck->isChecked());
    const WindObservation obs = Observation();
    const bool observed = obs.speed > 0.0;
    chain_ = observed ? AdjustWind(obs) : WindChain {};
    const QString ms = QStringLiteral("m/s");
    const QList<QStringList> rows = {
        {QStringLiteral("observed"), Speed(chain_.observedMs), ms},
        {QStringLiteral("at 10 m (1/7 power law)"), Speed(chain_.atTenMetresMs), ms},
        {QStringLiteral("one-hour mean (gust factor ") + Ratio(chain_.observedGust) + QStringLiteral(")"),
         Speed(chain_.oneHourMs), ms},
        {QStringLiteral("over land to over water R_L"), Ratio(chain_.RL), QString()},
        {QStringLiteral("stability R_T"), Ratio(chain_.RT), QString()},
        {QStringLiteral("U10, one hour, over water"), Speed(chain_.oneHourWaterMs), ms},
        {QStringLiteral("U10 of the duration (x ") + Ratio(chain_.durationGust) + QStringLiteral(")"),
         Speed(chain_.U10), ms},
        {QStringLiteral("drag coefficient C_D"), FromUtf8(Format("%.6f", chain_.CD)), QString()},
        {QStringLiteral("friction velocity u*"), Ratio(chain_.uStarMs), ms},
        {QStringLiteral("SPM 1984 adjusted speed U_A"), Speed(chain_.UAMs), ms},
    };
    ChainTable->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        SetRow(ChainTable, r, observed ? rows[r] : QStringList {rows[r][0], QStringLiteral("-"), rows[r][2]});
    ChainTable->resizeColumnsToContents();
    QStringList notes;
    for (const std::string& note : chain_.notes)
        notes << FromUtf8(note);
    NotesLabel->setText(notes.join(QStringLiteral("\n")));
    UseWindBtn->setEnabled(observed && chain_.U10 > 0.0);

    // The waves at the project's two fetches, of the adjusted wind (or the
    // project's own when no observation is typed).
    const ProjectRecord& rec = state_.project;
    const GrowthOptions growth = Growth();
    const double u10 = observed ? chain_.U10 : WindSpeedFeet(rec) / kFeetPerMetre;
    const Sector sector = MakeSector(rec);
    const std::string unit = CoordUnitName(rec.CoordUnits);
    const GrowthLaw law = MakeWaveLaw(rec.SignificantMethod, growth).Effective();
    const struct {
        const char* name;
        float fetch;
    } fetches[] = {{"central", WindDirectionFetch(rec)}, {"effective", EffectiveFetch(sector)}};
    for (int r = 0; r < 2; ++r) {
        GrowthInput in;
        in.u10Ms = u10;
        in.fetchM = LengthToFeet(rec, fetches[r].fetch) / kFeetPerMetre;
        in.depthM = DepthFeet(rec) / kFeetPerMetre;
        if (growth.durationH)
            in.durationS = *growth.durationH * 3600.0;
        GrowthSummary summary;
        summary.law = law;
        summary.options = growth;
        summary.result = Grow(law, in);
        SetRow(WavesTable, r,
               {FromUtf8(fetches[r].name), FromUtf8(Format("%.3f %s", fetches[r].fetch, unit)),
                FromUtf8(Format("%.2f", summary.result.hm0M)), FromUtf8(Format("%.2f", summary.result.tpS)),
                FromUtf8(GrowthLimitText(summary))});
    }
    WavesTable->resizeColumnsToContents();
}

void TWindGrowth::StoreSettings()
{
    state_.companion.wind = Wind();
    state_.companion.growth = Growth();
}

void TWindGrowth::UseWindBtnClick()
{
    StoreSettings();
    emit WindChosen(chain_.U10);
    accept();
}

void TWindGrowth::OkBtnClick()
{
    StoreSettings();
    accept();
}

}  // namespace orvane
