#include "model/SetupCommand.h"

#include "model/Model.h"

SetupCommand::SetupCommand(Model& model, Setup before, Setup after, int what, const QString& name,
                           int mergeId)
    : QUndoCommand(name), model_(model), before_(std::move(before)), after_(std::move(after)),
      what_(what), mergeId_(mergeId) {}

void SetupCommand::redo() {
    model_.apply(after_, what_);
}

void SetupCommand::undo() {
    model_.apply(before_, what_);
}

bool SetupCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const SetupCommand*>(other);
    after_ = next->after_;
    what_ |= next->what_;
    // A drag that ends where it began changed nothing.
    setObsolete(after_ == before_);
    return true;
}
