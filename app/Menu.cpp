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
    file->menuAction()->setObjectName(QStringLiteral("FileMenu"));
    addItem(file, "FileOpen", tr("&Open…"), QKeySequence::Open);
    QMenu* recent = file->addMenu(tr("Open &Recent"));
    recent->menuAction()->setObjectName(QStringLiteral("FileRecentMenu"));
    recent->setEnabled(false); // until a file has been opened or saved
    file->addSeparator();
    addItem(file, "FileSave", tr("&Save"), QKeySequence::Save);
    addItem(file, "FileSaveAs", tr("Save &As…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QMenu* exports = file->addMenu(tr("&Export"));
    exports->menuAction()->setObjectName(QStringLiteral("FileExportMenu"));
    addItem(exports, "FileExportData", tr("&Data (CSV)…"));
    addItem(exports, "FileExportPicture", tr("&Picture (SVG or PNG)…"));
    file->addSeparator();
    addItem(file, "FilePrint", tr("&Print"), QKeySequence::Print);
    // The application closes the window on Quit, which may ask to save first.
    QAction* quit = addItem(file, "FileQuit", tr("&Quit"), QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = addMenu(tr("&Edit"));
    edit->menuAction()->setObjectName(QStringLiteral("EditMenu"));
    addItem(edit, "EditUndo", tr("&Undo"), QKeySequence::Undo);
    addItem(edit, "EditRedo", tr("&Redo"), QKeySequence::Redo);
    edit->addSeparator()->setObjectName(QStringLiteral("UntitledMenu1"));
    addItem(edit, "EditCut", tr("Cu&t"), QKeySequence::Cut);
    addItem(edit, "EditCopy", tr("&Copy"), QKeySequence::Copy);
    addItem(edit, "EditPaste", tr("&Paste"), QKeySequence::Paste);
    addItem(edit, "EditClear", tr("Cle&ar"));

    QMenu* view = addMenu(tr("&View"));
    view->menuAction()->setObjectName(QStringLiteral("ViewMenu"));
    addItem(view, "ViewLevels", tr("&Levels…"), QKeySequence(Qt::CTRL | Qt::Key_L));
    addItem(view, "ViewPacket", tr("&Wave Packet…"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    addItem(view, "ViewTransmission", tr("&Transmission…"), QKeySequence(Qt::CTRL | Qt::Key_T));
    QMenu* particle = view->addMenu(tr("P&article"));
    particle->menuAction()->setObjectName(QStringLiteral("ViewParticleMenu"));

    QMenu* help = addMenu(tr("&Help"));
    help->menuAction()->setObjectName(QStringLiteral("HelpMenu"));
    addItem(help, "HelpAbout", tr("&About Wellscope…"), QKeySequence(Qt::CTRL | Qt::Key_Question));
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
