#include "support/RecordingCanvas.h"

#include <cstdio>

using delgraph::ColorValue;

std::string Hex(ColorValue c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}

void RecordingCanvas::SetPenColor(ColorValue color) {
  penColor = color;
  log.push_back("PenColor " + Hex(color));
}
void RecordingCanvas::SetPenStyle(int style) {
  penStyle = style;
  log.push_back("PenStyle " + std::to_string(style));
}
void RecordingCanvas::SetPenMode(int mode) {
  penMode = mode;
  log.push_back("PenMode " + std::to_string(mode));
}
void RecordingCanvas::SetPenWidth(int width) {
  penWidth = width;
  log.push_back("PenWidth " + std::to_string(width));
}
void RecordingCanvas::SetBrushColor(ColorValue color) {
  brushColor = color;
  if (brushStyle == delgraph::bsClear) brushStyle = delgraph::bsSolid;
  log.push_back("BrushColor " + Hex(color));
}
void RecordingCanvas::SetBrushStyle(int style) {
  brushStyle = style;
  log.push_back("BrushStyle " + std::to_string(style));
}
void RecordingCanvas::SetFontCharset(int charset) {
  fontCharset = charset;
  log.push_back("FontCharset " + std::to_string(charset));
}
void RecordingCanvas::SetFontName(const std::string& name) {
  fontName = name;
  log.push_back("FontName " + name);
}
void RecordingCanvas::SetFontSize(int points) {
  fontSize = points;
  log.push_back("FontSize " + std::to_string(points));
}
void RecordingCanvas::SetFontColor(ColorValue color) {
  fontColor = color;
  log.push_back("FontColor " + Hex(color));
}
void RecordingCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  log.push_back("MoveTo " + std::to_string(x) + " " + std::to_string(y));
}
void RecordingCanvas::LineTo(std::int32_t x, std::int32_t y) {
  log.push_back("LineTo " + std::to_string(x) + " " + std::to_string(y));
}
void RecordingCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  log.push_back("Ellipse " + std::to_string(x1) + " " + std::to_string(y1) + " " +
                std::to_string(x2) + " " + std::to_string(y2));
}
void RecordingCanvas::Polygon(const std::vector<delgraph::CanvasPoint>& points) {
  std::string line = "Polygon";
  for (const auto& p : points) line += " " + std::to_string(p.x) + " " + std::to_string(p.y);
  log.push_back(line);
}
void RecordingCanvas::FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom) {
  log.push_back("FillRect " + std::to_string(left) + " " + std::to_string(top) + " " +
                std::to_string(right) + " " + std::to_string(bottom));
}
void RecordingCanvas::SetPixel(std::int32_t x, std::int32_t y, ColorValue color) {
  log.push_back("SetPixel " + std::to_string(x) + " " + std::to_string(y) + " " + Hex(color));
}
void RecordingCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  log.push_back("TextOut " + std::to_string(x) + " " + std::to_string(y) + " " + text);
}
void RecordingCanvas::Refresh() {
  log.push_back("Refresh");
}
void RecordingCanvas::SetClipRect(std::int32_t left, std::int32_t top, std::int32_t right,
                                  std::int32_t bottom) {
  log.push_back("ClipRect " + std::to_string(left) + " " + std::to_string(top) + " " +
                std::to_string(right) + " " + std::to_string(bottom));
}

std::vector<std::string> RecordingCanvas::Calls(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& line : log)
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
  return out;
}

std::vector<std::string> RecordingCanvas::Calls(std::initializer_list<std::string> prefixes) const {
  std::vector<std::string> out;
  for (const auto& line : log)
    for (const auto& prefix : prefixes)
      if (line.compare(0, prefix.size(), prefix) == 0) {
        out.push_back(line);
        break;
      }
  return out;
}
