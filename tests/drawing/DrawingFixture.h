// Shared set-up of the drawing tests: the activation values of a fresh scene and
// painter, the default palette and a recording canvas.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "classify/Classification.h"
#include "delgraph/delgraph.h"
#include "drawing/Painter.h"
#include "drawing/Projections.h"
#include "scene/Scene.h"
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

// The scene made the point A, or the line AB, and drawn with its projections.
inline void DrawPointOrLine(drawing::Painter& painter, scene::Scene& scene, bool point,
                            std::int32_t ax, std::int32_t ay, std::int32_t az, std::int32_t bx,
                            std::int32_t by, std::int32_t bz, std::int32_t colour) {
  scene.figure = point ? scene::Figure::kPoint : scene::Figure::kLine;
  scene.PointA = {ax, ay, az};
  scene.PointB = {bx, by, bz};
  if (point)
    drawing::DrawPointScene(painter, scene);
  else
    drawing::DrawLineScene(painter, scene, colour);
}

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
    scene::Activate(scene);
    painter.AttachSurface(&canvas, 1024, 768);
    canvas.Clear();
  }

  void DrawSceneOf(bool point, std::int32_t ax, std::int32_t ay, std::int32_t az, std::int32_t bx,
                   std::int32_t by, std::int32_t bz, std::int32_t colour) {
    DrawPointOrLine(painter, scene, point, ax, ay, az, bx, by, bz, colour);
  }

  // The log lines that start with one of the prefixes, in order.
  std::vector<std::string> Only(std::initializer_list<std::string> prefixes) const {
    return canvas.Calls(prefixes);
  }

  RecordingCanvas canvas;
  drawing::Painter painter;
  scene::Scene scene;
};

// "MoveTo x1 y1" and "LineTo x2 y2": one DrawLine.
inline std::vector<std::string> LineCalls(int x1, int y1, int x2, int y2) {
  return {"MoveTo " + std::to_string(x1) + " " + std::to_string(y1),
          "LineTo " + std::to_string(x2) + " " + std::to_string(y2)};
}
