#include "app/Menu.h"

#include <QAction>
#include <QApplication>
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
    QMenu* file = addMenu(QStringLiteral("File"));
    file->menuAction()->setObjectName(QStringLiteral("FileMenu"));
    addItem(file, "FilePrint", QStringLiteral("Print"), QKeySequence::Print);
    QAction* quit = addItem(file, "FileQuit", QStringLiteral("Quit"), QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);

    QMenu* edit = addMenu(QStringLiteral("Edit"));
    edit->menuAction()->setObjectName(QStringLiteral("EditMenu"));
    addItem(edit, "EditUndo", QStringLiteral("Undo"), QKeySequence::Undo);
    edit->addSeparator()->setObjectName(QStringLiteral("UntitledMenu1"));
    addItem(edit, "EditCut", QStringLiteral("Cut"), QKeySequence::Cut);
    addItem(edit, "EditCopy", QStringLiteral("Copy"), QKeySequence::Copy);
    addItem(edit, "EditPaste", QStringLiteral("Paste"), QKeySequence::Paste);
    addItem(edit, "EditClear", QStringLiteral("Clear"));

    QMenu* view = addMenu(QStringLiteral("View"));
    view->menuAction()->setObjectName(QStringLiteral("ViewMenu"));
    addItem(view, "ViewLevels", QString::fromUtf8("Levels…"), QKeySequence(Qt::CTRL | Qt::Key_L));

    QMenu* help = addMenu(QStringLiteral("Help"));
    help->menuAction()->setObjectName(QStringLiteral("HelpMenu"));
    addItem(help, "HelpAbout", QString::fromUtf8("About Wellscope…"),
            QKeySequence(Qt::CTRL | Qt::Key_Question));
}

QAction* Menu::Item(const QString& name) const {
    for (QAction* menuAction : actions()) {
        if (menuAction->objectName() == name) return menuAction;
        if (QMenu* m = menuAction->menu())
            for (QAction* item : m->actions())
                if (item->objectName() == name) return item;
    }
    return nullptr;
}
