#include "delgraph/delgraph.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "scene/Scene.h"
#include "scene/Utf8Text.h"

namespace delgraph {

namespace {

// The classic 16-colour order at intensities 84, 168 and 252; colour 6 is orange.
constexpr ColorValue DefaultColors[16] = {
    MakeColorValue(0, 0, 0),        // 0 black
    MakeColorValue(0, 0, 168),      // 1 blue
    MakeColorValue(0, 168, 0),      // 2 green
    MakeColorValue(0, 168, 168),    // 3 cyan
    MakeColorValue(168, 0, 0),      // 4 red
    MakeColorValue(168, 0, 168),    // 5 magenta
    MakeColorValue(252, 84, 0),     // 6 orange
    MakeColorValue(168, 168, 168),  // 7 light grey
    MakeColorValue(84, 84, 84),     // 8 dark grey
    MakeColorValue(84, 84, 252),    // 9 light blue
    MakeColorValue(84, 252, 84),    // 10 light green
    MakeColorValue(84, 252, 252),   // 11 light cyan
    MakeColorValue(252, 84, 84),    // 12 light red
    MakeColorValue(252, 84, 252),   // 13 light magenta
    MakeColorValue(252, 252, 84),   // 14 yellow
    MakeColorValue(252, 252, 252),  // 15 white
};

// Fill pattern number -> brush style; every number above 9 is solid (10 and 11 are
// the dot patterns, which FillBar draws pixel by pixel).
constexpr int PatternBrush[10] = {
    bsClear,       // 0: turned solid at once by the colour that follows
    bsSolid,       // 1
    bsHorizontal,  // 2
    bsBDiagonal,   // 3
    bsBDiagonal,   // 4
    bsFDiagonal,   // 5
    bsFDiagonal,   // 6
    bsCross,       // 7
    bsDiagCross,   // 8
    bsVertical,    // 9
};

constexpr const char* FontNames[5] = {"Default", "Arial", "MS Serif", "MS Sans Serif",
                                      "MS LineDraw"};

constexpr std::uint16_t WideDots = 10;
constexpr std::uint16_t CloseDots = 11;
constexpr std::size_t MaxTextLength = 255;

constexpr PaletteRecord MakeDefaultPalette() {
  PaletteRecord record{};
  record.count = 16;
  for (int i = 0; i < 16; ++i) record.colors[i] = DefaultColors[i];
  return record;
}

}  // namespace

PaletteRecord Palette::DefaultPaletteRecord() {
  return MakeDefaultPalette();
}

ColorValue Palette::Color(std::int32_t number) const {
  const int index = number & 0xFF;
  return index < 16 ? active.colors[index] : 0;
}

void Palette::SetEntry(std::uint16_t index, std::int32_t red, std::int32_t green,
                       std::int32_t blue) {
  if (index > 15) return;  // no such entry
  active.colors[index] = MakeColorValue(red, green, blue);
  rgb[index] = RGBEntry{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                        static_cast<std::uint8_t>(blue)};
}

void DefaultPalette(PaletteRecord& record) {
  record = MakeDefaultPalette();
}

std::int32_t GetMaxColor() {
  return INT32_MAX;
}

// Dots at every multiple of `step` in the bar, outer loop over x. The corners are
// taken as 16-bit numbers, so a negative left or top edge leaves nothing to draw.
void Graphics::DotFill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       int step) {
  const int ux1 = static_cast<std::uint16_t>(x1), ux2 = static_cast<std::uint16_t>(x2);
  const int uy1 = static_cast<std::uint16_t>(y1), uy2 = static_cast<std::uint16_t>(y2);
  if (ux1 > ux2 || uy1 > uy2) return;
  const int firstX = (ux1 + step - 1) / step * step;
  const int firstY = (uy1 + step - 1) / step * step;
  for (int x = firstX; x <= ux2; x += step)
    for (int y = firstY; y <= uy2; y += step) PutPixel(x, y, FillColor);
}

void Graphics::SetDrawColor(std::int32_t number) {
  if (SurfaceCanvas) SurfaceCanvas->SetPenColor(PaletteColor(number));
}

void Graphics::SetBackColor(std::int32_t number) {
  if (SurfaceCanvas) SurfaceCanvas->SetBrushColor(PaletteColor(number));
}

void Graphics::SetFillStyle(std::uint16_t pattern, std::int32_t color) {
  if (SurfaceCanvas) {
    SurfaceCanvas->SetBrushStyle(pattern < 10 ? PatternBrush[pattern] : bsSolid);
    // The number itself, not its palette colour: fills map it again before use.
    SurfaceCanvas->SetBrushColor(static_cast<ColorValue>(color));
  }
  FillPattern = pattern;
  FillColor = color;
}

void Graphics::SetLineStyle(std::uint16_t style, std::uint16_t mode, std::uint16_t width) {
  if (!SurfaceCanvas) return;
  SurfaceCanvas->SetPenStyle(style);
  SurfaceCanvas->SetPenMode(mode == 0 ? pmCopy : mode);
  SurfaceCanvas->SetPenWidth(width);
}

void Graphics::SetBrushStyle(std::int32_t style) {
  if (SurfaceCanvas) SurfaceCanvas->SetBrushStyle(style);
}

void Graphics::SetTextStyle(std::uint16_t font, std::uint16_t /*spare*/, std::uint16_t size) {
  if (!SurfaceCanvas) return;
  SurfaceCanvas->SetFontCharset(FontCharset);
  // Font 5 is an empty slot and numbers above it have none: the face stays.
  if (font < 6 && !FontTable[font].empty()) SurfaceCanvas->SetFontName(FontTable[font]);
  SurfaceCanvas->SetFontSize(size == 0 ? 8 : size);
}

void Graphics::AttachSurface(Canvas* canvas, std::uint16_t /*width*/, std::uint16_t /*height*/) {
  for (int i = 0; i < 5; ++i) FontTable[i] = FontNames[i];
  SurfaceCanvas = canvas;
  SetFillStyle(1, 0);
  SetTextStyle(1, 0, 8);
  if (SurfaceCanvas) SurfaceCanvas->Refresh();
  ClearSurface();
}

void Graphics::MoveToPoint(std::int32_t x, std::int32_t y) {
  if (SurfaceCanvas) SurfaceCanvas->MoveTo(x, y);
}

void Graphics::LineToPoint(std::int32_t x, std::int32_t y) {
  if (SurfaceCanvas) SurfaceCanvas->LineTo(x, y);
}

void Graphics::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  MoveToPoint(x1, y1);
  LineToPoint(x2, y2);
}

void Graphics::DrawCircle(std::int32_t x, std::int32_t y, std::uint16_t r) {
  if (!SurfaceCanvas) return;
  // The clear brush stays after the call: later text gets no box until a colour is set.
  SurfaceCanvas->SetBrushStyle(bsClear);
  SurfaceCanvas->Ellipse(
      scene::Saturate32(std::int64_t{x} - r), scene::Saturate32(std::int64_t{y} - r),
      scene::Saturate32(std::int64_t{x} + r), scene::Saturate32(std::int64_t{y} + r));
}

void Graphics::FillBar(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  if (!SurfaceCanvas) return;
  if (FillPattern == WideDots) return DotFill(x1, y1, x2, y2, 5);
  if (FillPattern == CloseDots) return DotFill(x1, y1, x2, y2, 2);
  SurfaceCanvas->SetBrushColor(PaletteColor(FillColor));
  // The canvas leaves out the right and bottom edges; the bar includes them.
  SurfaceCanvas->FillRect(x1, y1, scene::Saturate32(std::int64_t{x2} + 1),
                          scene::Saturate32(std::int64_t{y2} + 1));
}

void Graphics::ClipToBar(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  if (!SurfaceCanvas) return;
  SurfaceCanvas->SetClipRect(std::min(x1, x2), std::min(y1, y2),
                             scene::Saturate32(std::int64_t{std::max(x1, x2)} + 1),
                             scene::Saturate32(std::int64_t{std::max(y1, y2)} + 1));
}

void Graphics::NoClip() {
  if (SurfaceCanvas) SurfaceCanvas->SetClipRect(0, 0, 0, 0);
}

void Graphics::ClearSurface() {
  FillBar(0, 0, SurfaceMaxX, SurfaceMaxY);
}

void Graphics::FillPolygon(std::uint16_t n, PointList points) {
  if (!SurfaceCanvas) return;
  const int count = std::min<int>(n, 30);  // the list holds 30 points
  MoveToPoint(points.xy[0], points.xy[1]);
  for (int k = 1; k < count; ++k) LineToPoint(points.xy[2 * k], points.xy[2 * k + 1]);
  SurfaceCanvas->SetBrushColor(PaletteColor(FillColor));
  if (count < 4 || count > 10) return;  // only the open outline stands
  std::vector<CanvasPoint> corners(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) corners[k] = CanvasPoint{points.xy[2 * k], points.xy[2 * k + 1]};
  SurfaceCanvas->Polygon(corners);
}

void Graphics::PutPixel(std::int32_t x, std::int32_t y, std::int32_t color) {
  if (!SurfaceCanvas) return;
  const ColorValue value = PaletteColor(color);
  SurfaceCanvas->SetPixel(x, y, value);
}

void Graphics::DrawText(std::int32_t x, std::int32_t y, const std::string& text) {
  if (!SurfaceCanvas) return;
  SurfaceCanvas->SetFontColor(SurfaceCanvas->PenColor());
  SurfaceCanvas->TextOut(x, y, scene::CutText(text, MaxTextLength));
}

void Graphics::DrawLabel(std::int32_t anchorX, std::int32_t anchorY, std::int32_t x, std::int32_t y,
                         const std::string& text) {
  if (!SurfaceCanvas) return;
  SurfaceCanvas->SetFontColor(SurfaceCanvas->PenColor());
  SurfaceCanvas->LabelOut(anchorX, anchorY, x, y, scene::CutText(text, MaxTextLength));
}

std::int32_t Graphics::TextWidth(const std::string& text) const {
  return SurfaceCanvas ? SurfaceCanvas->TextWidth(scene::CutText(text, MaxTextLength)) : 0;
}

ColorValue Graphics::GetPenColor() const {
  return SurfaceCanvas ? SurfaceCanvas->PenColor() : 0;
}

void Graphics::SetPenColorValue(ColorValue color) {
  if (SurfaceCanvas != nullptr) SurfaceCanvas->SetPenColor(color);
}

std::int32_t GetMaxX() {
  return SurfaceMaxX;
}

std::int32_t GetMaxY() {
  return SurfaceMaxY;
}

}  // namespace delgraph
