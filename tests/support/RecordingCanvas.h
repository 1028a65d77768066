// A Canvas that logs every call as one line of text and keeps the pen, brush and
// font state the way the real canvas does (a clear brush given a colour turns
// solid), so drawing code is checked without pixels.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "delgraph/Canvas.h"

class RecordingCanvas : public delgraph::Canvas {
 public:
  std::vector<std::string> log;

  delgraph::ColorValue penColor = 0;
  int penStyle = delgraph::psSolid;
  int penMode = delgraph::pmCopy;
  int penWidth = 1;
  delgraph::ColorValue brushColor = 0xFFFFFF;
  int brushStyle = delgraph::bsSolid;
  int fontCharset = 1;
  std::string fontName = "Default";
  int fontSize = 8;
  delgraph::ColorValue fontColor = 0;

  delgraph::ColorValue PenColor() const override { return penColor; }
  void SetPenColor(delgraph::ColorValue color) override;
  void SetPenStyle(int style) override;
  void SetPenMode(int mode) override;
  void SetPenWidth(int width) override;
  void SetBrushColor(delgraph::ColorValue color) override;
  void SetBrushStyle(int style) override;
  delgraph::ColorValue BrushColor() const override { return brushColor; }
  int BrushStyle() const override { return brushStyle; }
  void SetFontCharset(int charset) override;
  void SetFontName(const std::string& name) override;
  void SetFontSize(int points) override;
  void SetFontColor(delgraph::ColorValue color) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Polygon(const std::vector<delgraph::CanvasPoint>& points) override;
  void FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom) override;
  void SetPixel(std::int32_t x, std::int32_t y, delgraph::ColorValue color) override;
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;
  void Refresh() override;
  void SetClipRect(std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom) override;

  // Lines of the log that start with the given prefix ("LineTo", "TextOut", ...).
  std::vector<std::string> Calls(const std::string& prefix) const;
  // Lines that start with any of the prefixes, in log order.
  std::vector<std::string> Calls(std::initializer_list<std::string> prefixes) const;
  void Clear() { log.clear(); }
};

// Colour as "#RRGGBB" for readable log lines.
std::string Hex(delgraph::ColorValue color);
