// The Canvas the program draws on: a QPainter (no antialiasing) on its own QImage
// (RGB32) or on any paint device through a scale transform, keeping the brush and
// text-box rules the graphics layer relies on.
#pragma once

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QStringList>
#include <QTransform>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "delgraph/Canvas.h"

namespace delgraph {

class QtCanvas : public Canvas {
 public:
  // The layer's surface spans 0..1024 by 0..480.
  static constexpr int DefaultWidth = 1025;
  static constexpr int DefaultHeight = 481;

  QtCanvas() : QtCanvas(DefaultWidth, DefaultHeight) {}
  // Its own width x height image, one pixel per surface pixel.
  QtCanvas(int width, int height);
  // Its own image of ceil(width * scale) x ceil(height * scale) pixels. Callers
  // still draw on a width x height surface; lines, rings, text and pixels are
  // drawn scale times larger, not enlarged afterwards.
  QtCanvas(int width, int height, double scale);
  // Draws on a device it does not own (an image, an SVG or PDF generator, a
  // printer), which must outlive it: the surface rectangle `source` is mapped onto
  // `target` (device coordinates) and drawing is clipped to it. The painter stays
  // open until Finish() or the destructor, since paged devices end their document
  // when it closes.
  QtCanvas(QPaintDevice* device, const QRectF& target, const QRectF& source);
  // Draws through a painter already open on its device (a page that holds more
  // than one picture), with `target` in that painter's coordinates. The painter's
  // state is saved before the first drawing and given back by Finish().
  QtCanvas(QPainter* painter, const QRectF& target, const QRectF& source);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // The picture so far. Ends the open painter, so a copy taken now stays as it is.
  // A canvas on a device it does not own has no image of its own: null.
  const QImage& Image() const;
  // Own image only: the picture becomes a copy of one taken earlier with Image()
  // at the same scale (a picture put back instead of drawn again). A picture of
  // another size stops the program: it is a fault of the caller.
  void SetPicture(const QImage& picture);
  // Own image only: from now on, keep account of the pixels drawing changes; the
  // caller keeps the picture as it is now (a copy taken with Image()).
  void ForgetChanges();
  // Own image only: the picture becomes that copy again, taking back only the
  // pixels changed since ForgetChanges (all of them after SetScale), which costs
  // far less than SetPicture when little was drawn. Then forgets them.
  void PutBackChanges(const QImage& picture);
  // Own image only: starts a blank (white) image at another scale. Pen, brush and
  // font stay as they are; the caller draws the picture again.
  void SetScale(double scale);
  // Off at start. On, a text that would overlap one this canvas drew before is
  // moved up or down, the least that clears them all, and moved inside the cut
  // part of the surface rather than cut at its top or bottom. Labels (LabelOut)
  // are held until Finish() and then placed, over every line, each beside its own
  // point: never nearer another point (a ring's centre or another label's point),
  // never touching another text, off the lines (the thick ones above all) where it
  // can. Labels of one
  // point become one: "a' ≡ c'". For paper, where labels of close projections must
  // stay apart and readable.
  void SetSeparateTexts(bool on) { separateTexts_ = on; }
  // Places the labels held, then ends painting on the device; later drawing on a
  // device canvas is dropped.
  void Finish();
  // Device pixels per surface pixel along x (1 on the default canvas).
  double Scale() const { return transform_.m11(); }
  // The surface the callers draw on, in surface pixels.
  int SurfaceWidth() const { return width_; }
  int SurfaceHeight() const { return height_; }
  // Grows by one with every drawing operation; the paint box compares it.
  std::uint64_t Generation() const { return generation_; }
  // Called after every drawing operation (a paint box schedules its repaint here).
  void SetChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }

  ColorValue PenColor() const override { return penColor_; }
  void SetPenColor(ColorValue color) override;
  void SetPenStyle(int style) override;
  void SetPenMode(int mode) override;
  void SetPenWidth(int width) override;

  void SetBrushColor(ColorValue color) override;
  void SetBrushStyle(int style) override;
  ColorValue BrushColor() const override { return brushColor_; }
  int BrushStyle() const override { return brushStyle_; }

  void SetFontCharset(int charset) override { fontCharset_ = charset; }
  void SetFontName(const std::string& name) override;
  void SetFontSize(int points) override;
  void SetFontColor(ColorValue color) override { fontColor_ = color; }
  int FontCharset() const { return fontCharset_; }
  const QFont& Font() const { return font_; }
  ColorValue FontColor() const { return fontColor_; }
  int PenStyle() const { return penStyle_; }
  int PenMode() const { return penMode_; }
  int PenWidth() const { return penWidth_; }

  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Polygon(const std::vector<CanvasPoint>& points) override;
  void FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom) override;
  void SetPixel(std::int32_t x, std::int32_t y, ColorValue color) override;
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;
  void LabelOut(std::int32_t anchorX, std::int32_t anchorY, std::int32_t x, std::int32_t y,
                const std::string& text) override;
  std::int32_t TextWidth(const std::string& text) override;
  void Refresh() override;
  void SetClipRect(std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom) override;

  // ColorValue (red in the low byte) to an opaque Qt colour and back.
  static QColor ToQColor(ColorValue color);
  static ColorValue FromQRgb(QRgb rgb);

 private:
  // Opens the painter on first use and brings pen and brush up to date; null when
  // the device takes no more drawing.
  QPainter* Painter();
  void EndPainting() const;
  void RequireSameImage(const QImage& picture) const;
  void Changed();
  void RebuildPen();
  void RebuildBrush();
  void ApplyFontSize();
  void MapSurface(const QRectF& target, const QRectF& source);
  void SetUpPainter(QPainter& p);
  int PenModeIndex() const;

  // Mutable so that Image() can end the painter: the raster engine writes straight
  // into the image, and ending it keeps copies of the image from changing later.
  mutable QImage image_;
  mutable QPainter painter_;
  QPaintDevice* device_ = nullptr;  // &image_, or a device the canvas does not own
  QPainter* external_ = nullptr;    // a painter of the caller's, instead of painter_
  bool externalSaved_ = false;
  bool ownsDevice_ = true;
  bool finished_ = false;
  // Pixels written straight into the image: the own image at one pixel per pixel.
  bool direct_ = true;
  int width_ = DefaultWidth;
  int height_ = DefaultHeight;
  QTransform transform_;
  QRectF clip_;  // empty: no clipping beyond the device
  QRectF cut_;   // SetClipRect's, in surface pixels; empty: none
  // The painter's clip: the device's, cut further by cut_.
  void ClipPainter(QPainter& p, bool combine) const;
  // Points asked for, and the factor that keeps them points at 96 DPI on a device
  // of another resolution.
  int fontPoints_ = 8;
  double fontScale_ = 1.0;
  // The top a text of this size at (x, y) gets with separateTexts_ on; records it.
  std::int32_t SeparatedTop(std::int32_t x, std::int32_t y, int width, int height);
  bool separateTexts_ = false;
  std::vector<QRectF> texts_;  // where the texts went, while separateTexts_ is on
  // While separateTexts_ is on: the labels held for Finish(), with the look they
  // were asked in; the centres of the rings; the lines, with half their width.
  struct HeldLabel {
    QPointF anchor;
    QPoint at;
    QStringList names;
    QFont font;
    ColorValue color = 0;
    int brushStyle = bsClear;
    ColorValue brushColor = 0;
  };
  std::vector<HeldLabel> labels_;
  std::vector<QPointF> ringCentres_;
  std::vector<std::pair<QLineF, double>> strokes_;
  void PlaceLabels();
  // Where a label of this size naming `anchor` goes, `asked` tried first.
  QRectF LabelBox(const QPointF& anchor, const QPointF& asked, double width, double height,
                  const std::vector<QPointF>& points) const;

  ColorValue penColor_ = 0;
  int penStyle_ = psSolid;
  int penMode_ = pmCopy;
  int penWidth_ = 1;
  ColorValue brushColor_ = 0xFFFFFF;
  int brushStyle_ = bsSolid;
  int fontCharset_ = 1;
  ColorValue fontColor_ = 0;
  QFont font_;
  QPen pen_;
  // The style, width and colour pen_ was made of; style -1: not made yet.
  int penMadeStyle_ = -1;
  int penMadeWidth_ = 0;
  ColorValue penMadeColor_ = 0;
  QBrush brush_;
  bool penDirty_ = true;
  bool brushDirty_ = true;
  QPointF penPos_;

  std::uint64_t generation_ = 0;
  std::function<void()> changed_;

  // The device pixels drawing may have changed since ForgetChanges, in square
  // tiles; everything while allChanged_. Only for the own image.
  static constexpr int kTile = 16;
  void MarkDevice(const QRectF& box);
  void MarkBox(double left, double top, double right, double bottom);
  // A rectangle in surface pixels grown by `pad` surface pixels, or the pixels a
  // line of the current pen covers.
  void MarkSurface(const QRectF& box, double pad);
  void MarkLine(const QLineF& line);
  bool tracking_ = false;
  bool allChanged_ = true;
  int tileColumns_ = 0;
  int tileRows_ = 0;
  std::vector<std::uint8_t> changedTiles_;

  // The metrics of the fonts used lately on this device, and of each the width of
  // the texts drawn lately: a text drawn again is not shaped again to measure it.
  // On the own image at one pixel per pixel its glyphs are then put down as one
  // picture: shaping and drawing glyph by glyph cost as much as all the lines of
  // an edit.
  struct TextMeasure {
    QString text;
    int width = 0;
    int uses = 0;
    // The glyphs alone, every pixel opaque or clear, and where its corner lies
    // from the text's; null until the text comes again, or when it has none.
    QImage sprite;
    QPoint corner;
    ColorValue color = 0;
    bool spriteTried = false;   // sprite holds what drawing in `color` gives
    bool spriteUsable = false;  // and putting it down equals drawing the text
  };
  struct FontMeasures {
    QFont font;
    QFontMetrics metrics;
    std::vector<TextMeasure> texts;
    std::size_t nextText = 0;  // the entry to replace once they are many
  };
  FontMeasures& Measures(QPainter& p);
  // With use false, only measured: a use is counted when it is drawn.
  static TextMeasure& Measure(FontMeasures& measures, const QString& text, bool use = true);
  // Draws the glyphs as drawText does, into the text's sprite; false when they
  // cannot be put down that way (pixels neither opaque nor clear).
  bool MakeSprite(const FontMeasures& measures, TextMeasure& text);
  std::vector<FontMeasures> measures_;
  std::size_t nextMeasures_ = 0;
  FontMeasures* current_ = nullptr;  // those of font_; null after it changed
  bool fontSelected_ = false;        // the own painter holds font_ already

  // Unfilled ellipses drawn once per size and pen (see Ellipse).
  struct Ring {
    int width;
    int height;
    QPen pen;
    QImage sprite;
  };
  const QImage* RingSprite(int width, int height);
  std::vector<Ring> rings_;
};

}  // namespace delgraph
