#include "app/Start.h"

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "solver/Window1.h"

#include <QTextStream>

#include <cstdio>

namespace {

// On the command line, stderr carries only what Wellscope itself has to say; the toolkit's
// remarks about the desktop session (no runtime directory, no display) are not errors here.
void quietToolkit(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        QTextStream(stderr) << message << '\n';
    }
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return args;
}

} // namespace

int RunWellscope(int argc, char** argv) {
    const ParsedCommand parsed = ParseCommandLine(argumentsOf(argc, argv));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parsed.error.isEmpty()) {
        err << "wellscope: " << parsed.error << "\nTry 'wellscope --help'.\n";
        return 2;
    }
    const Command& command = parsed.command;
    if (command.kind == Command::Help) {
        out << CommandLineHelp();
        return 0;
    }
    if (command.kind == Command::Version) {
        out << "wellscope " << WELLSCOPE_VERSION << '\n';
        return 0;
    }
    // The commands need no screen; they draw offscreen unless told otherwise.
    if (command.kind != Command::Window) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietToolkit);
    }

    App app(argc, argv);
    if (command.kind != Command::Window) return RunCommand(command, *app.SolverWindow(), out, err);
    app.SolverWindow()->show();
    return app.exec();
}
