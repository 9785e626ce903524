#pragma once

#include <QMenuBar>
#include <QString>

class QAction;

// The menu bar: File (Open, Open Recent, Save, Save As, Export, Print, Quit), Edit (Undo, Cut,
// Copy, Paste, Clear), View (Levels, Wave Packet, Transmission, Particle), Help (About). Every item
// and submenu has its name as object name, so it can be found by it.
class Menu : public QMenuBar {
    Q_OBJECT
  public:
    explicit Menu(QWidget* parent = nullptr);

    // The item (or menu's action) of that name, or nullptr.
    QAction* Item(const QString& name) const;
};
