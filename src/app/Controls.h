// The two controls the window needs beyond plain Qt widgets: the paint box that
// shows the drawing surface, and a spin edit whose text its handlers read.
#pragma once

#include <QSpinBox>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "app/SurfaceCanvas.h"

// Shows the graphics layer's surface image, clipped to its own size. It repaints
// from the image, so the picture survives being covered, minimised or resized.
class TPaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  ~TPaintBox() override;

  TSurfaceCanvas* Canvas() const { return canvas_.get(); }
  // Widget pixels per surface pixel (1 at the start size). The surface is drawn
  // again at this scale times the device pixel ratio, never enlarged.
  void SetDrawingScale(double scale);
  double DrawingScale() const { return scale_; }
  // Covers the surface with the window colour, as the window's first painting
  // covers whatever the start-up drew there.
  void CoverWithWindowColour();
  // From now until the next drawing the box shows only the window colour: the
  // clearing done while starting up is not a picture.
  void ShowBlankUntilNextDrawing();
  // True when the surface image is shown (something was drawn since the blank).
  bool ShowsSurface() const;

 signals:
  // ShowsSurface() changed: the first drawing after the blank, or a new blank.
  void ShowsSurfaceChanged(bool shows);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  // Draws the picture again when the scale or the screen's pixel ratio changed.
  void MatchDevice();
  // Signals ShowsSurface() when it differs from what was last announced.
  void Announce();

  std::unique_ptr<TSurfaceCanvas> canvas_;
  std::uint64_t blankGeneration_ = 0;
  bool showed_ = false;  // ShowsSurface() as last announced
  bool redrawing_ = false;
  double scale_ = 1.0;
};

// An integer spin edit with no bounds. Its handlers read the text, so the line
// edit is reachable; a text that is not an integer counts as 0, and is shown as
// 0 once editing ends, so the box never shows a value its handler did not see.
class TSpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit TSpinEdit(QWidget* parent = nullptr);
  using QSpinBox::lineEdit;
  std::int32_t TextValue() const;

 signals:
  // Once for every change of the text: typed, by the arrows, or set from code.
  void Changed();

 protected:
  void fixup(QString& input) const override;
  // The arrows on a text that is not a number start from 0, as the handlers read it.
  void stepBy(int steps) override;
  // Plain decimal: Qt 6.4 writes the lowest int with group separators.
  QString textFromValue(int value) const override;

 private:
  void CheckText();
  QString lastText_;
};
