#include "app/App.h"

#include "app/AboutWndo.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/Menu.h"
#include "levels/LevelsWindow.h"
#include "solver/Window1.h"

#include <QAction>

App::App(int& argc, char** argv)
    : QApplication(argc, argv),
      settings_(QSettings::UserScope, QStringLiteral("Wellscope"), QStringLiteral("Wellscope")) {
    setApplicationName(QStringLiteral("Wellscope"));
    setApplicationVersion(QStringLiteral(WELLSCOPE_VERSION));
    setQuitOnLastWindowClosed(false); // closing the solver window quits; the About window not
    fileTypes_ = FileTypes::Register();
}

App::~App() {
    delete window_; // owns the menu bar once installed
    if (!window_) delete menu_;
}

Menu* App::menuBar() {
    if (!menu_) {
        menu_ = new Menu();
        WireEditCommands(*menu_);
        connect(menu_->Item(QStringLiteral("HelpAbout")), &QAction::triggered, this,
                [] { AboutWndo::Show(); });
        connect(menu_->Item(QStringLiteral("FilePrint")), &QAction::triggered, this,
                [this] { SolverWindow()->_FilePrint_Action(); });
        // Closing the window asks about unsaved work, and quits when it closes.
        connect(
            menu_->Item(QStringLiteral("FileQuit")), &QAction::triggered, this,
            [this] { SolverWindow()->close(); }, Qt::QueuedConnection);
        connect(menu_->Item(QStringLiteral("ViewLevels")), &QAction::triggered, this,
                [this] { LevelsWindow::Show(*SolverWindow()); });
    }
    return menu_;
}

Window1* App::SolverWindow() {
    if (!window_) {
        window_ = new ::Window1(menuBar());
        files_ = new FileCommands(*window_, *menu_, settings_);
    }
    return window_;
}

FileCommands* App::Files() {
    SolverWindow();
    return files_;
}
