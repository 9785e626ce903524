#include "app/App.h"

#include "app/AboutWndo.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/Menu.h"
#include "app/ParticleCommands.h"
#include "model/Model.h"
#include "windows/levels/LevelsWindow.h"
#include "windows/main/Window1.h"
#include "windows/packet/PacketWindow.h"
#include "windows/transmission/TransmissionWindow.h"

#include "graph/Graph.h"

#include <QAction>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

App::App(int& argc, char** argv)
    : QApplication(argc, argv),
      settings_(QSettings::UserScope, QStringLiteral("Wellscope"), QStringLiteral("Wellscope")),
      model_(new ::Model(this)) {
    setApplicationName(QStringLiteral("Wellscope"));
    setApplicationVersion(QStringLiteral(WELLSCOPE_VERSION));
    setQuitOnLastWindowClosed(false); // closing the solver window quits; the About window not
    fileTypes_ = FileTypes::Register();
    ReportGraphError = [this](const QString& message) {
        QTextStream(stderr) << "wellscope: " << message << '\n';
        // After this event, not inside it: the dialog runs an event loop of its own.
        QTimer::singleShot(0, this, [message] {
            QMessageBox::warning(nullptr, QStringLiteral("Wellscope"), message);
        });
    };
}

App::~App() {
    delete window_; // owns the menu bar once installed
    if (!window_) delete menu_;
}

Menu* App::menuBar() {
    if (!menu_) {
        menu_ = new Menu();
        WireEditCommands(*menu_, *model_);
        WireParticleCommands(*menu_, *model_);
        connect(menu_->Item(menu_item::HelpAbout), &QAction::triggered, this,
                [] { AboutWndo::Show(); });
        connect(menu_->Item(menu_item::FilePrint), &QAction::triggered, this,
                [this] { SolverWindow()->_FilePrint_Action(); });
        // Closing the window asks about unsaved work, and quits when it closes.
        connect(
            menu_->Item(menu_item::FileQuit), &QAction::triggered, this,
            [this] { SolverWindow()->close(); }, Qt::QueuedConnection);
        connect(menu_->Item(menu_item::ViewLevels), &QAction::triggered, this,
                [this] { LevelsWindow::Show(*model_, SolverWindow()); });
        connect(menu_->Item(menu_item::ViewPacket), &QAction::triggered, this,
                [this] { PacketWindow::Show(*model_, SolverWindow()); });
        connect(menu_->Item(menu_item::ViewTransmission), &QAction::triggered, this,
                [this] { TransmissionWindow::Show(*model_, SolverWindow()); });
    }
    return menu_;
}

Window1* App::SolverWindow() {
    if (!window_) {
        window_ = new ::Window1(*model_, menuBar());
        files_ = new FileCommands(*model_, *window_, *menu_, settings_);
    }
    return window_;
}

FileCommands* App::Files() {
    SolverWindow();
    return files_;
}

::Model& App::Model() {
    return *model_;
}

bool App::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const GraphError& e) {
        if (!reportedGraphError_) {
            reportedGraphError_ = true;
            if (ReportGraphError) ReportGraphError(tr("A plot could not be drawn: ") + e.msg);
        }
        return false;
    }
}
