// The abstract drawing surface under the 16-colour graphics layer: exactly the pen,
// brush, font and drawing operations the layer uses. QtCanvas draws into a QImage;
// tests record the calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace delgraph {

// Red in bits 0-7, green 8-15, blue 16-23.
using ColorValue = std::uint32_t;

constexpr ColorValue MakeColorValue(int red, int green, int blue) {
  return static_cast<ColorValue>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// Pen styles, in the canvas's own order.
enum PenStyle : int {
  psSolid = 0,
  psDash = 1,
  psDot = 2,
  psDashDot = 3,
  psDashDotDot = 4,
  psClear = 5,
  psInsideFrame = 6,
  // Not the original canvas's: a dash long enough to read as one where the line is
  // one pixel wide (psDash's short dashes and gaps blur into a grey dotted line).
  psLongDash = 7
};

// Brush styles, in the canvas's own order.
enum BrushStyle : int {
  bsSolid = 0,
  bsClear = 1,
  bsHorizontal = 2,
  bsVertical = 3,
  bsFDiagonal = 4,
  bsBDiagonal = 5,
  bsCross = 6,
  bsDiagCross = 7
};

constexpr int pmCopy = 4;

struct CanvasPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual ColorValue PenColor() const = 0;
  virtual void SetPenColor(ColorValue color) = 0;
  virtual void SetPenStyle(int style) = 0;
  virtual void SetPenMode(int mode) = 0;
  virtual void SetPenWidth(int width) = 0;

  // Giving the brush a colour while its style is bsClear makes it bsSolid.
  virtual void SetBrushColor(ColorValue color) = 0;
  virtual void SetBrushStyle(int style) = 0;
  virtual ColorValue BrushColor() const = 0;
  virtual int BrushStyle() const = 0;

  virtual void SetFontCharset(int charset) = 0;
  virtual void SetFontName(const std::string& name) = 0;  // UTF-8
  virtual void SetFontSize(int points) = 0;
  virtual void SetFontColor(ColorValue color) = 0;

  virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
  virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
  // Outlined with the pen, filled with the brush (nothing when it is clear).
  virtual void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
  // Closed polygon, outlined with the pen, filled with the brush.
  virtual void Polygon(const std::vector<CanvasPoint>& points) = 0;
  // Fills left..right-1 by top..bottom-1 with the brush.
  virtual void FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom) = 0;
  virtual void SetPixel(std::int32_t x, std::int32_t y, ColorValue color) = 0;
  // Top-left corner at (x, y), in the font colour; on a solid brush the text gets a
  // box in the brush colour, otherwise the background shows through.
  virtual void TextOut(std::int32_t x, std::int32_t y, const std::string& text) = 0;
  // The same text naming the point at (anchorX, anchorY): a canvas that keeps labels
  // apart may place it elsewhere around that point. Any other canvas writes it
  // where asked.
  virtual void LabelOut(std::int32_t anchorX, std::int32_t anchorY, std::int32_t x, std::int32_t y,
                        const std::string& text) {
    static_cast<void>(anchorX);
    static_cast<void>(anchorY);
    TextOut(x, y, text);
  }
  // How wide TextOut would draw the text now; 0 where the canvas cannot tell.
  virtual std::int32_t TextWidth(const std::string& text) {
    (void)text;
    return 0;
  }
  // Drop the selected drawing objects so they are selected afresh.
  virtual void Refresh() = 0;
  // From now on drawing shows only inside left..right-1 by top..bottom-1, within
  // whatever the device itself cuts to; an empty rectangle lifts the cut. Not the
  // original canvas's: it keeps each view of the picture inside its own panel.
  virtual void SetClipRect(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom) = 0;
};

}  // namespace delgraph
