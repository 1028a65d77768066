// A real main window on the offscreen platform, started in a temporary working
// folder that holds the test's own palette file; errors are recorded, not shown.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "app/Dialogs.h"
#include "app/UnitQuorvel.h"
#include "delgraph/delgraph.h"
#include "scene/Scene.h"
#include "support/CurrentTempFolder.h"

// Records the errors and answers each question as the test says; a question the
// test did not expect is cancelled.
class RecordingDialogs : public app::Dialogs {
 public:
  QStringList errors;
  std::function<QString(app::SaveQuestion&)> saveName;
  std::function<bool(QPrinter&)> print;
  std::function<bool(app::CoordinatesInput&)> coordinates;
  std::function<std::optional<app::WorksheetChoice>()> worksheet;
  std::function<bool(const QStringList&)> replace;
  std::function<bool(app::NumbersQuestion&)> numbers;
  QStringList replaceAsked;  // every file a replace question named

  void ShowError(QWidget*, const QString& message) override { errors << message; }
  QString AskSaveName(QWidget*, app::SaveQuestion& q) override {
    return saveName ? saveName(q) : QString();
  }
  bool AskReplace(QWidget*, const QStringList& paths) override {
    replaceAsked << paths;
    return replace && replace(paths);
  }
  bool AskPrint(QWidget*, QPrinter& printer) override { return print && print(printer); }
  bool AskCoordinates(QWidget*, app::CoordinatesInput& io) override {
    return coordinates && coordinates(io);
  }
  std::optional<app::WorksheetChoice> AskWorksheet(QWidget*) override {
    return worksheet ? worksheet() : std::nullopt;
  }
  bool AskNumbers(QWidget*, app::NumbersQuestion& q) override { return numbers && numbers(q); }
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates and shows the window and waits for its start-up set-up.
  void StartWindow();
  // Set before StartWindow: whether "pruebas.pal" exists when the window starts,
  // and what to do to the window made before it is shown.
  bool withPaletteFile = true;
  std::function<void()> beforeShow;

  // The palette file the tests start with: entry k is (10k, 10k + 1, 10k + 2).
  static QByteArray TestPaletteBytes();
  QString PalettePath() const { return QDir::current().filePath("pruebas.pal"); }

  // The window's scene: its figure, view flags and editing state.
  scene::Scene& Scene() const { return window->Scene(); }

  QImage Surface() const;
  delgraph::ColorValue SurfacePixel(int x, int y) const;
  // What the window shows at a point of the paint box (box coordinates).
  QRgb ShownPixel(int x, int y) const;

  // TEST's random draws from now on: these values in order, then zeros.
  void ScriptDraws(std::deque<int> values);

  RecordingDialogs dialogs;
  QStringList& errors = dialogs.errors;
  std::unique_ptr<TQuorvel> window;

 private:
  std::unique_ptr<CurrentTempFolder> folder_;
  std::deque<int> draws_;
};

constexpr delgraph::ColorValue Rgb(int r, int g, int b) {
  return delgraph::MakeColorValue(r, g, b);
}
