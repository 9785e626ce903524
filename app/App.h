#pragma once

#include "app/FileTypes.h"

#include <QApplication>
#include <QSettings>

#include <functional>

class FileCommands;
class Menu;
class Model;
class Window1;

// The application object: its menu bar, the registered document type, the model, the solver
// window that shows it and the About window while it is open.
class App : public QApplication {
    Q_OBJECT
  public:
    App(int& argc, char** argv);
    ~App() override;

    // The single menu bar, built on first use.
    Menu* menuBar();
    // The solver window, created (and so opened) on first use.
    ::Window1* SolverWindow();
    // Open, Save, Export on the solver window.
    FileCommands* Files();
    ::Model& Model();

    // Delivers every event; a plot that cannot draw (GraphError) is reported once, and the
    // program goes on rather than ending.
    bool notify(QObject* receiver, QEvent* event) override;
    // Tells the user of that failure: by default on stderr and, after the event, in a dialog.
    std::function<void(const QString& message)> ReportGraphError;

  private:
    FileTypes fileTypes_;
    QSettings settings_; // the recent files
    ::Model* model_;
    bool reportedGraphError_ = false;
    FileCommands* files_ = nullptr; // owned by the window
    Menu* menu_ = nullptr;
    ::Window1* window_ = nullptr;
};
