#pragma once

#include <QMenuBar>
#include <QString>

class QAction;

// The name of every item and submenu of the bar, written once: the bar is built with them, and
// everything that reaches an item finds it by them.
namespace menu_item {
inline constexpr char FileMenu[] = "FileMenu";
inline constexpr char FileOpen[] = "FileOpen";
inline constexpr char FileRecentMenu[] = "FileRecentMenu";
inline constexpr char FileSave[] = "FileSave";
inline constexpr char FileSaveAs[] = "FileSaveAs";
inline constexpr char FileExportMenu[] = "FileExportMenu";
inline constexpr char FileExportData[] = "FileExportData";
inline constexpr char FileExportPicture[] = "FileExportPicture";
inline constexpr char FilePrint[] = "FilePrint";
inline constexpr char FileQuit[] = "FileQuit";
inline constexpr char EditMenu[] = "EditMenu";
inline constexpr char EditUndo[] = "EditUndo";
inline constexpr char EditRedo[] = "EditRedo";
inline constexpr char UntitledMenu1[] = "UntitledMenu1";
inline constexpr char EditCut[] = "EditCut";
inline constexpr char EditCopy[] = "EditCopy";
inline constexpr char EditPaste[] = "EditPaste";
inline constexpr char EditClear[] = "EditClear";
inline constexpr char ViewMenu[] = "ViewMenu";
inline constexpr char ViewLevels[] = "ViewLevels";
inline constexpr char ViewPacket[] = "ViewPacket";
inline constexpr char ViewTransmission[] = "ViewTransmission";
inline constexpr char ViewParticleMenu[] = "ViewParticleMenu";
inline constexpr char ViewParticleCustom[] = "ViewParticleCustom";
inline constexpr char HelpMenu[] = "HelpMenu";
inline constexpr char HelpAbout[] = "HelpAbout";
} // namespace menu_item

// The menu bar: File (Open, Open Recent, Save, Save As, Export, Print, Quit), Edit (Undo, Cut,
// Copy, Paste, Clear), View (Levels, Wave Packet, Transmission, Particle), Help (About). Every item
// and submenu has its name as object name, so it can be found by it.
class Menu : public QMenuBar {
    Q_OBJECT
  public:
    explicit Menu(QWidget* parent = nullptr);

    // The item (or menu's action) of that name, or nullptr.
    QAction* Item(const QString& name) const;
    QAction* Item(const char* name) const { return Item(QString::fromLatin1(name)); }
};
