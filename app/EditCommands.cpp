#include "app/EditCommands.h"

#include "app/Menu.h"
#include "model/Model.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>
#include <QUndoStack>

namespace {

struct Can {
    bool undo = false, redo = false, cut = false, copy = false, paste = false, clear = false;
};

// A focused text field keeps its own undo; anywhere else Undo and Redo act on the model.
Can whatFocusCanDo(const QUndoStack& changes) {
    Can can;
    can.undo = changes.canUndo();
    can.redo = changes.canRedo();
    const bool clipboardHasText = !QApplication::clipboard()->text().isEmpty();
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        const bool editable = !line->isReadOnly();
        can.undo = editable && line->isUndoAvailable();
        can.redo = editable && line->isRedoAvailable();
        can.copy = line->hasSelectedText();
        can.cut = editable && can.copy;
        can.clear = can.cut;
        can.paste = editable && clipboardHasText;
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
        const bool editable = !text->isReadOnly();
        const bool selected = text->textCursor().hasSelection();
        can.undo = editable && text->document()->isUndoAvailable();
        can.redo = editable && text->document()->isRedoAvailable();
        can.copy = selected;
        can.cut = editable && selected;
        can.clear = can.cut;
        can.paste = editable && clipboardHasText;
    }
    return can;
}

void update(Menu& menu, const QUndoStack& changes) {
    const Can can = whatFocusCanDo(changes);
    menu.Item(menu_item::EditUndo)->setEnabled(can.undo);
    menu.Item(menu_item::EditRedo)->setEnabled(can.redo);
    menu.Item(menu_item::EditCut)->setEnabled(can.cut);
    menu.Item(menu_item::EditCopy)->setEnabled(can.copy);
    menu.Item(menu_item::EditPaste)->setEnabled(can.paste);
    menu.Item(menu_item::EditClear)->setEnabled(can.clear);
}

// Returns whether a text control had the focus.
template <typename LineOp, typename TextOp> bool onFocused(LineOp lineOp, TextOp textOp) {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        lineOp(line);
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        textOp(text);
    else
        return false;
    return true;
}

} // namespace

void WireEditCommands(Menu& menu, Model& model) {
    QUndoStack& changes = *model.UndoStack();
    auto connectItem = [&menu, &changes](const char* name, auto lineOp, auto textOp,
                                         void (QUndoStack::*elsewhere)() = nullptr) {
        QAction* item = menu.Item(name);
        QObject::connect(item, &QAction::triggered, &menu,
                         [lineOp, textOp, elsewhere, &menu, &changes] {
                             if (!onFocused(lineOp, textOp) && elsewhere) (changes.*elsewhere)();
                             update(menu, changes);
                         });
    };
    connectItem(
        menu_item::EditUndo, [](QLineEdit* l) { l->undo(); }, [](QTextEdit* t) { t->undo(); },
        &QUndoStack::undo);
    connectItem(
        menu_item::EditRedo, [](QLineEdit* l) { l->redo(); }, [](QTextEdit* t) { t->redo(); },
        &QUndoStack::redo);
    connectItem(
        menu_item::EditCut, [](QLineEdit* l) { l->cut(); }, [](QTextEdit* t) { t->cut(); });
    connectItem(
        menu_item::EditCopy, [](QLineEdit* l) { l->copy(); }, [](QTextEdit* t) { t->copy(); });
    connectItem(
        menu_item::EditPaste, [](QLineEdit* l) { l->paste(); }, [](QTextEdit* t) { t->paste(); });
    connectItem(
        menu_item::EditClear, [](QLineEdit* l) { l->del(); },
        [](QTextEdit* t) { t->textCursor().removeSelectedText(); });

    // Shortcuts act even while the menu is closed, so keep the items current all the time.
    auto refresh = [&menu, &changes] { update(menu, changes); };
    QObject::connect(qApp, &QApplication::focusChanged, &menu, refresh);
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, &menu, refresh);
    QObject::connect(&changes, &QUndoStack::indexChanged, &menu, refresh);
    QMenu* edit = menu.Item(menu_item::EditMenu)->menu();
    QObject::connect(edit, &QMenu::aboutToShow, &menu, refresh);
    update(menu, changes);
}
