#include "drawing/Frame.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "delgraph/delgraph.h"
#include "drawing/Projections.h"
#include "scene/Scene.h"

namespace drawing {

namespace {

struct LogicalPoint {
  std::int32_t x;
  std::int32_t y;
};

struct LogicalSegment {
  LogicalPoint from;
  LogicalPoint to;
};

// Palette colours of the frame, by their default-palette names.
constexpr std::int32_t kBackground = 0;  // near-white after activation
constexpr std::int32_t kBlue = 1;
constexpr std::int32_t kGreen = 2;
constexpr std::int32_t kCyan = 3;
constexpr std::int32_t kRed = 4;
constexpr std::int32_t kDarkGrey = 8;
constexpr std::int32_t kBrightWhite = 15;
constexpr std::uint16_t kSolid = 1;

// A polygon in logical units of the current space, mapped and handed to FillPolygon
// with its vertex count exactly as listed (repeated closing vertices included).
void MappedPolygon(Painter& painter, std::initializer_list<LogicalPoint> vertices) {
  delgraph::PointList list;
  std::size_t k = 0;
  for (const LogicalPoint& p : vertices) {
    list.xy[2 * k] = painter.ScaleX(p.x);
    list.xy[2 * k + 1] = painter.ScaleY(p.y);
    ++k;
  }
  painter.FillPolygon(static_cast<std::uint16_t>(k), list);
}

void MappedLine(Painter& painter, const LogicalSegment& s) {
  painter.DrawLine(painter.ScaleX(s.from.x), painter.ScaleY(s.from.y), painter.ScaleX(s.to.x),
                   painter.ScaleY(s.to.y));
}

void MappedBar(Painter& painter, LogicalPoint first, LogicalPoint second) {
  painter.FillBar(painter.ScaleX(first.x), painter.ScaleY(first.y), painter.ScaleX(second.x),
                  painter.ScaleY(second.y));
}

void SetColour(Painter& painter, std::int32_t colour) {
  painter.SetFillStyle(kSolid, colour);
  painter.SetDrawColor(colour);
}

// The flat view's frame: outline, ground line at y 80, and its two end marks.
constexpr LogicalSegment kFlatViewFrame[] = {
    {{179, 19}, {308, 19}},    // top
    {{308, 19}, {308, 141}},   // right
    {{308, 141}, {179, 141}},  // bottom
    {{179, 141}, {179, 19}},   // left
    {{179, 80}, {308, 80}},    // ground line
    {{308, 82}, {298, 82}},    // right end mark
    {{179, 82}, {189, 82}},    // left end mark
};

// The edge-on planes of the profile view.
constexpr LogicalSegment kProfileTraces[] = {
    {{79, 39}, {79, 159}},  // trace of V
    {{139, 99}, {19, 99}},  // trace of H
};

// Space-view panel, then the text panel divided at y 160.
constexpr LogicalSegment kPanelOutlines[] = {
    {{0, 5}, {160, 5}},       {{160, 5}, {160, 190}},   {{0, 5}, {0, 190}},
    {{0, 190}, {160, 190}},   {{165, 145}, {319, 145}}, {{165, 160}, {319, 160}},
    {{165, 190}, {319, 190}}, {{165, 145}, {165, 190}}, {{319, 145}, {319, 190}},
};

void DrawFlatViewFrame(Painter& painter) {
  for (const LogicalSegment& s : kFlatViewFrame) MappedLine(painter, s);
}

}  // namespace

void RedrawFrame(Painter& painter, bool profile) {
  ++painter.FramesDrawn;
  painter.ForWindow.hideSplash = true;
  if (profile) {
    DrawProfileFrame(painter);
    DrawProfileCross(painter);
  } else {
    DrawDihedralFrame(painter);
  }
  // Both branches leave the 320 x 200 space and their own pen for this frame.
  DrawFlatViewFrame(painter);
}

void DrawDihedralFrame(Painter& painter) {
  painter.SetFillStyle(kSolid, kBackground);
  painter.ClearSurface();
  painter.Select640x480();
  DrawPlanesView(painter);
  painter.Select320x200();
  DrawPanels(painter);
  painter.Select320x200();
}

void DrawPlanesView(Painter& painter) {
  SetColour(painter, kGreen);  // upper half of V
  MappedPolygon(painter, {{117, 146}, {117, 293}, {200, 190}, {201, 44}, {116, 144}, {116, 144}});
  SetColour(painter, kRed);  // triangle left of the ground line, above y 293
  MappedPolygon(painter, {{117, 189}, {200, 189}, {117, 293}, {117, 293}});
  SetColour(painter, kCyan);  // triangle right of the ground line, above y 294
  MappedPolygon(painter, {{200, 190}, {117, 294}, {200, 294}, {200, 294}});
  SetColour(painter, kGreen);  // H right of V
  MappedPolygon(painter, {{201, 190}, {312, 190}, {228, 293}, {200, 292}, {200, 293}});
  SetColour(painter, kBlue);  // lower half of V below the front edge of H
  MappedPolygon(painter, {{117, 293}, {117, 436}, {201, 336}, {201, 293}, {201, 293}});
  SetColour(painter, kGreen);  // H left of V
  MappedPolygon(painter,
                {{72, 190}, {115, 190}, {115, 293}, {2, 293}, {3, 272}, {72, 190}, {72, 190}});
  SetColour(painter, kRed);  // strip along the upper edge of V
  MappedPolygon(painter, {{201, 44}, {117, 146}, {112, 146}, {198, 44}, {198, 44}});
  SetColour(painter, kCyan);  // strip along the left edge of V
  MappedPolygon(painter, {{112, 146}, {117, 147}, {117, 437}, {112, 436}, {112, 436}});
  SetColour(painter, kCyan);  // strip along the front edge of H
  MappedPolygon(painter, {{2, 293}, {228, 293}, {228, 298}, {2, 298}, {2, 298}});
  SetColour(painter, kBlue);  // strip along the right edge of H
  MappedPolygon(painter, {{228, 293}, {313, 189}, {313, 194}, {228, 298}, {228, 298}});

  painter.SetFillStyle(kSolid, kBrightWhite);
  painter.SetDrawColor(kBlue);
}

void DrawPanels(Painter& painter) {
  painter.Select640x481();
  SetColour(painter, kDarkGrey);
  // Down arrow, up arrow: the bars' corners go as given, x descending.
  MappedBar(painter, {20, 437}, {15, 450});
  MappedPolygon(painter, {{17, 456}, {10, 449}, {24, 449}, {24, 449}});
  MappedBar(painter, {52, 441}, {47, 454});
  MappedPolygon(painter, {{49, 437}, {43, 443}, {55, 443}, {55, 443}});
  // Left arrow, right arrow.
  MappedBar(painter, {78, 443}, {90, 448});
  MappedPolygon(painter, {{72, 446}, {79, 439}, {79, 453}, {79, 453}});
  MappedBar(painter, {102, 443}, {114, 448});
  MappedPolygon(painter, {{118, 445}, {112, 452}, {112, 440}, {112, 439}});
  // Column on a broad base; triangle under a flat cap.
  MappedPolygon(painter, {{141, 455},
                          {132, 450},
                          {137, 450},
                          {140, 438},
                          {143, 438},
                          {146, 450},
                          {151, 450},
                          {151, 450}});
  MappedPolygon(painter, {{172, 437},
                          {164, 440},
                          {170, 440},
                          {163, 452},
                          {181, 452},
                          {175, 440},
                          {181, 440},
                          {179, 440}});
  // Plus sign; falling stroke.
  MappedLine(painter, {{205, 451}, {205, 440}});
  MappedLine(painter, {{210, 445}, {200, 445}});
  MappedLine(painter, {{244, 454}, {229, 439}});

  painter.Select320x200();
  painter.SetDrawColor(kBlue);
  for (const LogicalSegment& s : kPanelOutlines)
    painter.DrawLogicalLine(s.from.x, s.from.y, s.to.x, s.to.y);
}

void DrawProfileFrame(Painter& painter) {
  painter.SetFillStyle(kSolid, kBackground);
  painter.ClearSurface();
  // Drawn in whatever space is current and in the pen the previous step left.
  for (const LogicalSegment& s : kProfileTraces) MappedLine(painter, s);
  DrawFlatViewFrame(painter);
  painter.Select320x200();
  DrawPanels(painter);
  painter.SetLineStyle(0, 0, 1);
  painter.SetTextStyle(1, 0, 0);
  RestoreTextStyle(painter);
}

void DrawProfileCross(Painter& painter) {
  SetColour(painter, kGreen);
  painter.FillBar(250, 92, 253, 384);   // over the whole trace of V, its last pixel too
  painter.FillBar(137, 238, 378, 241);  // over the middle of the trace of H
}

void FullRedraw(Painter& painter, bool profile) {
  painter.SetFillStyle(kSolid, kBlue);
  painter.ClearSurface();
  painter.Select640x480();
  DrawPlanesView(painter);
  painter.Select320x200();
  RedrawFrame(painter, profile);
}

}  // namespace drawing
