#include "windows/packet/PacketWindow.h"

#include "graph/Graph.h"
#include "model/Model.h"
#include "model/Particles.h"
#include "platform/NumberText.h"
#include "platform/Place.h"
#include "windows/common/GrowingLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int kWidth = 610;
constexpr int kHeight = 790;
constexpr int kFrameMs = 16;          // the display's rate
constexpr double kLongestFrame = 0.1; // s: a stalled event loop does not make the time jump
// What remains on the grid once the packet has left it.
constexpr double kLeftNorm = 1e-3;

// fs of simulated time per second: the default packet crosses the view in about 10 fs.
constexpr std::array<double, 7> kSpeeds{0.5, 1, 2, 5, 10, 20, 50};
constexpr int kDefaultSpeed = 2; // 2 fs/s

Graph* newPlot(QWidget* parent, int top, int height, std::function<void()> draw) {
    auto* g = Place(new Graph(parent), 5, top, kWidth - 10, height);
    g->setFocusPolicy(Qt::NoFocus);
    g->DepthQuery = [] { return 32; };
    g->Open = [g] {
        g->SetGrid(true);
        g->DefineGraph(0, 1, 0, 1);
    };
    g->DrawContent = std::move(draw);
    return g;
}

QLineEdit* newField(QWidget* parent, const QString& label, double value, int left, int top) {
    QLabel* name = Place(new QLabel(label, parent), left, top, 60, 24);
    auto* f = Place(new QLineEdit(Str(value), parent), left + 60, top, 70, 24);
    name->setBuddy(f);
    f->setAccessibleName(label); // what a screen reader says of the field
    return f;
}

} // namespace

PacketWindow::PacketWindow(::Model& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
    setWindowTitle(tr("Wave Packet"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(kWidth, kHeight);
    createControls();
    // Drawn at fixed places for its own size; beyond it the plots take the room, and right to
    // left mirrors it.
    auto* grid = new GrowingLayout(this, QSize(kWidth, kHeight));
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        GrowingLayout::Growth growth{0, 0, 0, 1}; // the controls stay under the plots
        if (w == GraphPsi) growth = {1, 0.4, 0, 0};
        if (w == CBReal) growth = {0, 0, 0, 0};
        if (w == GraphMomentum) growth = {1, 0.3, 0, 0.4};
        if (w == GraphSides) growth = {1, 0.3, 0, 0.7};
        if (w == STMessage) growth.width = 1;
        grid->Add(w, w->geometry(), growth);
    }
    // A plot draws into a picture of its own size: a new size makes a new picture, and the
    // backgrounds under the moving curves are drawn anew for it.
    for (Graph* g : {GraphPsi, GraphMomentum, GraphSides}) {
        g->PictureFollowsSize = true;
        g->Resized = [this] {
            if (!followed_) return;
            defineRanges();
            redraw();
        };
    }
    for (Graph* g : {GraphPsi, GraphMomentum, GraphSides}) g->Event_Open();
    connect(&model_, &Model::changed, this, [this] { Model_Changed(); });
}

PacketWindow::~PacketWindow() = default;

void PacketWindow::createControls() {
    GraphPsi = newPlot(this, 5, 240, [this] { GraphPsi_DrawContent(); });
    CBReal = Place(new QCheckBox(tr("Re Ψ (blue)"), this), 10, 248, 200, 20);
    connect(CBReal, &QCheckBox::toggled, this, [this] { redraw(); });
    GraphMomentum = newPlot(this, 270, 190, [this] { GraphMomentum_DrawContent(); });
    GraphSides = newPlot(this, 464, 180, [this] { GraphSides_DrawContent(); });
    GraphPsi->setAccessibleName(tr("Wave packet plot"));
    GraphMomentum->setAccessibleName(tr("Momentum space plot"));
    GraphSides->setAccessibleName(tr("Left and right plot"));
    GraphSides->SetXAdjust(false); // the time axis grows smoothly, not from tick to tick

    PBPlay = Place(new QPushButton(tr("Play"), this), 5, 650, 80, 24);
    connect(PBPlay, &QPushButton::clicked, this, [this] { PBPlay_Action(); });
    PBReset = Place(new QPushButton(tr("Reset"), this), 90, 650, 80, 24);
    connect(PBReset, &QPushButton::clicked, this, [this] { PBReset_Action(); });
    PMSpeed = Place(new QComboBox(this), 175, 650, 110, 24);
    PMSpeed->setAccessibleName(tr("Speed"));
    for (double s : kSpeeds) PMSpeed->addItem(Str(s) + QStringLiteral(" fs/s"));
    PMSpeed->setCurrentIndex(kDefaultSpeed);
    PMSpeed->setToolTip(tr("Simulated femtoseconds per second"));
    STTime = Place(new QLabel(this), 295, 650, 310, 24);

    EFX0 = newField(this, QString::fromUtf8("x₀ (nm)"), DefaultPacketX0, 5, 680);
    EFSigma = newField(this, QString::fromUtf8("σ (nm)"), DefaultPacketSigma, 145, 680);
    EFEnergy = newField(this, QString::fromUtf8("E₀ (eV)"), DefaultPacketEnergy, 285, 680);
    EFEnergy->setToolTip(tr("The packet's kinetic energy where it starts"));
    for (QLineEdit* f : {EFX0, EFSigma, EFEnergy})
        connect(f, &QLineEdit::editingFinished, this, [this] { Field_EditingFinished(); });

    STPredicted = Place(new QLabel(this), 5, 708, 300, 24);
    STTransmitted = Place(new QLabel(this), 305, 708, 300, 24);
    // What a screen reader hears of the plots: the time and the result beside them.
    GraphPsi->Summary = [this] {
        return STMessage->isVisible() ? STMessage->text() : STTime->text();
    };
    GraphMomentum->Summary = [this] { return STPredicted->text(); };
    GraphSides->Summary = [this] { return STTransmitted->text(); };
    STMessage = Place(new QLabel(this), 5, 734, kWidth - 10, 50);
    STMessage->setWordWrap(true);
    STMessage->setStyleSheet(QStringLiteral("color: #c00000"));

    Timer = new QTimer(this);
    Timer->setInterval(kFrameMs);
    Timer->setTimerType(Qt::PreciseTimer);
    connect(Timer, &QTimer::timeout, this, [this] { Timer_Action(); });
}

PacketWindow* PacketWindow::Show(::Model& model, QWidget* owner) {
    auto* w = owner->findChild<PacketWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!w) w = new PacketWindow(model, owner);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void PacketWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    follow();
}

void PacketWindow::hideEvent(QHideEvent* event) {
    pause(); // nothing runs while nobody watches
    QWidget::hideEvent(event);
}

void PacketWindow::Model_Changed() {
    // A hidden window does no work; showing it brings it up to date.
    if (isVisible()) follow();
}

void PacketWindow::follow() {
    const double mass = model_.Value().mass;
    const auto& v = model_.Potential().PEGraph;
    setWindowTitle(IsElectron(mass) ? tr("Wave Packet")
                                    : tr("Wave Packet — %1").arg(ParticleText(mass)));
    if (followed_ && v == potential_ && mass == mass_) return;
    followed_ = true;
    potential_ = v;
    mass_ = mass;
    packet_.reset(); // its factorisation belongs to the old potential
    restart();
}

void PacketWindow::restart() {
    pause();
    history_.clear();
    target_ = 0;
    QString message;
    const auto infinite = std::find_if(potential_.begin(), potential_.begin() + GridLast + 1,
                                       [](double v) { return !std::isfinite(v); });
    if (infinite != potential_.begin() + GridLast + 1)
        message = tr("The wave packet is not available in this potential: it is "
                     "infinite at the Hydrogen row's nucleus. Choose another "
                     "potential.");
    PacketStart start;
    auto read = [&](QLineEdit* field, const char* name, double& value) {
        bool ok = false;
        const double v = field->text().trimmed().toDouble(&ok);
        if (ok)
            value = v;
        else if (message.isEmpty())
            message = tr("%1: '%2' is not a number").arg(name, field->text());
    };
    read(EFX0, "x0", start.x0);
    read(EFSigma, "sigma", start.sigma);
    read(EFEnergy, "energy", start.energy);
    if (message.isEmpty()) {
        try {
            if (packet_)
                packet_->Restart(start);
            else
                packet_.emplace(potential_, mass_, start);
        } catch (const std::invalid_argument& e) {
            message = QString::fromUtf8(e.what());
        }
    }
    if (!message.isEmpty()) packet_.reset();
    STMessage->setText(message);
    PBPlay->setEnabled(packet_.has_value());
    PBReset->setEnabled(packet_.has_value());
    if (packet_) {
        observe();
        // The packet's energy where it starts, and what the potential should let through.
        const double here = potential_[std::size_t(std::lround(start.x0 / phys::Dx) + 500)];
        level_ = here + start.energy;
        prediction_ = PredictTransmission(packet_->Momentum(), potential_, mass_, here);
    }
    defineRanges();
    redraw();
}

void PacketWindow::observe() {
    now_ = packet_->Observe();
    history_.push_back({now_.t, now_.left, now_.right});
}

void PacketWindow::play() {
    if (!packet_ || playing()) return;
    if (left()) reset(); // from the start again, as a film that has ended
    frameClock_.start();
    Timer->start();
    PBPlay->setText(tr("Pause"));
}

void PacketWindow::pause() {
    Timer->stop();
    PBPlay->setText(tr("Play"));
}

void PacketWindow::reset() {
    if (packet_) restart();
}

void PacketWindow::advance(double fs) {
    if (!packet_) return;
    if (std::isfinite(fs) && fs > 0) target_ += fs;
    const double steps = std::floor((target_ - packet_->Time()) / packet_->TimeStep() + 1e-9);
    if (steps > 0) {
        packet_->Advance(int(steps));
        observe();
    }
    if (left()) pause();
    redraw();
}

bool PacketWindow::playing() const {
    return Timer->isActive();
}

double PacketWindow::time() const {
    return packet_ ? packet_->Time() : 0;
}

double PacketWindow::speed() const {
    return kSpeeds[std::size_t(std::clamp(PMSpeed->currentIndex(), 0, int(kSpeeds.size()) - 1))];
}

bool PacketWindow::left() const {
    return packet_ && now_.norm < kLeftNorm;
}

void PacketWindow::Field_EditingFinished() {
    restart();
}

void PacketWindow::PBPlay_Action() {
    if (playing())
        pause();
    else
        play();
}

void PacketWindow::PBReset_Action() {
    reset();
}

void PacketWindow::Timer_Action() {
    const double seconds = std::min(double(frameClock_.restart()) / 1000.0, kLongestFrame);
    advance(seconds * speed());
}

void PacketWindow::showResult() {
    STTime->setText(packet_ ? QStringLiteral("t = ") + Format(time(), QStringLiteral("0.00")) +
                                  QString::fromUtf8(" fs   ⟨x⟩ = ") +
                                  Format(now_.meanX, QStringLiteral("-0.00")) +
                                  QString::fromUtf8(" nm   Δx·Δk = ") +
                                  Format(now_.spreadX * now_.spreadK, QStringLiteral("0.00"))
                            : QString());
    STPredicted->setText(packet_ ? QString::fromUtf8("∫|φ(k)|² T(k) dk = ") +
                                       Format(prediction_.predicted, QStringLiteral("0.0000"))
                                 : QString());
    STTransmitted->setText(
        !packet_ ? QString()
        : left() ? tr("Transmitted: %1").arg(Format(now_.right, QStringLiteral("0.0000")))
                 : tr("Transmitted: once the packet has left"));
}
