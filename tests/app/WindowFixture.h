// A real main window on the offscreen platform, started in a temporary working
// folder that holds the test's own palette file; errors are recorded, not shown.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/UnitQuorvel.h"
#include "delgraph/delgraph.h"

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates and shows the window and waits for its start-up set-up.
  void StartWindow();
  // Set before StartWindow: whether "pruebas.pal" exists when the window starts.
  bool withPaletteFile = true;

  // The palette file the tests start with: entry k is (10k, 10k + 1, 10k + 2).
  static QByteArray TestPaletteBytes();
  QString PalettePath() const { return QDir::current().filePath("pruebas.pal"); }

  QImage Surface() const;
  delgraph::ColorValue SurfacePixel(int x, int y) const;
  // What the window shows at a point of the paint box (box coordinates).
  QRgb ShownPixel(int x, int y) const;

  std::unique_ptr<TQuorvel> window;
  QStringList errors;

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString previousDir_;
};

constexpr delgraph::ColorValue Rgb(int r, int g, int b) {
  return delgraph::MakeColorValue(r, g, b);
}
