// Helpers for the graphics layer's pixel tests: read a canvas pixel as a ColorValue
// and list the pixels that differ from a background colour.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "delgraph/QtCanvas.h"
#include "delgraph/delgraph.h"
#include "support/CurrentTempFolder.h"

inline delgraph::ColorValue At(const delgraph::QtCanvas& canvas, int x, int y) {
  return delgraph::QtCanvas::FromQRgb(canvas.Image().pixel(x, y));
}

using PixelSet = std::set<std::pair<int, int>>;

// Every pixel whose colour is not `background`.
inline PixelSet Changed(const delgraph::QtCanvas& canvas, delgraph::ColorValue background) {
  PixelSet out;
  const QImage& image = canvas.Image();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (delgraph::QtCanvas::FromQRgb(image.pixel(x, y)) != background) out.insert({x, y});
  return out;
}

// Every test draws with graphics at their program-start state.
class DelgraphTest : public ::testing::Test {
 protected:
  delgraph::Graphics g;
};

// As DelgraphTest, inside a fresh temporary folder that is the current one, so that
// files the layer reads or writes by name are the test's own.
class DelgraphFolderTest : public DelgraphTest {
 protected:
  CurrentTempFolder folder;
  void SetUp() override {
    DelgraphTest::SetUp();
    ASSERT_TRUE(folder.Enter());
  }
};
