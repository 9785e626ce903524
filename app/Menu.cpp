#include "app/Menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& key = {}) {
    QAction* item = menu->addAction(text);
    item->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) item->setShortcut(key);
    return item;
}

} // namespace

Menu::Menu(QWidget* parent) : QMenuBar(parent) {
    QMenu* file = addMenu(tr("&File"));
    file->menuAction()->setObjectName(QLatin1String(menu_item::FileMenu));
    addItem(file, menu_item::FileOpen, tr("&Open…"), QKeySequence::Open);
    QMenu* recent = file->addMenu(tr("Open &Recent"));
    recent->menuAction()->setObjectName(QLatin1String(menu_item::FileRecentMenu));
    recent->setEnabled(false); // until a file has been opened or saved
    file->addSeparator();
    addItem(file, menu_item::FileSave, tr("&Save"), QKeySequence::Save);
    addItem(file, menu_item::FileSaveAs, tr("Save &As…"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QMenu* exports = file->addMenu(tr("&Export"));
    exports->menuAction()->setObjectName(QLatin1String(menu_item::FileExportMenu));
    addItem(exports, menu_item::FileExportData, tr("&Data (CSV)…"));
    addItem(exports, menu_item::FileExportPicture, tr("&Picture (SVG or PNG)…"));
    file->addSeparator();
    addItem(file, menu_item::FilePrint, tr("&Print"), QKeySequence::Print);
    // The application closes the window on Quit, which may ask to save first.
    QAction* quit = addItem(file, menu_item::FileQuit, tr("&Quit"), QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = addMenu(tr("&Edit"));
    edit->menuAction()->setObjectName(QLatin1String(menu_item::EditMenu));
    addItem(edit, menu_item::EditUndo, tr("&Undo"), QKeySequence::Undo);
    addItem(edit, menu_item::EditRedo, tr("&Redo"), QKeySequence::Redo);
    edit->addSeparator()->setObjectName(QLatin1String(menu_item::UntitledMenu1));
    addItem(edit, menu_item::EditCut, tr("Cu&t"), QKeySequence::Cut);
    addItem(edit, menu_item::EditCopy, tr("&Copy"), QKeySequence::Copy);
    addItem(edit, menu_item::EditPaste, tr("&Paste"), QKeySequence::Paste);
    addItem(edit, menu_item::EditClear, tr("Cle&ar"));

    QMenu* view = addMenu(tr("&View"));
    view->menuAction()->setObjectName(QLatin1String(menu_item::ViewMenu));
    addItem(view, menu_item::ViewLevels, tr("&Levels…"), QKeySequence(Qt::CTRL | Qt::Key_L));
    addItem(view, menu_item::ViewPacket, tr("&Wave Packet…"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    addItem(view, menu_item::ViewTransmission, tr("&Transmission…"),
            QKeySequence(Qt::CTRL | Qt::Key_T));
    QMenu* particle = view->addMenu(tr("P&article"));
    particle->menuAction()->setObjectName(QLatin1String(menu_item::ViewParticleMenu));

    QMenu* help = addMenu(tr("&Help"));
    help->menuAction()->setObjectName(QLatin1String(menu_item::HelpMenu));
    addItem(help, menu_item::HelpAbout, tr("&About Wellscope…"),
            QKeySequence(Qt::CTRL | Qt::Key_Question));
}

namespace {

QAction* findItem(const QList<QAction*>& actions, const QString& name) {
    for (QAction* a : actions) {
        if (a->objectName() == name) return a;
        if (QMenu* m = a->menu())
            if (QAction* found = findItem(m->actions(), name)) return found;
    }
    return nullptr;
}

} // namespace

QAction* Menu::Item(const QString& name) const {
    return findItem(actions(), name);
}
