#include "drawing/Painter.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace drawing {

namespace {

constexpr std::uint8_t kFirstSlot = 1;
constexpr std::uint8_t kLastSlot = 5;
// Every space in use lives in this slot.
constexpr std::uint8_t kSpaceSlot = 2;

bool IsSlot(std::uint8_t slot) {
  return slot >= kFirstSlot && slot <= kLastSlot;
}

// |round half to even(v)| as a pixel. Extreme products saturate instead of
// overflowing the 32-bit result; a NaN (a zero factor times an infinite
// coordinate) lands on pixel 0.
std::int32_t PixelOf(double v) {
  if (std::isnan(v)) return 0;
  const double magnitude = std::fabs(std::nearbyint(v));
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  if (magnitude >= kMax) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(magnitude);
}

}  // namespace

void Painter::SetLogicalWindow(std::uint8_t slot, double x1, double y1, double x2, double y2) {
  if (!IsSlot(slot)) return;
  LogicalWindowTable[slot] = LogicalWindow{x1, y1, x2, y2};
}

void Painter::SelectLogicalWindow(std::uint8_t slot) {
  if (!IsSlot(slot)) return;
  const LogicalWindow& w = LogicalWindowTable[slot];
  const double width = std::fabs(w.x2 - w.x1 + 1.0);
  const double height = std::fabs(w.y2 - w.y1 + 1.0);
  // A window one unit short of empty would give an infinite factor; such a
  // selection is refused like an unknown slot, so the mapping stays usable.
  if (width == 0.0 || height == 0.0) return;
  CurrentWindow = slot;
  WindowWidth = width;
  WindowHeight = height;
  ScaleFactorX = (static_cast<double>(SurfaceWidth) + 1.0) / WindowWidth;
  ScaleFactorY = (static_cast<double>(SurfaceHeight) + 1.0) / WindowHeight;
}

// Slot 0 (none selected) is all zero, so the mapping then uses x1 = y2 = 0.
std::int32_t Painter::ScaleX(double x) const {
  return PixelOf((x - LogicalWindowTable[CurrentWindow].x1) * ScaleFactorX);
}

std::int32_t Painter::ScaleY(double y) const {
  return PixelOf((LogicalWindowTable[CurrentWindow].y2 - y) * ScaleFactorY);
}

void Painter::DrawLogicalLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  DrawLine(ScaleX(x1), ScaleY(y1), ScaleX(x2), ScaleY(y2));
}

void Painter::ActivateMapping(std::int32_t surfaceWidth, std::int32_t surfaceHeight) {
  ScaleFactorX = 1.0;
  ScaleFactorY = 1.0;
  SurfaceWidth = surfaceWidth;
  SurfaceHeight = surfaceHeight;
}

void Painter::Select320x200() {
  SetLogicalWindow(kSpaceSlot, 0.0, 200.0, 320.0, 0.0);
  SelectLogicalWindow(kSpaceSlot);
}

void Painter::Select640x480() {
  SetLogicalWindow(kSpaceSlot, 0.0, 480.0, 640.0, 0.0);
  SelectLogicalWindow(kSpaceSlot);
}

void Painter::Select640x481() {
  SetLogicalWindow(kSpaceSlot, 0.0, 481.0, 640.0, 0.0);
  SelectLogicalWindow(kSpaceSlot);
}

}  // namespace drawing
