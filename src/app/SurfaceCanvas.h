// The paint box's canvas: it draws on a QtCanvas of its own and keeps the calls
// drawn since the whole surface was last covered, so the same picture can be
// drawn again at another scale (a larger window, another device pixel ratio)
// instead of being enlarged. It also keeps the picture of the calls that every
// redraw repeats (the frame): a redraw that repeats them exactly, in the same
// fonts, gets that picture back instead of drawing it again, which leaves every
// pixel as drawing it would. The QtCanvas is held, not inherited, so nothing can
// read its picture while calls still wait under the kept one.
#pragma once

#include <QFont>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "delgraph/QtCanvas.h"

class TSurfaceCanvas : public delgraph::Canvas {
 public:
  TSurfaceCanvas() = default;

  // The picture so far: the calls of a repeated frame that still wait to be put
  // in place are drawn first.
  const QImage& Image();
  // Grows with every drawing call, drawn or waiting under the kept picture.
  std::uint64_t Generation() const { return canvas_.Generation() + followed_; }
  // Called after every drawing call (the paint box schedules its repaint here).
  void SetChangedCallback(std::function<void()> callback);
  // Device pixels per surface pixel: draws the kept calls again on a fresh image
  // at that scale. Pen, brush and font end as they were.
  void Redraw(double scale);
  double Scale() const { return canvas_.Scale(); }
  int SurfaceWidth() const { return canvas_.SurfaceWidth(); }
  int SurfaceHeight() const { return canvas_.SurfaceHeight(); }
  // Calls kept for the next Redraw, and of them those the kept picture covers;
  // for tests.
  std::size_t KeptCalls() const { return now_.calls.size(); }
  std::size_t CachedCalls() const { return cachedLength_; }

  delgraph::ColorValue PenColor() const override { return canvas_.PenColor(); }
  delgraph::ColorValue BrushColor() const override { return canvas_.BrushColor(); }
  int BrushStyle() const override { return canvas_.BrushStyle(); }
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
  // Measures in the settings already in force; draws nothing, so nothing is kept.
  std::int32_t TextWidth(const std::string& text) override { return canvas_.TextWidth(text); }
  void Refresh() override;
  void SetClipRect(std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom) override;

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
    ClipRect,
  };
  struct Call {
    Op op;
    std::int32_t v[4];  // coordinates, or the one value of a setting
    std::size_t extra;  // index into the sequence's texts or polygons
    std::size_t font;   // of a text: index into the sequence's fonts
  };
  // The calls since one covering of the whole surface.
  struct Sequence {
    std::vector<Call> calls;
    std::vector<std::string> texts;
    std::vector<std::vector<delgraph::CanvasPoint>> polygons;
    // The fonts the texts were drawn in, as the canvas resolved them: a face
    // named "Default" is the application's font of the moment.
    std::vector<QFont> fonts;
    void Clear();
  };

  // Every call comes through here: kept, compared with the previous sequence,
  // and drawn, or only followed while the kept picture covers it.
  void Arrive(Call call, const std::string* text = nullptr,
              const std::vector<delgraph::CanvasPoint>* polygon = nullptr);
  static Call Make(Op op, std::int32_t a = 0, std::int32_t b = 0, std::int32_t c = 0,
                   std::int32_t d = 0);
  // Also follows whether the pen may still stand where the sequence started it.
  bool SameAsPrevious(const Call& call, std::size_t at);
  // Starts a new sequence with the settings in force now, so that drawing it
  // again starts from them.
  void StartAfresh();
  // Draws the first `count` calls, which wait under the kept picture, so the
  // image shows them.
  void CatchUp(std::size_t count);
  // Draws the call, or with draw false only takes its settings and pen position.
  void Play(const Call& call, bool draw);

  delgraph::QtCanvas canvas_;
  Sequence now_;
  Sequence previous_;
  // Comparing the current sequence with the previous one, and where.
  bool comparing_ = false;
  // The pen's starting place is where the previous picture left it, which moves
  // with the scene; it only matters to a line drawn before the pen is moved, so
  // two sequences that differ there alone still agree up to such a line.
  std::size_t startMove_ = 0;  // index of the MoveTo that records it
  bool startMoved_ = false;    // it differs from the previous sequence's, still in use
  // The picture of the first cachedLength_ calls of the previous sequence, and
  // whether the current sequence's calls are still waiting under it.
  QImage cached_;
  std::size_t cachedLength_ = 0;
  double cachedScale_ = 0.0;
  bool waiting_ = false;
  std::uint64_t followed_ = 0;  // drawing calls followed, not drawn
  std::function<void()> changed_;
  // Settings the base canvas does not report back.
  std::string fontName_;  // empty: never named
  int fontSize_ = 0;      // 0: never sized
  std::int32_t penX_ = 0, penY_ = 0;
  std::int32_t clipRect_[4] = {};  // the last SetClipRect's; all 0: none
};
