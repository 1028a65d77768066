// A 60-exercise sheet made by the whole program, from launch to exit, against the
// program's launch with --version; the same with its key in a file of its own and
// its Moodle question bank (goal: under 0.5 s for the whole process). And a list of
// 10,000 lines of every kind, with 32-bit coordinates, described (goal: under 2 s).
// Thirty construction exercises with their key and bank (goal: under 1 s).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
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

// Thirty construction exercises at 1:1 with their key (a page each) and their
// marker questions, each with two pictures (goal: under 1 s for the whole process).
void BM_Constructions30WithKeyAndBank(benchmark::State& state) {
  QTemporaryDir folder;
  const QString key = QDir(folder.path()).filePath(QStringLiteral("sol.pdf"));
  const QStringList args = {
      QStringLiteral("--worksheet"), QStringLiteral("30"),
      QStringLiteral("--seed"),      QStringLiteral("2024"),
      QStringLiteral("--kind"),      QStringLiteral("construcciones"),
      QStringLiteral("-o"),          QDir(folder.path()).filePath(QStringLiteral("hoja.pdf")),
      QStringLiteral("--key"),       key,
      QStringLiteral("--moodle"),    QDir(folder.path()).filePath(QStringLiteral("banco.xml"))};
  std::vector<double> runs;
  for (auto _ : state)
    for (int k = 0; k < 5; ++k) runs.push_back(RunMs(args, folder.path()));
  if (std::count(runs.begin(), runs.end(), -1.0) != 0 || !QFileInfo(key).isFile()) {
    state.SkipWithError("a run of the program failed");
    return;
  }
  state.counters["constructions_key_moodle_ms"] = Median(runs);
}
BENCHMARK(BM_Constructions30WithKeyAndBank)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Describe10000Lines(benchmark::State& state) {
  QTemporaryDir folder;
  const QString list = QDir(folder.path()).filePath(QStringLiteral("lista.txt"));
  const QString json = QDir(folder.path()).filePath(QStringLiteral("salida.json"));
  {
    // One to six points a line, in turn, spread over the whole 32-bit range.
    const char* const kLetters[] = {"A", "AB", "ABC", "ABCP", "ABCDE", "ABCDEF"};
    QByteArray text;
    std::uint64_t seed = 1;
    for (int line = 0; line < 10000; ++line) {
      for (const char* letter = kLetters[line % 6]; *letter != '\0'; ++letter) {
        text += QByteArray(1, *letter) + '(';
        for (int k = 0; k < 3; ++k) {
          seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
          const std::int64_t v = static_cast<std::int64_t>(seed >> 32) - 2147483648LL;
          text += QByteArray::number(static_cast<qlonglong>(v)) + (k < 2 ? "," : ") ");
        }
      }
      text += '\n';
    }
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
      state.SkipWithError("the list could not be written");
      return;
    }
  }
  std::vector<double> runs;
  for (auto _ : state) {
    for (int k = 0; k < 5; ++k) {
      QProcess process;
      process.setStandardOutputFile(json);
      process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
      QElapsedTimer timer;
      timer.start();
      process.start(QStringLiteral(QUORVEL_EXE),
                    {QStringLiteral("--describe"), QStringLiteral("--worksheet-file"), list});
      if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        state.SkipWithError("a run of the program failed");
        return;
      }
      runs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
  }
  QFile out(json);
  if (!out.open(QIODevice::ReadOnly) || out.readAll().count('\n') != 10000) {
    state.SkipWithError("the description has not one line per exercise");
    return;
  }
  state.counters["describe_ms"] = Median(runs);
}
BENCHMARK(BM_Describe10000Lines)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
