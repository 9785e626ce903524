// The menu bar, the About window and the printed page.
#include "app/AboutWndo.h"
#include "app/EditCommands.h"
#include "app/Menu.h"
#include "app/Resources.h"
#include "graph/Graph.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>

TEST(Menu, ItemsTextsAndShortcuts) {
    Menu menu;
    struct Item {
        const char* name;
        const char* text;
        QKeySequence key;
    };
    const Item items[] = {
        {"FilePrint", "Print", QKeySequence::Print},
        {"FileQuit", "Quit", QKeySequence::Quit},
        {"EditUndo", "Undo", QKeySequence::Undo},
        {"EditCut", "Cut", QKeySequence::Cut},
        {"EditCopy", "Copy", QKeySequence::Copy},
        {"EditPaste", "Paste", QKeySequence::Paste},
        {"EditClear", "Clear", QKeySequence()},
        {"HelpAbout", "About Wellscope…", QKeySequence(Qt::CTRL | Qt::Key_Question)},
    };
    for (const Item& i : items) {
        QAction* a = menu.Item(i.name);
        ASSERT_TRUE(a) << i.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(i.text));
        EXPECT_EQ(a->shortcut(), i.key) << i.name;
    }
    EXPECT_EQ(menu.Item("FilePrint")->shortcut().toString(), "Ctrl+P");
    QStringList menus;
    for (QAction* a : menu.actions()) menus << a->objectName() + "=" + a->text();
    EXPECT_EQ(menus,
              (QStringList{"FileMenu=File", "EditMenu=Edit", "ViewMenu=View", "HelpMenu=Help"}));
    QStringList edit;
    for (QAction* a : menu.Item("EditMenu")->menu()->actions())
        edit << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(edit,
              (QStringList{"EditUndo", "-", "EditCut", "EditCopy", "EditPaste", "EditClear"}));
}

TEST(Menu, EditItemsActOnTheFocusedField) {
    Menu menu;
    WireEditCommands(menu);
    QWidget window;
    auto* field = new QLineEdit(QStringLiteral("1.25"), &window);
    window.show();
    window.activateWindow();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QMenu* edit = menu.Item("EditMenu")->menu();
    emit edit->aboutToShow();
    EXPECT_FALSE(menu.Item("EditCopy")->isEnabled()); // nothing selected
    EXPECT_FALSE(menu.Item("EditCut")->isEnabled());

    field->selectAll();
    emit edit->aboutToShow();
    EXPECT_TRUE(menu.Item("EditCopy")->isEnabled());
    EXPECT_TRUE(menu.Item("EditCut")->isEnabled());
    menu.Item("EditCut")->trigger();
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(menu.Item("EditPaste")->isEnabled());
    EXPECT_TRUE(menu.Item("EditUndo")->isEnabled());
    menu.Item("EditPaste")->trigger();
    EXPECT_EQ(field->text(), "1.25");
}

TEST(About, PageIsTheResourceAndTheWindowIsReused) {
    EXPECT_TRUE(AboutWellscope().contains("Schr"));
    AboutWndo* about = AboutWndo::Show();
    EXPECT_EQ(about->windowTitle(), "About Wellscope");
    EXPECT_EQ(about->size(), QSize(589, 584));
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->HTMLViewer1->toPlainText().contains("Finding the levels"));
    EXPECT_EQ(AboutWndo::Show(), about); // the open one is reused

    QPointer<AboutWndo> closed = about;
    about->close(); // closing destroys it ...
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    AboutWndo* again = AboutWndo::Show(); // ... and the next About makes a new one
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->HTMLViewer1->toPlainText().contains("Finding the levels"));
    again->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Print, BothPicturesOnOnePage) {
    Window1 w;
    w.beep = [] {};
    auto page = Picture::Make(460, 440, 32);
    page->GetGraphics()->SetForeColor({0, 255, 0});
    page->GetGraphics()->FillRect(0, 0, 460, 440);
    w.PrintOn(*page->GetGraphics());
    const QImage image = page->Image().copy();
    EXPECT_EQ(image.copy(0, 0, 450, 204), w.Graph1->GXP->Image().convertToFormat(image.format()));
    EXPECT_EQ(image.copy(0, 220, 450, 204), w.Graph2->GXP->Image().convertToFormat(image.format()));
    EXPECT_EQ(image.pixel(455, 5), qRgb(0, 255, 0)); // nothing beside the pictures
    EXPECT_EQ(image.pixel(5, 212), qRgb(0, 255, 0)); // nor between them
}
