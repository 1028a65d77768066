// Pictures without the window: one line scene drawn to PNG, SVG and PDF in
// memory, and the whole `quorvel --export` process against `quorvel --version`
// (goal: the export adds little to the start-up).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <string>
#include <vector>

#include "delgraph/ShippedPalette.h"
#include "render/Export.h"
#include "render/SpaceRender.h"

extern char** environ;

namespace {

const render::SceneSpec kLine{scene::Figure::kLine, {-40, 30, 20}, {50, -20, 60}, false, false};

// The colours a fresh start has.
delgraph::Palette ShippedColours() {
  delgraph::Palette palette;
  delgraph::ApplyShippedPalette(palette);
  return palette;
}

// Drawing alone, at 1 and 4 times the size.
void BM_RenderImage(benchmark::State& state) {
  const delgraph::Palette palette = ShippedColours();
  const int scale = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(render::RenderImage(kLine, palette, scale).width());
}
BENCHMARK(BM_RenderImage)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

// Drawing and PNG encoding.
void BM_RenderPng(benchmark::State& state) {
  const delgraph::Palette palette = ShippedColours();
  const int scale = static_cast<int>(state.range(0));
  for (auto _ : state) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    render::RenderImage(kLine, palette, scale).save(&buffer, "PNG");
    benchmark::DoNotOptimize(bytes.size());
  }
}
BENCHMARK(BM_RenderPng)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_RenderSvg(benchmark::State& state) {
  const delgraph::Palette palette = ShippedColours();
  for (auto _ : state) benchmark::DoNotOptimize(render::RenderSvg(kLine, palette, 1).size());
}
BENCHMARK(BM_RenderSvg)->Unit(benchmark::kMillisecond);

void BM_RenderPdf(benchmark::State& state) {
  const delgraph::Palette palette = ShippedColours();
  for (auto _ : state) benchmark::DoNotOptimize(render::RenderPdf(kLine, palette).size());
}
BENCHMARK(BM_RenderPdf)->Unit(benchmark::kMillisecond);

// A frame of the view in space while it is dragged, at full HD: two crossing
// triangles with their traces and line, and the bisectors shown (goal: 8 ms, two
// frames to a screen refresh). The image is the window's, kept between frames.
void BM_SpaceViewFrame(benchmark::State& state) {
  scene::Scene scene;
  scene::Activate(scene);
  scene.figure = scene::Figure::kTwoPlanes;
  scene.PointA = {60, 0, 0};
  scene.PointB = {0, 45, 0};
  scene.PointC = {0, 0, 50};
  scene.PointD = {-50, 0, 0};
  scene.PointE = {0, -40, 0};
  scene.PointF = {20, 30, 60};
  drawing::SpaceView view;
  view.bisectors = true;
  QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    view.camera.Turn(1.0);
    QPainter painter(&frame);
    render::DrawSpaceView(painter, QRectF(frame.rect()), scene, view);
    painter.end();
    benchmark::DoNotOptimize(frame.bits());
  }
}
BENCHMARK(BM_SpaceViewFrame)->Unit(benchmark::kMillisecond);

// Wall-clock milliseconds of one run of the program, or -1 when it fails.
double RunProgram(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  std::string program = QUORVEL_EXE;
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::chrono::duration<double, std::milli>(end - start).count();
}

// One process per iteration: the export of a line to each format, and the
// version alone as the start-up every run pays.
void BM_Process(benchmark::State& state, std::vector<std::string> arguments) {
  QTemporaryDir folder;
  for (std::string& a : arguments)
    if (a.rfind("OUT.", 0) == 0) a = QDir(folder.path()).filePath(a.c_str()).toStdString();
  for (auto _ : state) {
    const double ms = RunProgram(arguments);
    if (ms < 0) {
      state.SkipWithError("the program failed");
      return;
    }
    state.SetIterationTime(ms / 1000.0);
  }
}
BENCHMARK_CAPTURE(BM_Process, version, std::vector<std::string>{"--version"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_Process, help, std::vector<std::string>{"--help"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_Process, export_png,
                  std::vector<std::string>{"--export", "OUT.png", "--line=-40,30,20:50,-20,60"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_Process, export_svg,
                  std::vector<std::string>{"--export", "OUT.svg", "--line=-40,30,20:50,-20,60"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_Process, export_pdf,
                  std::vector<std::string>{"--export", "OUT.pdf", "--line=-40,30,20:50,-20,60"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace
