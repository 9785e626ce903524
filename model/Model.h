#pragma once

// The one model behind every window: the Setup a user makes, its undo stack, and the potential
// it builds. Every change a user makes is one undo command that sets the value and emits one
// `changed` saying what changed; nothing else writes the value. Windows read the value and
// redraw; the command line and files make the same changes.

#include "solver/core/Setup.h"
#include "solver/core/Solver.h"

#include <QObject>
#include <QString>

class QUndoStack;

class Model : public QObject {
    Q_OBJECT
  public:
    // What a change touched, as flags.
    enum Change : int {
        RowChanged = 1,
        SlidersChanged = 2,
        ParityChanged = 4,
        EnergyChanged = 8,
        ShapeChanged = 16,
        MassChanged = 32,
        Everything = 63,
    };

    explicit Model(QObject* parent = nullptr);
    ~Model() override;

    const Setup& Value() const { return value_; }
    // The value's potential, built once per change (its integration state is unused).
    const Solver& Potential() const { return potential_; }
    QUndoStack* UndoStack() const { return undo_; }

    // --- What a user does. Each is one undo command, or none when nothing changes (listeners
    // hear of it all the same, so a repeated choice starts the row afresh).
    // The row afresh: its sliders at their start, and the first level found from the start
    // energy. False when there is none: the energy then stays as it was.
    bool ChooseRow(int row);
    // Slider n (1 ... 3) to `value`. Steps of one drag (`dragging`) merge into one command,
    // until the drag ends.
    void MoveSlider(int n, int value, bool dragging = false);
    void EndSliderDrag() { ++drag_; }
    void SetParity(bool even);
    // The energy typed, as Draw takes it.
    void DrawEnergy(const QString& text);
    // The next level above `shown`, the energy the field shows (typed, or the value's own);
    // false, and no change, when there is none below the search limit.
    bool Find(double shown);
    // A level of the spectrum chosen in the Levels window: its parity and its published energy.
    void ChooseLevel(bool even, double level);
    // The handles after a mouse edit; `what` names it for the Edit menu.
    void Reshape(const Handles& handles, const QString& what);
    // A whole setting, as a file holds it.
    void Open(const Setup& value);
    void SetMass(double mass);

  signals:
    void changed(int what);

  private:
    friend class SetupCommand;
    // Pushes the change to `after` as a command named `name` (none when nothing changes).
    void change(const Setup& after, int what, const QString& name, int mergeId = -1);
    // Where the commands' redo and undo land.
    void apply(const Setup& value, int what);

    Setup value_;
    Solver potential_;
    int drag_ = 0; // which drag a slider step belongs to
    QUndoStack* undo_;
};
