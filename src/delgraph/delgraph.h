// The 16-colour graphics layer: colour numbers through a palette, fill patterns,
// line and text styles, and the drawing primitives, all on one attached Canvas.
// Also the palette file "pruebas.pal".
#pragma once

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
constexpr std::uint8_t ColorMode = 0;
constexpr std::uint8_t FontCharset = 1;
constexpr bool KeepSurface = false;

extern PaletteRecord ActivePalette;
extern RGBEntry PaletteRGB[16];
extern Canvas* SurfaceCanvas;
extern std::string FontTable[6];
extern std::uint16_t FillPattern;
extern std::int32_t FillColor;

// Program-start state: default palette, PaletteRGB zero, fill 0/0, empty font
// table, no canvas. For tests.
void ResetDelgraph();

// Palette.
void DefaultPalette(PaletteRecord& record);
ColorValue PaletteColor(std::int32_t number);
void SetPaletteEntry(std::uint16_t index, std::int32_t red, std::int32_t green, std::int32_t blue);
std::int32_t GetMaxColor();

// Pen, brush, fill, text.
void SetDrawColor(std::int32_t number);
void SetBackColor(std::int32_t number);
void SetFillStyle(std::uint16_t pattern, std::int32_t color);
void SetLineStyle(std::uint16_t style, std::uint16_t mode, std::uint16_t width);
void SetBrushStyle(std::int32_t style);
void SetTextStyle(std::uint16_t font, std::uint16_t spare, std::uint16_t size);
void GetTextStyle(TextStyleRecord& record);
void SetTextOptions(std::uint16_t first, std::uint16_t second);

// Surface.
void AttachSurface(Canvas* canvas, std::uint16_t width, std::uint16_t height);

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
ColorValue GetPenColor();
// Gives the pen back a colour value kept with GetPenColor (not a palette number).
void SetPenColorValue(ColorValue color);
std::int32_t GetMaxX();
std::int32_t GetMaxY();
void SetSurfaceOption(std::int32_t value);

// Palette file: only the last component of the name counts.
void LoadPaletteFile(const std::string& name);
// The same from exactly the path given (a palette named on the command line).
void LoadPaletteFromPath(const QString& path);
void SavePaletteFile(const std::string& name);

}  // namespace delgraph
