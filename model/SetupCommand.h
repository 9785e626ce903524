#pragma once

// One undoable change of the model: the value before and after, and what it touched. Steps of
// one slider drag share a merge id and become one command.

#include "solver/core/Setup.h"

#include <QUndoCommand>

class Model;

class SetupCommand : public QUndoCommand {
  public:
    SetupCommand(Model& model, Setup before, Setup after, int what, const QString& name,
                 int mergeId);

    void redo() override;
    void undo() override;
    int id() const override { return mergeId_; }
    bool mergeWith(const QUndoCommand* other) override;

  private:
    Model& model_;
    Setup before_, after_;
    int what_;
    int mergeId_;
};
