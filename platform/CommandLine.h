#pragma once
// A program's command line as command-line programs answer it: --help and --version on
// stdout, the commands that run without a window, and errors as "program: message" on
// stderr with exit code 2. What is left (the files to open) goes to the window. Not for
// the window system's own options: those are taken off by QApplication before the window
// reads its files.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace platform {

// What a command line in error exits with.
inline constexpr int kCommandLineMisuse = 2;

// One command that runs without a window: "--render IN.tnl OUT.wav".
struct CommandLineCommand {
    QString option;        // without its dashes
    QStringList arguments; // their names, as the help shows them
    QString description;
    // Runs with exactly the named arguments, under a QCoreApplication; returns the exit code.
    std::function<int(const QStringList& arguments)> run;
};

struct CommandLineProgram {
    QString name;  // "tezvan": the command and the prefix of its errors
    QString title; // the help's first line after the usage
    QString version;
    QString files; // the files the window opens, as the help names them; empty: it takes none
    QString filesDescription;
    std::vector<CommandLineCommand> commands;
};

// Answers what needs no window: --help, --version, a command, a command line in error.
// Returns the exit code, or nothing when the window is to open. Touches no window system.
std::optional<int> answerWithoutWindow(const CommandLineProgram& program, int argc, char** argv);

// The files named for the window to open, from the arguments the window system left (its
// own options taken off); nothing after an error was reported (the program exits with
// kCommandLineMisuse).
std::optional<QStringList> windowFiles(const CommandLineProgram& program, const QStringList& arguments);

// The help as --help prints it.
QString commandLineHelp(const CommandLineProgram& program);

// The one reporter of command-line failures: "program: message" on stderr.
void reportCommandLineError(const QString& program, const QString& message);

} // namespace platform
