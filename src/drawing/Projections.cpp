#include "drawing/Projections.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "delgraph/delgraph.h"
#include "drawing/LogicalWindow.h"
#include "drawing/PlaneDrawing.h"
#include "drawing/SeenAndHidden.h"
#include "drawing/TraceDrawing.h"
#include "scene/PlaneScene.h"
#include "scene/Scene.h"

namespace drawing {

namespace {

constexpr std::int32_t kReferenceColour = 12;   // light red
constexpr std::int32_t kPointLabelColour = 13;  // light magenta
constexpr std::int32_t kLineLabelColour = 3;    // cyan
constexpr std::uint16_t kRingRadius = 3;

// Pixel offsets are computed wide and saturated: coordinates near the 32-bit
// limits must not overflow.
std::int32_t Offset(std::int32_t base, std::int64_t delta) {
  return scene::Saturate32(static_cast<std::int64_t>(base) + delta);
}

// Round half to even of a product that may exceed 64 bits, saturated to 32.
std::int64_t RoundedPixels(double v) {
  const double r = std::nearbyint(v);
  constexpr double kLimit = 4294967296.0;  // beyond any 32-bit sum of two pixels
  if (std::isnan(r)) return 0;
  if (r > kLimit) return static_cast<std::int64_t>(kLimit);
  if (r < -kLimit) return -static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(r);
}

}  // namespace

void ComputeSceneOrigins() {
  SpaceOrigin = {ScaleX(80), ScaleY(100)};
  FlatOrigin = {ScaleX(240), ScaleY(80)};
  const double rise = ScaleY(100);
  const double run = ScaleX(100);
  // The direction of the ground line in the space view; 0.2 is taken off both steps.
  const double theta = run != 0.0 ? std::atan(rise / run) : std::atan2(rise, run);
  AbscissaStepX = std::cos(theta) - 0.2;
  AbscissaStepY = std::sin(theta) - 0.2;
}

EndPointPositions EndPointPositionsOf(const DihedralPoint& p) {
  return PositionsAt(p.abscissa, p.alejamiento, p.cota);
}

// Whole coordinates are exact doubles that round to themselves, so end points land
// where they always have; fractional ones round half to even like the steps.
EndPointPositions PositionsAt(double abscissa, double alejamiento, double cota) {
  SurfacePoint O = SpaceOrigin;
  // The profile view looks along the ground line: the abscissa moves nothing there.
  if (!scene::ProfileOn) {
    O.x = Offset(O.x, RoundedPixels(abscissa * AbscissaStepX));
    O.y = Offset(O.y, -RoundedPixels(abscissa * AbscissaStepY));
  }
  const std::int64_t across = RoundedPixels(alejamiento);
  const std::int64_t up = RoundedPixels(cota);
  EndPointPositions r;
  r.S = {Offset(O.x, across), Offset(O.y, -up)};
  r.Vp = {O.x, r.S.y};
  r.Hp = {r.S.x, O.y};
  r.G = {Offset(FlatOrigin.x, RoundedPixels(abscissa)), FlatOrigin.y};
  r.h = {r.G.x, Offset(r.G.y, across)};
  r.v = {r.G.x, Offset(r.G.y, -up)};
  return r;
}

EndPointPositions DrawEndPoint(const DihedralPoint& p) {
  const EndPointPositions r = EndPointPositionsOf(p);
  DrawReferenceSegment(r.S.x, r.S.y, r.Vp.x, r.Vp.y, kReferenceColour);
  DrawReferenceSegment(r.S.x, r.S.y, r.Hp.x, r.Hp.y, kReferenceColour);
  DrawReferenceSegment(r.G.x, r.G.y, r.h.x, r.h.y, kReferenceColour);
  DrawReferenceSegment(r.G.x, r.G.y, r.v.x, r.v.y, kReferenceColour);
  return r;
}

void DrawReferenceSegment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t colour) {
  delgraph::SetDrawColor(colour);
  delgraph::SetLineStyle(delgraph::psDashDotDot, 0, 1);
  delgraph::DrawLine(x1, y1, x2, y2);
  delgraph::SetLineStyle(delgraph::psSolid, 0, 3);
  // The rings leave the brush clear, so the labels after them get no box.
  delgraph::DrawCircle(x1, y1, kRingRadius);
  delgraph::DrawCircle(x2, y2, kRingRadius);
  delgraph::SetLineStyle(delgraph::psSolid, 0, 1);
}

void DrawPointLabels(const std::string& letter, SurfacePoint S, SurfacePoint h, SurfacePoint v) {
  const bool isB = letter == "b";
  std::string capital = letter;
  for (char& c : capital) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  delgraph::DrawLabel(S.x, S.y, Offset(S.x, -10), S.y, capital);
  delgraph::SetTextStyle(0, 0, 1);
  // B's small labels sit left of and above the place A's would take.
  delgraph::DrawLabel(h.x, h.y, isB ? Offset(h.x, -10) : h.x, h.y, letter);
  delgraph::DrawLabel(v.x, v.y, v.x, isB ? Offset(v.y, -20) : v.y, letter + "'");
  RestoreTextStyle();
}

void DrawSceneLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int32_t colour) {
  const delgraph::ColorValue kept = delgraph::GetPenColor();
  delgraph::SetDrawColor(colour);
  // Colour 1 asks for black: the largest colour number maps outside the palette.
  if (colour == 1) delgraph::SetDrawColor(delgraph::GetMaxColor());
  delgraph::DrawLine(x1, y1, x2, y2);
  delgraph::SetPenColorValue(kept);
  if (scene::Quorvel != nullptr) scene::Quorvel->SetLabelCaption(6, std::to_string(colour));
}

void DrawScene(bool pointMode, std::int32_t aAbscissa, std::int32_t aAlejamiento,
               std::int32_t aCota, std::int32_t bAbscissa, std::int32_t bAlejamiento,
               std::int32_t bCota, std::int32_t lineColour) {
  ComputeSceneOrigins();
  const DihedralPoint A{aAbscissa, aAlejamiento, aCota};
  if (scene::PlaneMode && !pointMode) {
    DrawPlane(A, {bAbscissa, bAlejamiento, bCota}, scene::PointC);
    return;
  }
  if (pointMode) {
    const EndPointPositions a = DrawEndPoint(A);
    delgraph::SetDrawColor(kPointLabelColour);
    DrawPointLabels("a", a.S, a.h, a.v);
    return;
  }
  const DihedralPoint B{bAbscissa, bAlejamiento, bCota};
  const EndPointPositions a = DrawEndPoint(A);
  delgraph::SetDrawColor(kLineLabelColour);
  DrawPointLabels("a", a.S, a.h, a.v);
  const EndPointPositions b = DrawEndPoint(B);
  delgraph::SetDrawColor(kLineLabelColour);
  DrawPointLabels("b", b.S, b.h, b.v);

  delgraph::SetLineStyle(delgraph::psSolid, 0, 3);
  if (VisibilityOn && !scene::AnswerHidden) {
    DrawSeenAndHiddenLine(A, B, lineColour);
  } else {
    DrawSceneLine(a.S.x, a.S.y, b.S.x, b.S.y, lineColour);  // in space
    DrawSceneLine(a.h.x, a.h.y, b.h.x, b.h.y, lineColour);  // horizontal projection
    DrawSceneLine(a.v.x, a.v.y, b.v.x, b.v.y, lineColour);  // vertical projection
    if (!scene::ProfileOn) {
      DrawSceneLine(a.Hp.x, a.Hp.y, b.Hp.x, b.Hp.y, kReferenceColour);  // onto H
      DrawSceneLine(a.Vp.x, a.Vp.y, b.Vp.x, b.Vp.y, kReferenceColour);  // onto V
    }
  }
  delgraph::SetLineStyle(delgraph::psSolid, 0, 1);
  // Only on request: with the traces off the picture stays exactly as it was.
  if (TracesOn && !scene::AnswerHidden) DrawLineTraces(A, B, lineColour);
}

void RestoreTextStyle() {
  delgraph::SetTextStyle(SavedTextStyle.font, SavedTextStyle.spare, SavedTextStyle.size);
}

void ResetProjections() {
  SpaceOrigin = SurfacePoint{};
  FlatOrigin = SurfacePoint{};
  AbscissaStepX = 0.0;
  AbscissaStepY = 0.0;
  SavedTextStyle = delgraph::TextStyleRecord{};
  ResetTraces();
  ResetVisibility();
}

}  // namespace drawing
