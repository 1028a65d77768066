// Shared set-up of the drawing tests: program-start state of every module, the
// activation values of the scene, the default palette and a recording canvas.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "classify/Classification.h"
#include "delgraph/delgraph.h"
#include "drawing/Painter.h"
#include "drawing/Projections.h"
#include "scene/Scene.h"
#include "support/FakeWindow.h"
#include "support/RecordingCanvas.h"

// Palette colours of the default palette as the recording canvas prints them.
inline const std::string kBlack = "#000000";
inline const std::string kBlue = "#0000A8";
inline const std::string kGreen = "#00A800";
inline const std::string kCyan = "#00A8A8";
inline const std::string kRed = "#A80000";
inline const std::string kDarkGrey = "#545454";
inline const std::string kLightRed = "#FC5454";
inline const std::string kLightMagenta = "#FC54FC";
inline const std::string kWhite = "#FCFCFC";

inline void ResetAllModules() {
  scene::ResetScene();
}

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAllModules();
    scene::SetActivationScene(delgraph::GetMaxX(), delgraph::GetMaxY());
    painter.AttachSurface(&canvas, 1024, 768);
    canvas.Clear();
  }
  void TearDown() override { ResetAllModules(); }

  // The log lines that start with one of the prefixes, in order.
  std::vector<std::string> Only(std::initializer_list<std::string> prefixes) const {
    return canvas.Calls(prefixes);
  }

  RecordingCanvas canvas;
  drawing::Painter painter;
};

// "MoveTo x1 y1" and "LineTo x2 y2": one DrawLine.
inline std::vector<std::string> LineCalls(int x1, int y1, int x2, int y2) {
  return {"MoveTo " + std::to_string(x1) + " " + std::to_string(y1),
          "LineTo " + std::to_string(x2) + " " + std::to_string(y2)};
}
