// Program entry: the application object, the one main window, the event loop.
#include <QApplication>

#include "app/UnitQuorvel.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TQuorvel window;  // the window sets scene::Quorvel to itself
  window.show();
  return application.exec();
}
