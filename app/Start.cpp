#include "app/Start.h"

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/Document.h"
#include "app/FileCommands.h"
#include "app/Language.h"
#include "model/Model.h"
#include "platform/FreedMemory.h"
#include "windows/main/Window1.h"

#include <QCoreApplication>
#include <QLocale>
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
    KeepFreedMemory();
    const QStringList arguments = argumentsOf(argc, argv);
    ParsedCommand parsed = ParseCommandLine(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);
    auto failed = [&err](const QString& error) {
        err << "wellscope: " << error << "\nTry 'wellscope --help'.\n";
        return 2;
    };
    if (!parsed.error.isEmpty()) return failed(parsed.error);
    // A command on an opened file: its options apply on top of what the file holds.
    std::optional<Document> opened;
    if (parsed.command.kind != Command::Window && !parsed.command.open.isEmpty()) {
        QString error;
        opened = LoadDocument(parsed.command.open, error);
        if (!opened) {
            err << "wellscope: cannot open " << parsed.command.open << ": " << error << '\n';
            return 2;
        }
        parsed = ParseCommandLine(arguments, &*opened);
        if (!parsed.error.isEmpty()) return failed(parsed.error);
    }
    const Command& command = parsed.command;
    if (command.kind == Command::Help) {
        // The help needs no screen, only its language.
        QCoreApplication core(argc, argv);
        UseLanguage(command.language);
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
    UseLanguage(command.language); // before the first window is made
    // Numbers keep their decimal point in every language and locale, in Qt's own fields too
    // (the particle's mass).
    QLocale::setDefault(QLocale::c());
    if (command.kind != Command::Window) {
        // The window opens on the 1 nm well; the file comes after.
        Window1& window = *app.SolverWindow();
        if (opened) app.Model().Open(SetupOf(*opened));
        return RunCommand(command, window, out, err);
    }
    app.SolverWindow()->show();
    // A file that cannot be opened is reported on screen; the window starts as always.
    if (!command.open.isEmpty()) app.Files()->Open(command.open);
    return app.exec();
}
