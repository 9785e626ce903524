#include "levels/LevelsWindow.h"

#include "graph/Graph.h"
#include "levels/LevelsReport.h"
#include "platform/NumberText.h"
#include "solver/Window1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

// A level typed into the energy field is the one whose energy it shows: Find publishes the
// upper side of its 1e-11 eV bracket, rounded to eleven decimals.
constexpr double kSameLevel = 1e-9;

Graph* makeGraph(QWidget* parent) {
    auto* g = new Graph(parent);
    g->setMinimumSize(360, 170);
    g->setFocusPolicy(Qt::NoFocus);
    g->DepthQuery = [] { return 32; };
    return g;
}

} // namespace

LevelsWindow::LevelsWindow(Window1& main, QWidget* parent)
    : QWidget(parent, Qt::Window), main_(main) {
    setWindowTitle(QStringLiteral("Levels"));
    setAttribute(Qt::WA_DeleteOnClose);

    GraphLevels = makeGraph(this);
    GraphLevels->Open = [this] {
        GraphLevels->SetGrid(true);
        GraphLevels->SetTitle(QStringLiteral("Levels"));
        GraphLevels->SetYLabel(QStringLiteral("Energy (eV)"));
        GraphLevels->SetXLabel(QStringLiteral("x (nm)"));
        GraphLevels->DefineGraph(-1.8, 1.8, 0, 20);
    };
    GraphLevels->DrawContent = [this] { GraphLevels_DrawContent(); };
    GraphLevels->MouseDown = [this](int x, int y) { return GraphLevels_MouseDown(x, y); };

    GraphState = makeGraph(this);
    GraphState->Open = [this] {
        GraphState->SetGrid(true);
        GraphState->SetTitle(QStringLiteral("No level chosen"));
        GraphState->SetXLabel(QStringLiteral("x (nm)"));
        GraphState->DefineGraph(-1.8, 1.8, -1, 1);
    };
    GraphState->DrawContent = [this] { GraphState_DrawContent(); };

    CBDensity = new QCheckBox(QString::fromUtf8("Show |ψ|² instead of ψ"), this);
    connect(CBDensity, &QCheckBox::toggled, this, [this] { CBDensity_Action(); });

    Table = new QTableWidget(this);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->verticalHeader()->hide();
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(Table, &QTableWidget::currentCellChanged, this,
            [this](int row) { Table_CellClicked(row); });

    STNone = new QLabel(this);
    STNone->setAlignment(Qt::AlignCenter);
    STNone->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GraphLevels, 3);
    layout->addWidget(GraphState, 3);
    layout->addWidget(CBDensity);
    layout->addWidget(Table, 2);
    layout->addWidget(STNone, 2);

    // The plots draw into pictures of their own size: they open once laid out, and make a new
    // picture whenever the window resizes them.
    resize(720, 780);
    layout->activate();
    GraphLevels->Event_Open();
    GraphState->Event_Open();
    GraphLevels->installEventFilter(this);
    GraphState->installEventFilter(this);

    connect(&main_, &Window1::changed, this, [this] { Main_Changed(); });
}

LevelsWindow::~LevelsWindow() = default;

LevelsWindow* LevelsWindow::Show(Window1& main) {
    auto* w = main.findChild<LevelsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!w) w = new LevelsWindow(main, &main);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void LevelsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

bool LevelsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && (watched == GraphLevels || watched == GraphState))
        static_cast<Graph*>(watched)->HandleResize();
    return QWidget::eventFilter(watched, event);
}

void LevelsWindow::Main_Changed() {
    // A hidden window does no work; showing it brings it up to date.
    if (isVisible()) Refresh();
}

void LevelsWindow::Refresh() {
    if (!computed_ || !model_.IsFor(main_)) {
        model_ = ComputeLevels(main_);
        computed_ = true;
        const int count = int(model_.spectrum.states.size());
        if (chosen_ >= count) chosen_ = count - 1;
        if (chosen_ < 0 && count > 0) chosen_ = 0;
        fillTable();
    }
    followMainWindow();
    redrawPlots();
}

void LevelsWindow::fillTable() {
    const QSignalBlocker quiet(Table);
    const int count = int(model_.spectrum.states.size());
    const QStringList headers = LevelHeaders(model_.row);
    Table->clear();
    Table->setColumnCount(int(headers.size()));
    Table->setHorizontalHeaderLabels(headers);
    Table->setRowCount(count);
    for (int r = 0; r < count; ++r) {
        const QStringList cells = LevelCells(model_, r);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(r, c, item);
        }
    }
    Table->setVisible(count > 0);
    STNone->setVisible(count == 0);
    STNone->setText(NoBoundStateText(model_));
}

void LevelsWindow::followMainWindow() {
    const double energy = Val(main_.EFEnergy->text());
    const int parity = main_.solver.symmetric ? 1 : -1;
    const auto& states = model_.spectrum.states;
    for (std::size_t i = 0; i < states.size(); ++i) {
        const bool sameParity = model_.row != RowSymmetricWell || states[i].parity == parity;
        if (sameParity && std::fabs(states[i].energy - energy) < kSameLevel) chosen_ = int(i);
    }
    const QSignalBlocker quiet(Table);
    if (chosen_ >= 0) Table->selectRow(chosen_);
}

void LevelsWindow::ChooseLevel(int index) {
    if (index < 0 || index >= int(model_.spectrum.states.size())) return;
    chosen_ = index;
    const BoundState& s = model_.spectrum.states[std::size_t(index)];
    if (main_.row() == RowSymmetricWell) main_.PMSymmetric->setCurrentIndex(s.parity > 0 ? 0 : 1);
    main_.EFEnergy->setText(Window1::EnergyText(PublishedEnergy(s.energy)));
    main_.PBDraw->click();
    // The main window's change already redrew this one, unless it is hidden.
    if (!isVisible()) redrawPlots();
}

void LevelsWindow::Table_CellClicked(int row) {
    ChooseLevel(row);
}

void LevelsWindow::CBDensity_Action() {
    redrawPlots();
}

void LevelsWindow::redrawPlots() {
    const QString x =
        model_.row == RowHydrogen ? QStringLiteral("r (nm)") : QStringLiteral("x (nm)");
    GraphLevels->SetXLabel(x);
    GraphState->SetXLabel(x);
    // The main window's potential plot sets the ranges, so the two show the same picture.
    GraphLevels->DefineGraph(main_.Graph1->XMin, main_.Graph1->XMax, main_.Graph1->YMin,
                             main_.Graph1->YMax);
    GraphLevels->GetContent();
    defineStatePlot();
    GraphState->GetContent();
}
