#include "windows/transmission/TransmissionWindow.h"

#include "graph/Graph.h"
#include "model/Model.h"
#include "model/Particles.h"
#include "windows/common/PlotRanges.h"
#include "windows/transmission/TransmissionText.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Below this a plot has no room for its frame.
constexpr QSize kSmallestPlot{360, 170};

Graph* newPlot(QWidget* parent, const QString& title, const QString& x, const QString& y,
               std::function<void()> draw) {
    auto* g = new Graph(parent);
    g->setAccessibleName(title);
    g->setFocusPolicy(Qt::NoFocus);
    g->setMinimumSize(kSmallestPlot);
    g->DepthQuery = [] { return 32; };
    g->Open = [g, title, x, y] {
        g->SetGrid(true);
        g->SetTitle(title);
        g->SetXLabel(x);
        g->SetYLabel(y);
        const PlotRange r = PotentialRange(RowWell);
        g->DefineGraph(r.xMin, r.xMax, r.yMin, r.yMax);
    };
    g->DrawContent = std::move(draw);
    return g;
}

} // namespace

TransmissionWindow::TransmissionWindow(::Model& model, QWidget* parent)
    : QWidget(parent, Qt::Window), main_(model),
      watcher_(new QFutureWatcher<TransmissionCurve>(this)) {
    setWindowTitle(tr("Transmission"));
    setAttribute(Qt::WA_DeleteOnClose);

    GraphPotential = newPlot(this, tr("Potential"), "x (nm)", tr("Potential (eV)"),
                             [this] { GraphPotential_DrawContent(); });
    GraphState = newPlot(this, tr("Scattering state"), "x (nm)", QString(),
                         [this] { GraphState_DrawContent(); });
    GraphCurve = newPlot(this, tr("Transmission"), tr("Energy (eV)"), QString(),
                         [this] { GraphCurve_DrawContent(); });
    GraphCurve->MouseDown = [this](int x, int y) { return GraphCurve_MouseDown(x, y); };

    EFTop = new QDoubleSpinBox(this);
    EFTop->setAccessibleName(tr("Top of the energy range"));
    EFTop->setLocale(QLocale::c()); // a decimal point in every locale, as everywhere else
    EFTop->setRange(0.1, 1000);
    EFTop->setDecimals(2);
    EFTop->setSingleStep(1);
    EFTop->setValue(DefaultCurveTop);
    EFTop->setSuffix(QStringLiteral(" eV"));
    EFTop->setKeyboardTracking(false); // a value typed counts once it is complete
    connect(EFTop, &QDoubleSpinBox::valueChanged, this, [this] { EFTop_ValueChanged(); });
    CBLog = new QCheckBox(tr("Logarithmic T axis"), this);
    connect(CBLog, &QCheckBox::toggled, this, [this] { CBLog_Action(); });

    STResult = new QLabel(this);
    STFlux = new QLabel(this);
    STCurve = new QLabel(this);
    for (QLabel* l : {STResult, STFlux, STCurve}) l->setWordWrap(true);
    // What a screen reader hears of each plot: the texts beside them say it.
    GraphPotential->Summary = [this] { return STResult->text(); };
    GraphState->Summary = [this] { return STResult->text() + ' ' + STFlux->text(); };
    GraphCurve->Summary = [this] { return STCurve->text(); };

    Table = new QTableWidget(0, int(ResonanceHeaders().size()), this);
    Table->setAccessibleName(tr("Resonances table"));
    Table->setHorizontalHeaderLabels(ResonanceHeaders());
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(Table, &QTableWidget::currentCellChanged, this,
            [this](int row) { Table_CellClicked(row); });

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Top:"), this));
    top->addWidget(EFTop);
    top->addWidget(CBLog);
    top->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(GraphPotential, 0, 0);
    layout->addWidget(GraphState, 1, 0);
    layout->addWidget(STResult, 2, 0);
    layout->addWidget(STFlux, 3, 0);
    layout->addWidget(GraphCurve, 0, 1);
    layout->addWidget(Table, 1, 1);
    layout->addLayout(top, 2, 1);
    layout->addWidget(STCurve, 3, 1);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    // The plots draw into pictures of their own size: they open once laid out, and make a new
    // picture whenever the window resizes them.
    resize(1100, 800);
    layout->activate();
    for (Graph* g : {GraphPotential, GraphState, GraphCurve}) {
        g->Event_Open();
        g->PictureFollowsSize = true;
    }

    connect(watcher_, &QFutureWatcher<TransmissionCurve>::finished, this, [this] { curveDone(); });
    connect(&main_, &Model::changed, this, [this] { Model_Changed(); });
}

TransmissionWindow::~TransmissionWindow() {
    // The computation owns copies of what it reads; waiting only keeps it from outliving us.
    watcher_->waitForFinished();
}

TransmissionWindow* TransmissionWindow::Show(::Model& model, QWidget* owner) {
    auto* w = owner->findChild<TransmissionWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!w) w = new TransmissionWindow(model, owner);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void TransmissionWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

void TransmissionWindow::Model_Changed() {
    // A hidden window does no work; showing it brings it up to date.
    if (isVisible()) Refresh();
}

bool TransmissionWindow::UpToDate() const {
    return computed_ && !watcher_->isRunning() && !waiting_ &&
           curve_.IsFor(main_.Value(), EFTop->value());
}

void TransmissionWindow::Refresh() {
    const double mass = main_.Value().mass;
    setWindowTitle(IsElectron(mass) ? tr("Transmission")
                                    : tr("Transmission — %1").arg(ParticleText(mass)));
    // A curve on its way is drawn when it comes.
    const bool newCurve = !computed_ || !curve_.IsFor(main_.Value(), EFTop->value());
    if (newCurve) startCurve();
    updateState();
    redrawPlots(!newCurve);
}

void TransmissionWindow::startCurve() {
    if (watcher_->isRunning()) {
        waiting_ = true;
        return;
    }
    waiting_ = false;
    watcher_->setFuture(QtConcurrent::run([setup = main_.Value(), top = EFTop->value()] {
        return ComputeTransmissionCurve(setup, top);
    }));
}

void TransmissionWindow::curveDone() {
    curve_ = watcher_->result();
    computed_ = true;
    // A change that came meanwhile supersedes this curve; it is shown until that one ends. A
    // hidden window starts nothing: showing it does.
    waiting_ = false;
    if (isVisible() && !curve_.IsFor(main_.Value(), EFTop->value())) startCurve();
    fillTable();
    showCurve();
}

void TransmissionWindow::showCurve() {
    const TransmissionCurve& c = curve_;
    const std::size_t n = c.resonances.size();
    const QString found = n == 0   ? tr("No resonance")
                          : n == 1 ? tr("1 resonance")
                                   : tr("%1 resonances").arg(n);
    if (!c.finite)
        STCurve->setText(tr("T is undefined: the potential is not finite everywhere"));
    else if (!c.HasRange())
        STCurve->setText(tr("No energy below the top is open in both leads (they open at %1 eV)")
                             .arg(c.open.lowest));
    else
        STCurve->setText(tr("%1 from %2 to %3 eV")
                             .arg(found)
                             .arg(c.scan.energies.front())
                             .arg(c.scan.energies.back()));
    defineCurvePlot();
    GraphCurve->GetContent();
}

void TransmissionWindow::fillTable() {
    const QSignalBlocker quiet(Table);
    Table->clearContents();
    Table->setRowCount(int(curve_.resonances.size()));
    for (int r = 0; r < Table->rowCount(); ++r) {
        const QStringList cells = ResonanceCells(curve_.resonances[std::size_t(r)]);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(r, c, item);
        }
    }
}

void TransmissionWindow::Table_CellClicked(int row) {
    if (row < 0 || row >= int(curve_.resonances.size())) return;
    ChooseEnergy(curve_.resonances[std::size_t(row)].energy);
}

void TransmissionWindow::ChooseEnergy(double energy) {
    energy_ = energy;
    updateState();
    redrawPlots();
}

void TransmissionWindow::updateState() {
    const Solver& p = main_.Potential();
    const double mass = main_.Value().mass;
    stateRow_ = main_.Value().row;
    state_ = GridScatteringState(p.PEGraph, mass, energy_);
    if (state_) {
        STResult->setText(ResultText(energy_, state_->result));
        STFlux->setText(FluxText(*state_));
    } else {
        STResult->setText(UndefinedText(p.PEGraph, mass, energy_));
        STFlux->clear();
    }
}

void TransmissionWindow::EFTop_ValueChanged() {
    if (isVisible()) Refresh();
}

void TransmissionWindow::CBLog_Action() {
    defineCurvePlot();
    GraphCurve->GetContent();
}

void TransmissionWindow::redrawPlots(bool withCurve) {
    const PlotRange r = PotentialRange(stateRow_);
    GraphPotential->DefineGraph(r.xMin, r.xMax, r.yMin, r.yMax);
    GraphPotential->GetContent();
    defineStatePlot();
    GraphState->GetContent();
    if (!withCurve) return;
    defineCurvePlot();
    GraphCurve->GetContent();
}
