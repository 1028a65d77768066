// The yardstick for start-up time: a bare Qt program that shows one empty window
// of Quorvel's size, reports its first painting on stdout and ends. With
// --with-text the window also holds one label, so it pays for loading fonts.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>

namespace {

class FirstPaintReporter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      std::fputs("shown\n", stdout);
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(1036, 541);
  if (argc > 1 && std::strcmp(argv[1], "--with-text") == 0)
    (new QLabel(QStringLiteral("Quorvel"), &window))->move(8, 8);
  FirstPaintReporter reporter;
  window.installEventFilter(&reporter);
  window.show();
  return application.exec();
}
