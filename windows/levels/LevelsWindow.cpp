#include "windows/levels/LevelsWindow.h"

#include "graph/Graph.h"
#include "model/Model.h"
#include "model/Particles.h"
#include "platform/NumberText.h"
#include "windows/common/PlotRanges.h"
#include "windows/levels/LevelsReport.h"
#include "windows/levels/Plot.h"
#include "windows/levels/TimeView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>

namespace {

// Room right of the levels plot's frame for the levels' numbers ("10, 11"); the state plot's
// frame keeps the same edge.
constexpr int kLabelMargin = 40;

// The table shows at least this many rows without scrolling.
constexpr int kShownRows = 6;

// Below this a plot has no room for its frame.
constexpr QSize kSmallestPlot{360, 170};

} // namespace

LevelsWindow::LevelsWindow(::Model& model, QWidget* parent)
    : QWidget(parent, Qt::Window), main_(model) {
    setWindowTitle(tr("Levels"));
    setAttribute(Qt::WA_DeleteOnClose);

    // What a plot shows until its first redraw sets its labels and ranges.
    auto opening = [](Graph* const& g, const QString& title, const QString& yLabel) {
        return [&g, title, yLabel] {
            g->SetGrid(true);
            g->SetTitle(title);
            g->SetYLabel(yLabel);
            const PlotRange r = PotentialRange(RowWell);
            g->DefineGraph(r.xMin, r.xMax, r.yMin, r.yMax);
        };
    };
    GraphLevels = NewPlot(this, opening(GraphLevels, tr("Levels"), tr("Energy (eV)")),
                          [this] { GraphLevels_DrawContent(); });
    GraphLevels->setMinimumSize(kSmallestPlot);
    GraphLevels->MouseDown = [this](int x, int y) { return GraphLevels_MouseDown(x, y); };
    GraphState = NewPlot(this, opening(GraphState, tr("No level chosen"), QString()),
                         [this] { GraphState_DrawContent(); });
    GraphState->setMinimumSize(kSmallestPlot);
    GraphLevels->setAccessibleName(tr("Levels plot"));
    GraphLevels->Summary = [this] { return levelsSummary(); };
    GraphState->setAccessibleName(tr("Chosen state plot"));
    GraphState->Summary = [this] { return stateSummary(); };
    // The levels' numbers stand right of the frame.
    GraphLevels->MinRightMargin = GraphState->MinRightMargin = kLabelMargin;

    CBDensity = new QCheckBox(tr("Show |ψ|² instead of ψ"), this);
    connect(CBDensity, &QCheckBox::toggled, this, [this] { CBDensity_Action(); });
    CBMomentum = new QCheckBox(tr("Show |φ(k)|² in momentum space"), this);
    connect(CBMomentum, &QCheckBox::toggled, this, [this] { CBMomentum_Action(); });

    Table = new QTableWidget(this);
    Table->setAccessibleName(tr("Levels table"));
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->verticalHeader()->hide();
    Table->setTabKeyNavigation(false); // Tab leaves the table; the arrow keys move between rows
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::SelectedClicked);
    connect(Table, &QTableWidget::currentCellChanged, this,
            [this](int row) { Table_CellClicked(row); });
    connect(Table, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { Table_ItemChanged(item); });

    Time = new TimeView(this);
    Time->hide();

    STNone = new QLabel(this);
    STNone->setAlignment(Qt::AlignCenter);
    STNone->hide();
    STNote = new QLabel(this);
    STNote->setWordWrap(true);
    STNote->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GraphLevels, 3);
    layout->addWidget(GraphState, 3);
    layout->addWidget(Time, 6); // in the state plot's place, as wide as the plots
    auto* boxes = new QHBoxLayout();
    boxes->addWidget(CBDensity);
    boxes->addWidget(CBMomentum);
    boxes->addStretch();
    layout->addLayout(boxes);
    layout->addWidget(Table, 2);
    layout->addWidget(STNone, 2);
    layout->addWidget(STNote);

    // The plots draw into pictures of their own size: they open once laid out, and make a new
    // picture whenever the window resizes them.
    resize(720, 780);
    layout->activate();
    GraphLevels->Event_Open();
    GraphState->Event_Open();
    GraphLevels->PictureFollowsSize = GraphState->PictureFollowsSize = true;

    connect(&main_, &Model::changed, this, [this] { Model_Changed(); });
    connect(&computing_, &QFutureWatcher<LevelsModel>::finished, this, [this] { Computed(); });
}

LevelsWindow::~LevelsWindow() {
    computing_.waitForFinished(); // it reads nothing of the window, but its result lands here
}

LevelsWindow* LevelsWindow::Open(QWidget* owner) {
    auto* w = owner->findChild<LevelsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    return w && w->isVisible() ? w : nullptr;
}

LevelsWindow* LevelsWindow::Show(::Model& model, QWidget* owner) {
    auto* w = owner->findChild<LevelsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!w) w = new LevelsWindow(model, owner);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void LevelsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    if (!sized_) {
        sized_ = true;
        fitTable();
    }
}

void LevelsWindow::fitTable() {
    // Every column and at least six rows, on a window no taller than the screen leaves room for.
    Table->resizeColumnsToContents();
    const int frame = 2 * Table->frameWidth();
    const int rowHeight =
        Table->rowCount() > 0 ? Table->rowHeight(0) : Table->verticalHeader()->defaultSectionSize();
    Table->setMinimumSize(Table->horizontalHeader()->length() + frame +
                              Table->verticalScrollBar()->sizeHint().width(),
                          Table->horizontalHeader()->height() + kShownRows * rowHeight + frame);
    layout()->activate();
    QSize fitted = size().expandedTo(minimumSizeHint());
    if (const QScreen* s = screen())
        fitted.setHeight(std::min(fitted.height(), s->availableGeometry().height()));
    resize(fitted);
    // Only the first size holds the table open: later the time view may take its room.
    Table->setMinimumHeight(0);
}

void LevelsWindow::Model_Changed() {
    // A hidden window does no work; showing it brings it up to date.
    if (isVisible()) Refresh();
}

void LevelsWindow::Refresh(bool wait) {
    const double mass = main_.Value().mass;
    setWindowTitle(IsElectron(mass) ? tr("Levels") : tr("Levels — %1").arg(ParticleText(mass)));
    if (!computed_ || !model_.IsFor(main_.Value())) {
        // A drawn or reshaped potential may hold clusters of levels, which take longer than a
        // frame: they are worked out off the user interface, which shows the last spectrum
        // until the new one is there.
        if (!wait && main_.Value().reshape) return computeAside();
        if (computing_.isRunning()) computing_.waitForFinished();
        showLevels(ComputeLevels(main_.Value()));
        return;
    }
    followModel();
    redrawPlots();
}

void LevelsWindow::computeAside() {
    // One computation at a time; a change that comes meanwhile waits for it, and supersedes
    // every change before it.
    if (computing_.isRunning()) return;
    computing_.setFuture(QtConcurrent::run(ComputeLevels, main_.Value()));
}

void LevelsWindow::Computed() {
    LevelsModel m = computing_.result();
    if (m.IsFor(main_.Value()))
        showLevels(std::move(m));
    else if (isVisible())
        computeAside(); // the model moved on while it ran
}

bool LevelsWindow::Busy() const {
    return computing_.isRunning();
}

void LevelsWindow::showLevels(LevelsModel m) {
    model_ = std::move(m);
    computed_ = true;
    const int count = int(model_.spectrum.states.size());
    if (chosen_ >= count) chosen_ = count - 1;
    if (chosen_ < 0 && count > 0) chosen_ = 0;
    // Ticked levels that no longer exist are unticked; the rest keep their amplitudes.
    ticked_.resize(std::size_t(count), false);
    amplitudes_.resize(std::size_t(count), 1.0);
    fillTable();
    Time->setBasis(model_.spectrum, model_.row, Ticked(), Amplitudes()); // stops the animation
    showSuperposition(false);
    followModel();
    redrawPlots();
}

void LevelsWindow::fillTable() {
    const QSignalBlocker quiet(Table);
    const int count = int(model_.spectrum.states.size());
    const QStringList headers = LevelHeaders(model_.shownRow, true, true) << tr("Amplitude");
    // Columns sized once, after every cell is in: sized to their contents on every change,
    // they would be measured again for each cell.
    QHeaderView& header = *Table->horizontalHeader();
    header.setSectionResizeMode(QHeaderView::Interactive);
    // Under the same columns the cells stay and only their texts change: a slider step
    // changes every number, but making a thousand cells anew would take longer than that.
    if (headers != shownHeaders_) {
        Table->clearContents();
        Table->setColumnCount(int(headers.size()));
        Table->setHorizontalHeaderLabels(headers);
        shownHeaders_ = headers;
    }
    Table->setRowCount(count);
    for (int r = 0; r < count; ++r) {
        const QStringList cells = LevelCells(model_, r, true, true);
        for (int c = 0; c < cells.size(); ++c) {
            if (QTableWidgetItem* item = Table->item(r, c)) {
                item->setText(cells[c]); // a text that stays is no change
                continue;
            }
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // The level's box ticks it for the superposition.
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                           (c == 0 ? Qt::ItemIsUserCheckable : Qt::NoItemFlags));
            if (c == 0) item->setCheckState(Qt::Unchecked);
            Table->setItem(r, c, item);
        }
        const Qt::CheckState tick = ticked_[std::size_t(r)] ? Qt::Checked : Qt::Unchecked;
        if (Table->item(r, 0)->checkState() != tick) Table->item(r, 0)->setCheckState(tick);
        // Its amplitude is edited in place.
        QTableWidgetItem* amplitude = Table->item(r, amplitudeColumn());
        if (!amplitude) {
            amplitude = new QTableWidgetItem();
            amplitude->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            Table->setItem(r, amplitudeColumn(), amplitude);
        }
        amplitude->setData(Qt::EditRole, amplitudes_[std::size_t(r)]);
    }
    columns_.Fit(*Table, amplitudeColumn());
    Table->setVisible(count > 0);
    STNone->setVisible(count == 0);
    STNone->setText(NoBoundStateText(model_));
    STNote->setText(ExactNoteText(model_.exact.note));
    STNote->setVisible(model_.exact.note != nullptr);
    // Place what was just shown or hidden now, not at the next turn of the event loop: a
    // picture of the window may be taken before then.
    layout()->activate();
}

void LevelsWindow::followModel() {
    const double energy = main_.Value().energy;
    const int parity = main_.Value().even ? 1 : -1;
    const auto& states = model_.spectrum.states;
    for (std::size_t i = 0; i < states.size(); ++i) {
        const bool sameParity = model_.row != RowSymmetricWell || states[i].parity == parity;
        if (sameParity && std::fabs(states[i].energy - energy) < ShownLevelTolerance)
            chosen_ = int(i);
    }
    const QSignalBlocker quiet(Table);
    if (chosen_ >= 0) Table->selectRow(chosen_);
}

void LevelsWindow::ChooseLevel(int index) {
    if (index < 0 || index >= int(model_.spectrum.states.size())) return;
    chosen_ = index;
    const BoundState& s = model_.spectrum.states[std::size_t(index)];
    // The parity menu means something only for the row's own half-problems.
    const bool even = model_.row == RowSymmetricWell ? s.parity > 0 : main_.Value().even;
    main_.ChooseLevel(even, s.energy);
    Refresh();
}

void LevelsWindow::Table_CellClicked(int row) {
    ChooseLevel(row);
}

int LevelsWindow::amplitudeColumn() const {
    return Table->columnCount() - 1; // the last, after the levels' own columns
}

void LevelsWindow::Table_ItemChanged(QTableWidgetItem* item) {
    const std::size_t r = std::size_t(item->row());
    if (r >= ticked_.size()) return;
    if (item->column() == 0) {
        ticked_[r] = item->checkState() == Qt::Checked;
    } else if (item->column() == amplitudeColumn()) {
        bool ok = false;
        const double a = item->data(Qt::EditRole).toDouble(&ok);
        // An amplitude lies in 0 ... 1; anything else goes back to what it was.
        if (ok && a >= 0 && a <= 1) amplitudes_[r] = a;
        const QSignalBlocker quiet(Table);
        item->setData(Qt::EditRole, amplitudes_[r]);
    } else {
        return;
    }
    showSuperposition();
}

std::vector<int> LevelsWindow::Ticked() const {
    std::vector<int> out;
    for (std::size_t i = 0; i < ticked_.size(); ++i)
        if (ticked_[i]) out.push_back(int(i));
    return out;
}

std::vector<double> LevelsWindow::Amplitudes() const {
    std::vector<double> out;
    for (int i : Ticked()) out.push_back(amplitudes_[std::size_t(i)]);
    return out;
}

void LevelsWindow::Tick(int index, bool on, double amplitude) {
    if (index < 0 || index >= Table->rowCount()) return;
    Table->item(index, amplitudeColumn())->setData(Qt::EditRole, amplitude);
    Table->item(index, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void LevelsWindow::showSuperposition(bool newSelection) {
    const std::vector<int> ticked = Ticked();
    const bool superposed = ticked.size() >= 2;
    const bool stateReturns = !superposed && GraphState->isHidden(); // and is drawn again
    if (superposed && newSelection)
        Time->setSelection(ticked, Amplitudes());
    else if (!superposed)
        Time->pause();
    Time->setVisible(superposed);
    GraphState->setVisible(!superposed);
    CBDensity->setVisible(!superposed);
    CBMomentum->setVisible(!superposed);
    layout()->activate(); // the time view at its size at once, as fillTable places its widgets
    if (stateReturns) redrawPlots();
}

void LevelsWindow::CBDensity_Action() {
    redrawPlots();
}

void LevelsWindow::CBMomentum_Action() {
    CBDensity->setEnabled(!CBMomentum->isChecked()); // momentum space has no psi to choose
    redrawPlots();
}

void LevelsWindow::redrawPlots() {
    const QString x =
        model_.row == RowHydrogen ? QStringLiteral("r (nm)") : QStringLiteral("x (nm)");
    GraphLevels->SetXLabel(x);
    GraphState->SetXLabel(CBMomentum->isChecked() ? QStringLiteral("k (nm^-1^)") : x);
    // The ranges of every potential plot, so this one shows the main window's picture.
    const PlotRange r = PotentialRange(model_.shownRow);
    auto define = [&] {
        GraphLevels->DefineGraph(r.xMin, r.xMax, r.yMin, r.yMax);
        if (CBMomentum->isChecked())
            defineMomentumPlot();
        else
            defineStatePlot();
    };
    // Both plots' frames from the same left and right edges, so their x axes line up. The
    // margin found for a row and kind of plot holds until they change.
    const int kind = model_.shownRow * 2 + (CBMomentum->isChecked() ? 1 : 0);
    // The state plot gives way to the time view while levels are superposed: under margins that
    // hold it waits, and is drawn again when it shows (showSuperposition).
    if (GraphState->isHidden() && kind == alignedFor_) {
        GraphLevels->DefineGraph(r.xMin, r.xMax, r.yMin, r.yMax);
        GraphLevels->GetContent();
        return;
    }
    if (kind != alignedFor_) GraphLevels->MinLeftMargin = GraphState->MinLeftMargin = 0;
    alignedFor_ = kind;
    define();
    const int left = std::max(GraphLevels->GLeft, GraphState->GLeft);
    if (GraphLevels->GLeft != GraphState->GLeft) {
        GraphLevels->MinLeftMargin = GraphState->MinLeftMargin = left;
        define();
    }
    GraphLevels->GetContent();
    GraphState->GetContent();
}

QString LevelsWindow::levelsSummary() const {
    const auto& states = model_.spectrum.states;
    if (states.empty()) return NoBoundStateText(model_);
    return tr("Bound states: %1, from %2 to %3 eV")
        .arg(states.size())
        .arg(QString::number(states.front().energy, 'f', 5),
             QString::number(states.back().energy, 'f', 5));
}

QString LevelsWindow::stateSummary() const {
    const auto& states = model_.spectrum.states;
    if (chosen_ < 0 || chosen_ >= int(states.size())) return tr("No level chosen");
    const BoundState& s = states[std::size_t(chosen_)];
    return tr("Level %1 of %2, %3 eV, nodes: %4")
        .arg(chosen_ + 1)
        .arg(states.size())
        .arg(QString::number(s.energy, 'f', 2))
        .arg(s.nodes);
}
