// The menu bar, the About window and the printed page.
#include "app/AboutWndo.h"
#include "app/EditCommands.h"
#include "app/Menu.h"
#include "graph/Graph.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>

TEST(Menu, EditItemsActOnTheFocusedField) {
    Menu menu;
    WireEditCommands(menu);
    QWidget window;
    auto* field = new QLineEdit(QStringLiteral("1.25"), &window);
    window.show();
    window.activateWindow();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto enabled = [&menu](const char* item) {
        emit menu.Item("EditMenu")->menu()->aboutToShow();
        return menu.Item(item)->isEnabled();
    };
    EXPECT_FALSE(enabled("EditCopy") || enabled("EditCut")); // nothing selected
    field->selectAll();
    EXPECT_TRUE(enabled("EditCopy") && enabled("EditCut"));
    menu.Item("EditCut")->trigger();
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(enabled("EditPaste") && enabled("EditUndo"));
    menu.Item("EditPaste")->trigger();
    EXPECT_EQ(field->text(), "1.25");
}

TEST(About, PageIsTheResourceAndTheWindowIsReused) {
    QPointer<AboutWndo> about = AboutWndo::Show();
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->HTMLViewer1->toPlainText().contains("Finding the levels"));
    EXPECT_EQ(AboutWndo::Show(), about); // the open one is reused
    about->close();                      // closing destroys it ...
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
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
