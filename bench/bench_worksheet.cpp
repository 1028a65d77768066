// A 60-exercise sheet made by the whole program, from launch to exit, against the
// program's launch with --version; the same with its key in a file of its own and
// its Moodle question bank (goal: under 0.5 s for the whole process).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

namespace {

// Milliseconds from launch to exit; -1 when the run fails.
double RunMs(const QStringList& args, const QString& cwd) {
  QProcess process;
  process.setWorkingDirectory(cwd);
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QElapsedTimer timer;
  timer.start();
  process.start(QStringLiteral(QUORVEL_EXE), args);
  if (!process.waitForFinished(60000)) return -1.0;
  const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return -1.0;
  return ms;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

void BM_Worksheet60AgainstVersion(benchmark::State& state) {
  QTemporaryDir folder;
  const QString pdf = QDir(folder.path()).filePath(QStringLiteral("hoja.pdf"));
  const QStringList sheet = {QStringLiteral("--worksheet"), QStringLiteral("60"),
                             QStringLiteral("--seed"),      QStringLiteral("2024"),
                             QStringLiteral("-o"),          pdf};
  const QStringList full =
      sheet + QStringList{QStringLiteral("--key"),
                          QDir(folder.path()).filePath(QStringLiteral("sol.pdf")),
                          QStringLiteral("--moodle"),
                          QDir(folder.path()).filePath(QStringLiteral("banco.xml"))};
  constexpr int kRuns = 7;
  std::vector<double> sheets, versions, fulls;
  for (auto _ : state) {
    // Alternate, so both see the same machine load.
    for (int k = 0; k < kRuns; ++k) {
      versions.push_back(RunMs({QStringLiteral("--version")}, folder.path()));
      sheets.push_back(RunMs(sheet, folder.path()));
      fulls.push_back(RunMs(full, folder.path()));
    }
  }
  const auto failed = [](const std::vector<double>& v) {
    return std::count(v.begin(), v.end(), -1.0) != 0;
  };
  if (failed(sheets) || failed(versions) || failed(fulls) || !QFileInfo(pdf).isFile()) {
    state.SkipWithError("a run of the program failed");
    return;
  }
  const double s = Median(sheets), v = Median(versions);
  state.counters["sheet_ms"] = s;
  state.counters["version_ms"] = v;
  state.counters["sheet_minus_version_ms"] = s - v;
  state.counters["sheet_key_moodle_ms"] = Median(fulls);
  state.counters["pdf_kib"] = static_cast<double>(QFileInfo(pdf).size()) / 1024.0;
}
BENCHMARK(BM_Worksheet60AgainstVersion)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
