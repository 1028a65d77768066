// The main window under load, on the offscreen platform: a scroll bar swept over
// its whole range with a full redraw and repaint per position (goal: the 221
// positions in at most 0.25 s at the start size; at most 4 ms a position in a
// full-HD full-screen window), and the time from launch to the first shown
// window against a bare Qt program (goal: at most 1.3 times as long).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/Controls.h"
#include "app/UnitQuorvel.h"

namespace {

// A plausible 16-colour palette file for the working folder.
void WritePaletteFile(const QString& folder) {
  static const unsigned char rgb[48] = {0,   0,  0,  0,   0,  168, 0,   168, 0,  0,   168, 168,
                                        168, 0,  0,  168, 0,  168, 252, 84,  0,  168, 168, 168,
                                        84,  84, 84, 84,  84, 252, 84,  252, 84, 84,  252, 252,
                                        252, 84, 84, 252, 84, 252, 252, 252, 84, 252, 252, 252};
  QFile file(QDir(folder).filePath(QStringLiteral("pruebas.pal")));
  if (file.open(QIODevice::WriteOnly)) file.write(reinterpret_cast<const char*>(rgb), 48);
}

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

void Sweep(benchmark::State& state, QSize client) {
  QTemporaryDir folder;
  const QString previous = QDir::currentPath();
  WritePaletteFile(folder.path());
  QDir::setCurrent(folder.path());
  {
    TQuorvel window;
    window.show();
    while (!window.Activated()) QCoreApplication::processEvents();
    window.resize(client);
    QCoreApplication::processEvents();
    PaintCounter counter;
    window.drawingArea->installEventFilter(&counter);
    window.alejamientoBar->setValue(1);
    QCoreApplication::processEvents();

    int redraws = 0;
    for (auto _ : state) {
      // Every position of the range, each handled and then painted on screen.
      for (int v = window.alejamientoBar->minimum(); v <= window.alejamientoBar->maximum(); ++v) {
        window.alejamientoBar->setValue(v);
        QCoreApplication::processEvents();
        ++redraws;
      }
      // Start the next sweep from a different position so -110 is a change.
      window.alejamientoBar->setValue(0);
      QCoreApplication::processEvents();
    }
    state.counters["positions"] = 221;
    state.counters["paints_per_position"] =
        redraws ? static_cast<double>(counter.paints) / redraws : 0.0;
    state.counters["scale"] = window.DrawingScale();
  }
  QDir::setCurrent(previous);
}

void BM_ScrollBar3FullSweep(benchmark::State& state) {
  Sweep(state, QSize(1036, 541));
}
BENCHMARK(BM_ScrollBar3FullSweep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A full-HD screen taken whole by the window.
void BM_ScrollBar3FullSweep_FullHd(benchmark::State& state) {
  Sweep(state, QSize(1920, 1080));
}
BENCHMARK(BM_ScrollBar3FullSweep_FullHd)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Milliseconds from launching the program until it reports its first shown window.
double LaunchToFirstShow(const QString& program, const QStringList& args, const QString& cwd) {
  QProcess process;
  process.setWorkingDirectory(cwd);
  process.setProcessChannelMode(QProcess::SeparateChannels);
  QElapsedTimer timer;
  timer.start();
  process.start(program, args);
  if (!process.waitForStarted(10000)) return -1.0;
  while (!process.canReadLine())
    if (!process.waitForReadyRead(10000)) return -1.0;
  const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  process.waitForFinished(10000);
  return ms;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

void BM_StartupAgainstBareQt(benchmark::State& state) {
  QTemporaryDir folder;
  WritePaletteFile(folder.path());
  const QString self = QCoreApplication::applicationFilePath();
  const QString bare = QDir(QCoreApplication::applicationDirPath()).filePath("bench_bare_window");
  constexpr int kLaunches = 15;
  std::vector<double> quorvel, plain, withText;
  for (auto _ : state) {
    // Alternate, so both see the same machine load.
    for (int k = 0; k < kLaunches; ++k) {
      plain.push_back(LaunchToFirstShow(bare, {}, folder.path()));
      withText.push_back(LaunchToFirstShow(bare, {QStringLiteral("--with-text")}, folder.path()));
      quorvel.push_back(
          LaunchToFirstShow(self, {QStringLiteral("--startup-child")}, folder.path()));
    }
  }
  const auto failed = [](const std::vector<double>& v) {
    return std::count(v.begin(), v.end(), -1.0) != 0;
  };
  if (failed(plain) || failed(withText) || failed(quorvel)) {
    state.SkipWithError("a child program did not report its window");
    return;
  }
  const double q = Median(quorvel), b = Median(plain), t = Median(withText);
  state.counters["quorvel_ms"] = q;
  state.counters["bare_qt_ms"] = b;
  state.counters["bare_text_ms"] = t;
  state.counters["ratio"] = b > 0 ? q / b : 0.0;
  // Against a bare window that also loads fonts, as any window with text must.
  state.counters["ratio_text"] = t > 0 ? q / t : 0.0;
}
BENCHMARK(BM_StartupAgainstBareQt)->Iterations(1)->Unit(benchmark::kMillisecond);

// The program's own start-up, as the entry does it, ending at the first painting
// of the window once the start-up set-up has run.
int StartupChild(int argc, char** argv) {
  QApplication application(argc, argv);
  // Errors go to the terminal: a message box would never let the window report.
  struct PrintedErrors : app::SpanishDialogs {
    void ShowError(QWidget*, const QString& message) override {
      std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
  } dialogs;
  TQuorvel window(&dialogs);
  PaintCounter counter;
  window.installEventFilter(&counter);
  window.show();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (counter.paints == 0 || !window.Activated()) return;
    poll.stop();
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    QCoreApplication::quit();
  });
  poll.start(0);
  return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc > 1 && std::strcmp(argv[1], "--startup-child") == 0) return StartupChild(argc, argv);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
