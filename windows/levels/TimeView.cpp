#include "windows/levels/TimeView.h"

#include "windows/common/GrowingLayout.h"
#include "windows/common/PlotRanges.h"
#include "windows/levels/Plot.h"

#include "graph/Graph.h"
#include "platform/NumberText.h"
#include "platform/Place.h"
#include "solver/core/Solver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The size the view is drawn for; it grows with the window, its plots taking the room.
constexpr int kWidth = 460;
constexpr int kHeight = 436;
constexpr int kFrameMs = 16;          // the display's rate
constexpr double kLongestFrame = 0.1; // s: a stalled event loop does not make the time jump
constexpr int kTraceSamples = 200;
constexpr double kRangeSamples = 32; // per shortest beat, for the trace's range
constexpr double kBeatsTraced = 3;
constexpr double kStillSpan = 10; // fs of trace when nothing moves

// fs of simulated time per second, in steps of 1, 2, 5: the beats of the program's potentials
// last from under a femtosecond (hydrogen) to millions (tunnelling through a wide barrier).
constexpr std::array<double, 25> kSpeeds{0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1,   2,   5,
                                         10,   20,   50,   1e2, 2e2, 5e2, 1e3, 2e3, 5e3,
                                         1e4,  2e4,  5e4,  1e5, 2e5, 5e5, 1e6};
constexpr int kDefaultSpeed = 6; // 1 fs/s

constexpr Color kBlack{0, 0, 0};
constexpr Color kRealColor{0, 0, 220};
constexpr Color kImagColor{220, 0, 0};
constexpr Color kMeanColor{0, 150, 0};

// The stretch of x the plot shows: the main window's visible window, from r = 0 for hydrogen.
double xFirst(int row) {
    return row == RowHydrogen ? 0.0 : -ViewHalfWidth;
}
double xLast(int row) {
    return xFirst(row) + 2 * ViewHalfWidth;
}

QString femtoseconds(double value) {
    return Format(value, QStringLiteral("-0.00")) + QStringLiteral(" fs");
}

} // namespace

TimeView::TimeView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(kWidth, kHeight);
    createControls();
    auto* grid = new GrowingLayout(this, QSize(kWidth, kHeight));
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        GrowingLayout::Growth growth{0, 0, 0, 1}; // the controls stay under the plots
        if (w == GraphPsi) growth = {1, 0.6, 0, 0};
        if (w == GraphTrace) growth = {1, 0.4, 0, 0.6};
        if (w == CBDensity || w == CBReal || w == CBImag) growth.moveY = 0.6; // between them
        if (w == STBeat) growth.width = 1;
        grid->Add(w, w->geometry(), growth);
    }
    // A plot draws into a picture of its own size: a new size makes a new picture, and the
    // curves are drawn anew over its frame.
    GraphPsi->PictureFollowsSize = GraphTrace->PictureFollowsSize = true;
    GraphPsi->Resized = [this] { redraw(); };
    GraphPsi->Event_Open();
    GraphTrace->Event_Open();
    rebuild();
}

TimeView::~TimeView() = default;

void TimeView::createControls() {
    GraphPsi = NewPlot(
        this, [this] { GraphPsi_Open(); }, [this] { GraphPsi_DrawContent(); });
    GraphPsi->setGeometry(5, 5, 450, 180);

    CBDensity = Place(new QCheckBox(tr("|Ψ|² (black)"), this), 10, 188, 130, 20);
    CBReal = Place(new QCheckBox(tr("Re Ψ (blue)"), this), 150, 188, 130, 20);
    CBImag = Place(new QCheckBox(tr("Im Ψ (red)"), this), 290, 188, 130, 20);
    CBDensity->setChecked(true);
    for (QCheckBox* box : {CBDensity, CBReal, CBImag})
        connect(box, &QCheckBox::toggled, this, [this] { CBCurve_Action(); });

    GraphTrace = NewPlot(
        this, [this] { GraphTrace_Open(); }, [this] { GraphTrace_DrawContent(); });
    GraphTrace->setGeometry(5, 212, 450, 170);

    PBPlay = Place(new QPushButton(tr("Play"), this), 5, 386, 80, 24);
    connect(PBPlay, &QPushButton::clicked, this, [this] { PBPlay_Action(); });
    PBReset = Place(new QPushButton(tr("Reset"), this), 90, 386, 80, 24);
    connect(PBReset, &QPushButton::clicked, this, [this] { PBReset_Action(); });
    PMSpeed = Place(new QComboBox(this), 175, 386, 110, 24);
    PMSpeed->setAccessibleName(tr("Speed"));
    for (double s : kSpeeds) PMSpeed->addItem(Str(s) + QStringLiteral(" fs/s"));
    PMSpeed->setCurrentIndex(kDefaultSpeed);
    PMSpeed->setToolTip(tr("Simulated femtoseconds per second"));

    STTime = Place(new QLabel(this), 295, 386, 160, 24);
    STBeat = Place(new QLabel(this), 5, 412, 450, 20);

    Timer = new QTimer(this);
    Timer->setInterval(kFrameMs);
    Timer->setTimerType(Qt::PreciseTimer);
    connect(Timer, &QTimer::timeout, this, [this] { Timer_Action(); });
}

void TimeView::GraphPsi_Open() {
    GraphPsi->SetGrid(true);
    GraphPsi->SetTitle(tr("Superposition: &|$Y$&|^2^ in nm^-1^, $Y$ in nm^-1/2"));
    GraphPsi->SetYLabel(QStringLiteral("$Y$, &|$Y$&|^2"));
    GraphPsi->SetXLabel(QStringLiteral("x (nm)"));
    GraphPsi->DefineGraph(xFirst(row_), xLast(row_), -1, 1);
}

void TimeView::GraphTrace_Open() {
    GraphTrace->SetGrid(true);
    GraphTrace->SetXAdjust(false); // the trace scrolls smoothly, not from tick to tick
    GraphTrace->SetYLabel(QStringLiteral("<x> (nm)"));
    GraphTrace->SetXLabel(QStringLiteral("t (fs)"));
    GraphTrace->DefineGraph(0, kStillSpan, -1, 1);
}

void TimeView::GraphPsi_DrawContent() {
    if (!superposition_) return;
    Graph& g = *GraphPsi;
    // Each curve in one stroke, through the points of the plot's stretch of x.
    auto curve = [&](const std::vector<double>& y, Color color) {
        shownY_.assign(y.begin() + std::ptrdiff_t(shownFirst_),
                       y.begin() + std::ptrdiff_t(shownFirst_ + shownX_.size()));
        g.SetColor(color);
        g.DrawCurve(shownX_, shownY_);
    };
    if (CBReal->isChecked()) curve(wave_.re, kRealColor);
    if (CBImag->isChecked()) curve(wave_.im, kImagColor);
    if (CBDensity->isChecked()) curve(wave_.density, kBlack);
    g.SetColor(kMeanColor);
    const int px = g.XCoord(now_.meanX);
    g.GX->DrawLine(px, g.YCoord(g.YMin), px, g.YCoord(g.YMax));
    g.DrawShape(now_.meanX, g.YMin, 2);
    g.SetColor(kBlack);
}

double TimeView::tracedMean(int j) {
    // <x> at the trace's fixed sample times, each worked out once while the view plays.
    while (int(traceSamples_.size()) <= j)
        traceSamples_.push_back(superposition_->MeanX(traceStep_ * double(traceSamples_.size())));
    return traceSamples_[std::size_t(j)];
}

void TimeView::GraphTrace_DrawContent() {
    if (!superposition_) return;
    Graph& g = *GraphTrace;
    const double from = g.XMin;
    const double to = std::min(t_, g.XMax);
    traceT_.assign(1, from);
    traceY_.assign(1, superposition_->MeanX(from));
    for (int j = int(std::floor(from / traceStep_)) + 1; j * traceStep_ < to; ++j) {
        traceT_.push_back(j * traceStep_);
        traceY_.push_back(tracedMean(j));
    }
    traceT_.push_back(to);
    traceY_.push_back(now_.meanX);
    g.SetColor(kMeanColor);
    g.DrawCurve(traceT_, traceY_);
    g.SetColor(kBlack);
}

void TimeView::setBasis(const Spectrum& spectrum, int row) {
    setBasis(spectrum, row, indices_, amplitudes_);
}

void TimeView::setBasis(const Spectrum& spectrum, int row, std::vector<int> indices,
                        std::vector<double> amplitudes) {
    pause();
    basis_ = spectrum;
    row_ = row;
    t_ = 0;
    GraphPsi->SetXLabel(row == RowHydrogen ? QStringLiteral("r (nm)") : QStringLiteral("x (nm)"));
    GraphTrace->SetYLabel(row == RowHydrogen ? QStringLiteral("<r> (nm)")
                                             : QStringLiteral("<x> (nm)"));
    setSelection(std::move(indices), std::move(amplitudes));
}

void TimeView::setSelection(std::vector<int> indices, std::vector<double> amplitudes) {
    indices_.clear();
    amplitudes_.clear();
    for (std::size_t j = 0; j < indices.size(); ++j) {
        const int n = indices[j];
        if (n < 0 || std::size_t(n) >= basis_.states.size()) continue;
        if (std::find(indices_.begin(), indices_.end(), n) != indices_.end()) continue;
        const double a = j < amplitudes.size() ? amplitudes[j] : 1.0;
        indices_.push_back(n);
        amplitudes_.push_back(std::isnan(a) ? 0.0 : std::clamp(a, 0.0, 1.0));
    }
    rebuild();
}

void TimeView::rebuild() {
    const bool any =
        std::any_of(amplitudes_.begin(), amplitudes_.end(), [](double a) { return a > 0; });
    superposition_.reset();
    if (any) superposition_.emplace(basis_, row_, indices_, amplitudes_);
    if (!superposition_) pause();
    PBPlay->setEnabled(superposition_.has_value());

    // Fixed ranges for the whole evolution: |Psi(x, t)| <= sum |c_n psi_n(x)|.
    psiLimit_ = 0;
    traceLow_ = traceHigh_ = 0;
    if (superposition_) {
        const std::vector<double>& x = superposition_->positions();
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (x[i] < xFirst(row_) || x[i] > xLast(row_)) continue;
            double bound = 0;
            for (std::size_t n = 0; n < indices_.size(); ++n) {
                const std::vector<double>& psi = basis_.states[std::size_t(indices_[n])].psi;
                if (i < psi.size()) bound += std::fabs(superposition_->coefficients()[n] * psi[i]);
            }
            psiLimit_ = std::max(psiLimit_, bound);
        }
        // <x>(t) repeats within its longest beat and moves no faster than its shortest:
        // sampled kRangeSamples times a shortest beat, its extremes set the range to well
        // within the margin below.
        const double span = std::max(superposition_->LongestBeat(), 1.0);
        const double fastest = superposition_->ShortestBeat();
        const int samples = fastest > 0 ? int(std::clamp(std::ceil(kRangeSamples * span / fastest),
                                                         kRangeSamples, 4.0 * kTraceSamples))
                                        : 1;
        traceLow_ = traceHigh_ = superposition_->MeanX(0);
        for (int j = 1; j <= samples; ++j) {
            const double m = superposition_->MeanX(span * j / samples);
            traceLow_ = std::min(traceLow_, m);
            traceHigh_ = std::max(traceHigh_, m);
        }
    }
    if (!(psiLimit_ > 0)) psiLimit_ = 1;
    const double margin = std::max(0.05 * (traceHigh_ - traceLow_), 0.05);
    traceLow_ -= margin;
    traceHigh_ += margin;
    GraphPsi->DefineGraph(xFirst(row_), xLast(row_), -psiLimit_,
                          std::max(psiLimit_, psiLimit_ * psiLimit_));
    // What does not change while it plays: the stretch of x shown, the trace's axes until it
    // scrolls, and its sample times.
    shownX_.clear();
    shownFirst_ = 0;
    if (superposition_) {
        const std::vector<double>& x = superposition_->positions();
        while (shownFirst_ < x.size() && x[shownFirst_] < GraphPsi->XMin) ++shownFirst_;
        for (std::size_t i = shownFirst_; i < x.size() && x[i] <= GraphPsi->XMax; ++i)
            shownX_.push_back(x[i]);
    }
    traceFrom_ = -1;
    traceSamples_.clear();
    traceStep_ = traceSpan() / kTraceSamples;

    STBeat->clear();
    if (superposition_ && indices_.size() == 2) {
        const double beat =
            BeatPeriod(superposition_->energies()[0], superposition_->energies()[1]);
        STBeat->setText(std::isfinite(beat) ? tr("Beat period = %1").arg(femtoseconds(beat))
                                            : tr("No beat: the two levels have the same energy"));
    }
    redraw();
}

double TimeView::traceSpan() const {
    const double beat = superposition_ ? superposition_->LongestBeat() : 0;
    return beat > 0 ? kBeatsTraced * beat : kStillSpan;
}

void TimeView::redraw() {
    if (superposition_) {
        superposition_->WaveAt(t_, wave_);
        now_ = superposition_->MomentsAt(t_);
    }
    // The plots keep the pictures of their frames and axes, which stand still while the view
    // plays: each frame draws only the curves over them.
    GraphPsi->ReDrawContent();
    // The trace's axes stand still until it starts to scroll: then they move every frame.
    const double span = traceSpan();
    const double from = std::max(0.0, t_ - span);
    if (traceFrom_ == from) {
        GraphTrace->ReDrawContent();
    } else {
        GraphTrace->DefineGraph(from, from + span, traceLow_, traceHigh_);
        traceFrom_ = from;
        GraphTrace->GetContent();
    }
    STTime->setText(QStringLiteral("t = ") + femtoseconds(t_));
}

void TimeView::play() {
    if (!superposition_ || playing()) return;
    frameClock_.start();
    Timer->start();
    PBPlay->setText(tr("Pause"));
}

void TimeView::pause() {
    if (Timer) Timer->stop();
    if (PBPlay) PBPlay->setText(tr("Play"));
}

void TimeView::reset() {
    t_ = 0;
    redraw();
}

void TimeView::advance(double fs) {
    if (std::isfinite(fs) && fs > 0) t_ += fs;
    redraw();
}

bool TimeView::playing() const {
    return Timer->isActive();
}

double TimeView::speed() const {
    return kSpeeds[std::size_t(std::clamp(PMSpeed->currentIndex(), 0, int(kSpeeds.size()) - 1))];
}

void TimeView::PBPlay_Action() {
    if (playing())
        pause();
    else
        play();
}

void TimeView::PBReset_Action() {
    reset();
}

void TimeView::CBCurve_Action() {
    redraw();
}

void TimeView::Timer_Action() {
    const double seconds = std::min(double(frameClock_.restart()) / 1000.0, kLongestFrame);
    advance(seconds * speed());
}

void TimeView::hideEvent(QHideEvent* event) {
    pause(); // nothing runs while nobody watches
    QWidget::hideEvent(event);
}
