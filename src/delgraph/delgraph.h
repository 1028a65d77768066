// The 16-colour graphics layer: colour numbers through a palette, fill patterns,
// line and text styles, and the drawing primitives, all on one attached Canvas,
// kept by one Graphics value per picture.
// Also the palette file "pruebas.pal".
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "delgraph/Canvas.h"

class QString;

namespace delgraph {

struct PaletteRecord {
  std::uint8_t count = 0;
  ColorValue colors[16] = {};
};

struct RGBEntry {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

struct TextStyleRecord {
  std::uint16_t font = 0;
  std::uint16_t spare = 0;
  std::uint16_t size = 0;
  std::uint16_t option1 = 0;
  std::uint16_t option2 = 0;
};

// 30 points; point k at positions 2k (x) and 2k + 1 (y).
struct PointList {
  std::int32_t xy[60] = {};
};

// Error of the palette file; what() is one of "File not found",
// "Read beyond end of file", "File access denied".
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Fixed surface settings.
constexpr std::uint16_t SurfaceMaxX = 1024;
constexpr std::uint16_t SurfaceMaxY = 480;
constexpr std::uint8_t FontCharset = 1;

// The colours a picture draws with: colour numbers through `active`, and the
// red, green and blue set for each entry, which is what the palette file saves.
struct Palette {
  PaletteRecord active = DefaultPaletteRecord();
  RGBEntry rgb[16] = {};

  static PaletteRecord DefaultPaletteRecord();
  ColorValue Color(std::int32_t number) const;
  // Sets both records; an index above 15 is ignored.
  void SetEntry(std::uint16_t index, std::int32_t red, std::int32_t green, std::int32_t blue);
};

void DefaultPalette(PaletteRecord& record);
std::int32_t GetMaxColor();
std::int32_t GetMaxX();
std::int32_t GetMaxY();

// The graphics of one picture: its palette, fill and font table, drawn on one
// attached canvas (not owned; none at first, when every call draws nothing).
class Graphics {
 public:
  Palette palette;
  Canvas* SurfaceCanvas = nullptr;
  std::string FontTable[6];
  std::uint16_t FillPattern = 0;
  std::int32_t FillColor = 0;

  ColorValue PaletteColor(std::int32_t number) const { return palette.Color(number); }

  // Pen, brush, fill, text.
  void SetDrawColor(std::int32_t number);
  void SetBackColor(std::int32_t number);
  void SetFillStyle(std::uint16_t pattern, std::int32_t color);
  void SetLineStyle(std::uint16_t style, std::uint16_t mode, std::uint16_t width);
  void SetBrushStyle(std::int32_t style);
  void SetTextStyle(std::uint16_t font, std::uint16_t spare, std::uint16_t size);

  // Surface.
  void AttachSurface(Canvas* canvas, std::uint16_t width, std::uint16_t height);

  // Drawing shows only inside the bar x1..x2 by y1..y2 (edges included) until
  // NoClip(): a view's drawing stays in its panel.
  void ClipToBar(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void NoClip();

  // Primitives, in surface pixels.
  void MoveToPoint(std::int32_t x, std::int32_t y);
  void LineToPoint(std::int32_t x, std::int32_t y);
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void DrawCircle(std::int32_t x, std::int32_t y, std::uint16_t r);
  void FillBar(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void ClearSurface();
  void FillPolygon(std::uint16_t n, PointList points);
  void PutPixel(std::int32_t x, std::int32_t y, std::int32_t color);
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text);  // UTF-8
  // DrawText of a label that names the point (anchorX, anchorY).
  void DrawLabel(std::int32_t anchorX, std::int32_t anchorY, std::int32_t x, std::int32_t y,
                 const std::string& text);
  // How wide DrawText would draw the text in the current style; 0 with no canvas or
  // one that cannot tell.
  std::int32_t TextWidth(const std::string& text) const;
  ColorValue GetPenColor() const;
  // Gives the pen back a colour value kept with GetPenColor (not a palette number).
  void SetPenColorValue(ColorValue color);

 private:
  void DotFill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int step);
};

// Palette file: only the last component of the name counts.
void LoadPaletteFile(Palette& palette, const std::string& name);
// The same from exactly the path given (a palette named on the command line).
void LoadPaletteFromPath(Palette& palette, const QString& path);
void SavePaletteFile(const Palette& palette, const std::string& name);

}  // namespace delgraph
