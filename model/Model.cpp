#include "model/Model.h"

#include "model/EnergyText.h"
#include "model/SetupCommand.h"
#include "platform/NumberText.h"
#include "solver/core/FindLevel.h"
#include "solver/core/PotentialRows.h"

#include <QUndoStack>

namespace {

Setup withEnergy(Setup s, const QString& text) {
    s.energyText = text.toStdString();
    s.energy = Val(text);
    return s;
}

// A slider move rebuilds the row's potential from the sliders. The symmetric well's wells fit
// within their centre-to-centre distance, so its width follows the distance down.
Setup withSlider(Setup s, int n, int value) {
    s.sliders[std::size_t(n - 1)] = value;
    if (n == 1 && RowOf(s.row).sliders[1].maxFollowsSlider1 && s.sliders[1] > value)
        s.sliders[1] = value;
    s.reshape.reset(); // the sliders describe the potential again
    return s;
}

// The row afresh, on its first level found from the start energy; `found` says whether there
// was one (the energy then stays as it was).
Setup rowAfresh(const Setup& from, int row, bool& found) {
    Setup after = WithRow(from, row);
    Solver s;
    BuildPotential(after, s);
    const FoundLevel level = FindNextLevel(s, PhysicsRow(after), StartEnergy(row));
    found = level.found;
    if (level.found) after = withEnergy(after, EnergyText(level.energy));
    // The Hydrogen row shows its first level without trailing zeros.
    if (row == RowHydrogen) after = withEnergy(after, ShownEnergyText(after.energy));
    return after;
}

} // namespace

Model::Model(QObject* parent) : QObject(parent), undo_(new QUndoStack(this)) {
    bool found = false;
    value_ = rowAfresh(withEnergy(Setup{}, QStringLiteral("0")), RowWell, found);
    BuildPotential(value_, potential_);
}

Model::~Model() = default;

void Model::apply(const Setup& value, int what) {
    value_ = value;
    BuildPotential(value_, potential_);
    emit changed(what);
}

void Model::change(const Setup& after, int what, const QString& name, int mergeId) {
    if (after == value_) {
        emit changed(what);
        return;
    }
    undo_->push(new SetupCommand(*this, value_, after, what, name, mergeId));
}

bool Model::ChooseRow(int row) {
    bool found = false;
    const Setup after = rowAfresh(value_, row, found);
    const std::string_view name = RowOf(row).menuText;
    // With no level found the field keeps what it shows (the Hydrogen row rewrites it).
    const int energy = found || row == RowHydrogen ? EnergyChanged : 0;
    change(after, (Everything & ~MassChanged & ~EnergyChanged) | energy,
           QStringLiteral("Choose ") + QString::fromLatin1(name.data(), qsizetype(name.size())));
    return found;
}

void Model::MoveSlider(int n, int value, bool dragging) {
    const int what = SlidersChanged | (value_.reshape ? ShapeChanged : 0);
    // Steps of one drag share an id, and no two drags do.
    const int drag = 4 * (drag_ & 0xffffff) + n;
    change(withSlider(value_, n, value), what, QStringLiteral("Move Slider"), dragging ? drag : -1);
}

void Model::SetParity(bool even) {
    Setup after = value_;
    after.even = even;
    change(after, ParityChanged, QStringLiteral("Change Parity"));
}

void Model::DrawEnergy(const QString& text) {
    change(withEnergy(value_, text), EnergyChanged, QStringLiteral("Draw"));
}

bool Model::Find(double shown) {
    Solver s = potential_;
    const FoundLevel level = FindNextLevel(s, PhysicsRow(value_), shown);
    if (!level.found) return false;
    // The energy changes only in its text when the search lands where the field already is;
    // listeners hear of it all the same.
    change(withEnergy(value_, EnergyText(level.energy)), EnergyChanged, QStringLiteral("Find"));
    return true;
}

void Model::ChooseLevel(bool even, double level) {
    Setup after = withEnergy(value_, EnergyText(PublishedEnergy(level)));
    after.even = even;
    change(after, EnergyChanged | ParityChanged, QStringLiteral("Choose Level"));
}

void Model::Reshape(const Handles& handles, const QString& what) {
    Setup after = value_;
    after.reshape = ReshapeOf(value_, handles);
    change(after, ShapeChanged, what);
}

void Model::Open(const Setup& value) {
    change(value, Everything, QStringLiteral("Open"));
}

void Model::SetMass(double mass) {
    Setup after = value_;
    after.mass = mass;
    change(after, MassChanged, QStringLiteral("Change Particle"));
}
