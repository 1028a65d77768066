// Program entry: a run of the command line when an option of its own is given,
// otherwise the application object, the one main window and the event loop.
#include <QApplication>

#include "app/UnitQuorvel.h"
#include "cli/CommandLine.h"

int main(int argc, char** argv) {
  if (cli::WantsCommandLine(argc, argv)) return cli::Main(argc, argv);
  QApplication application(argc, argv);
  TQuorvel window;
  window.show();
  return application.exec();
}
