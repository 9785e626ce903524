#include "app/EditCommands.h"

#include "app/Menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>

namespace {

struct Can {
    bool undo = false, cut = false, copy = false, paste = false, clear = false;
};

Can whatFocusCanDo() {
    Can can;
    const bool clipboardHasText = !QApplication::clipboard()->text().isEmpty();
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        const bool editable = !line->isReadOnly();
        can.undo = editable && line->isUndoAvailable();
        can.copy = line->hasSelectedText();
        can.cut = editable && can.copy;
        can.clear = can.cut;
        can.paste = editable && clipboardHasText;
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
        const bool editable = !text->isReadOnly();
        const bool selected = text->textCursor().hasSelection();
        can.undo = editable && text->document()->isUndoAvailable();
        can.copy = selected;
        can.cut = editable && selected;
        can.clear = can.cut;
        can.paste = editable && clipboardHasText;
    }
    return can;
}

void update(Menu& menu) {
    const Can can = whatFocusCanDo();
    menu.Item(QStringLiteral("EditUndo"))->setEnabled(can.undo);
    menu.Item(QStringLiteral("EditCut"))->setEnabled(can.cut);
    menu.Item(QStringLiteral("EditCopy"))->setEnabled(can.copy);
    menu.Item(QStringLiteral("EditPaste"))->setEnabled(can.paste);
    menu.Item(QStringLiteral("EditClear"))->setEnabled(can.clear);
}

template <typename LineOp, typename TextOp> void onFocused(LineOp lineOp, TextOp textOp) {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        lineOp(line);
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        textOp(text);
}

} // namespace

void WireEditCommands(Menu& menu) {
    auto connectItem = [&menu](const char* name, auto lineOp, auto textOp) {
        QAction* item = menu.Item(QString::fromLatin1(name));
        QObject::connect(item, &QAction::triggered, &menu, [lineOp, textOp, &menu] {
            onFocused(lineOp, textOp);
            update(menu);
        });
    };
    connectItem(
        "EditUndo", [](QLineEdit* l) { l->undo(); }, [](QTextEdit* t) { t->undo(); });
    connectItem(
        "EditCut", [](QLineEdit* l) { l->cut(); }, [](QTextEdit* t) { t->cut(); });
    connectItem(
        "EditCopy", [](QLineEdit* l) { l->copy(); }, [](QTextEdit* t) { t->copy(); });
    connectItem(
        "EditPaste", [](QLineEdit* l) { l->paste(); }, [](QTextEdit* t) { t->paste(); });
    connectItem(
        "EditClear", [](QLineEdit* l) { l->del(); },
        [](QTextEdit* t) { t->textCursor().removeSelectedText(); });

    // Shortcuts act even while the menu is closed, so keep the items current all the time.
    auto refresh = [&menu] { update(menu); };
    QObject::connect(qApp, &QApplication::focusChanged, &menu, refresh);
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, &menu, refresh);
    QMenu* edit = menu.Item(QStringLiteral("EditMenu"))->menu();
    QObject::connect(edit, &QMenu::aboutToShow, &menu, refresh);
    update(menu);
}
