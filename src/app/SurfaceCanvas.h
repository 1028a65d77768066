// The paint box's canvas: a QtCanvas that keeps the calls drawn since the whole
// surface was last covered, so the same picture can be drawn again at another
// scale (a larger window, another device pixel ratio) instead of being enlarged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "delgraph/QtCanvas.h"

class TSurfaceCanvas : public delgraph::QtCanvas {
 public:
  TSurfaceCanvas() = default;

  // Device pixels per surface pixel: draws the kept calls again on a fresh image
  // at that scale. Pen, brush and font end as they were.
  void Redraw(double scale);
  // Calls kept for the next Redraw; for tests.
  std::size_t KeptCalls() const { return calls_.size(); }

  void SetPenColor(delgraph::ColorValue color) override;
  void SetPenStyle(int style) override;
  void SetPenMode(int mode) override;
  void SetPenWidth(int width) override;
  void SetBrushColor(delgraph::ColorValue color) override;
  void SetBrushStyle(int style) override;
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

 private:
  enum class Op : std::uint8_t {
    PenColor,
    PenStyle,
    PenMode,
    PenWidth,
    BrushColor,
    BrushStyle,
    FontCharset,
    FontName,
    FontSize,
    FontColor,
    MoveTo,
    LineTo,
    Ellipse,
    Polygon,
    FillRect,
    SetPixel,
    TextOut,
    Refresh,
  };
  struct Call {
    Op op;
    std::int32_t v[4];  // coordinates, or the one value of a setting
    std::size_t extra;  // index into texts_ or polygons_
  };

  void Keep(Op op, std::int32_t a = 0, std::int32_t b = 0, std::int32_t c = 0, std::int32_t d = 0,
            std::size_t extra = 0);
  // Drops every kept call and keeps instead the settings in force now, so that a
  // redraw starts from them.
  void StartAfresh();
  void Play(const Call& call);

  std::vector<Call> calls_;
  std::vector<std::string> texts_;
  std::vector<std::vector<delgraph::CanvasPoint>> polygons_;
  // Settings the base canvas does not report back.
  std::string fontName_;  // empty: never named
  int fontSize_ = 0;      // 0: never sized
  std::int32_t penX_ = 0, penY_ = 0;
  bool replaying_ = false;
};
