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
    QMenu* file = addMenu(QStringLiteral("&File"));
    file->menuAction()->setObjectName(QStringLiteral("FileMenu"));
    addItem(file, "FileOpen", QString::fromUtf8("&Open…"), QKeySequence::Open);
    QMenu* recent = file->addMenu(QStringLiteral("Open &Recent"));
    recent->menuAction()->setObjectName(QStringLiteral("FileRecentMenu"));
    recent->setEnabled(false); // until a file has been opened or saved
    file->addSeparator();
    addItem(file, "FileSave", QStringLiteral("&Save"), QKeySequence::Save);
    addItem(file, "FileSaveAs", QString::fromUtf8("Save &As…"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QMenu* exports = file->addMenu(QStringLiteral("&Export"));
    exports->menuAction()->setObjectName(QStringLiteral("FileExportMenu"));
    addItem(exports, "FileExportData", QString::fromUtf8("&Data (CSV)…"));
    addItem(exports, "FileExportPicture", QString::fromUtf8("&Picture (SVG or PNG)…"));
    file->addSeparator();
    addItem(file, "FilePrint", QStringLiteral("&Print"), QKeySequence::Print);
    // The application closes the window on Quit, which may ask to save first.
    QAction* quit = addItem(file, "FileQuit", QStringLiteral("&Quit"), QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = addMenu(QStringLiteral("&Edit"));
    edit->menuAction()->setObjectName(QStringLiteral("EditMenu"));
    addItem(edit, "EditUndo", QStringLiteral("&Undo"), QKeySequence::Undo);
    addItem(edit, "EditRedo", QStringLiteral("&Redo"), QKeySequence::Redo);
    edit->addSeparator()->setObjectName(QStringLiteral("UntitledMenu1"));
    addItem(edit, "EditCut", QStringLiteral("Cu&t"), QKeySequence::Cut);
    addItem(edit, "EditCopy", QStringLiteral("&Copy"), QKeySequence::Copy);
    addItem(edit, "EditPaste", QStringLiteral("&Paste"), QKeySequence::Paste);
    addItem(edit, "EditClear", QStringLiteral("Cle&ar"));

    QMenu* view = addMenu(QStringLiteral("&View"));
    view->menuAction()->setObjectName(QStringLiteral("ViewMenu"));
    addItem(view, "ViewLevels", QString::fromUtf8("&Levels…"), QKeySequence(Qt::CTRL | Qt::Key_L));
    addItem(view, "ViewPacket", QString::fromUtf8("&Wave Packet…"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    addItem(view, "ViewTransmission", QString::fromUtf8("&Transmission…"),
            QKeySequence(Qt::CTRL | Qt::Key_T));
    QMenu* particle = view->addMenu(QStringLiteral("P&article"));
    particle->menuAction()->setObjectName(QStringLiteral("ViewParticleMenu"));

    QMenu* help = addMenu(QStringLiteral("&Help"));
    help->menuAction()->setObjectName(QStringLiteral("HelpMenu"));
    addItem(help, "HelpAbout", QString::fromUtf8("&About Wellscope…"),
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
