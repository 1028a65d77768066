// The program's command line: the options that make it run without its window
// (export of a scene to a file, help, version), their parsing and their runs.
// Help and messages are in Spanish.
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace cli {

constexpr int ExitOk = 0;
constexpr int ExitFileError = 1;  // a file could not be read or written
constexpr int ExitBadInput = 2;   // the arguments are refused; nothing was written

// Before any application object exists: whether the arguments name one of the
// options below. Without one the window starts as ever (Qt's own options such as
// -platform still reach Qt).
bool WantsCommandLine(int argc, char** argv);

// The whole run without a window: makes the application object it needs (none
// that needs a display for --help and --version; always Qt's offscreen platform
// for an output, whatever the environment names), runs, returns the exit status.
int Main(int argc, char** argv);

// Runs the arguments (the program name first) with an application object in
// place, writing to out and err. What Main does after its set-up; tests call it.
int Execute(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The text of --help.
QString HelpText();

}  // namespace cli
