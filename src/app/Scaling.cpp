// The drawing grows with the window: at the start size everything stands where the
// layout puts it; larger, the drawing area scales by
//   s = min((W - 11) / 1025, (H - 68) / 473), never below 1,
// stays at the top, centred across the width, and the row of controls keeps its
// size and order just below it, centred under it.
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "app/Controls.h"
#include "app/UnitQuorvel.h"

namespace {

// The layout's drawing area and the window's start size around it.
constexpr int kBoxX = 8, kBoxWidth = 1025, kBoxHeight = 473;
constexpr int kMarginsX = 11;   // 8 left of the drawing, 3 right of it
constexpr int kRowHeight = 68;  // from the drawing's lower edge to the window's
constexpr int kStartWidth = kBoxWidth + kMarginsX;
constexpr int kStartHeight = kBoxHeight + kRowHeight;

}  // namespace

void TQuorvel::RememberLayout() {
  layout_.clear();
  for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->isWindow() && w != drawingArea) layout_.emplace_back(w, w->geometry());
  setMinimumSize(kStartWidth, kStartHeight);
}

double TQuorvel::DrawingScale() const {
  return drawingArea->DrawingScale();
}

void TQuorvel::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  PlaceControls();
}

void TQuorvel::PlaceControls() {
  const double s = std::max(1.0, std::min(static_cast<double>(width() - kMarginsX) / kBoxWidth,
                                          static_cast<double>(height() - kRowHeight) / kBoxHeight));
  const int boxWidth = static_cast<int>(std::lround(kBoxWidth * s));
  const int boxHeight = static_cast<int>(std::lround(kBoxHeight * s));
  const int boxX = kBoxX + std::max(0, width() - kMarginsX - boxWidth) / 2;
  drawingArea->setGeometry(boxX, 0, boxWidth, boxHeight);
  drawingArea->SetDrawingScale(s);

  // The row moves with the drawing's lower edge and centre.
  const int dx = static_cast<int>(std::lround(boxX + boxWidth / 2.0 - (kBoxX + kBoxWidth / 2.0)));
  const int dy = boxHeight - kBoxHeight;
  for (const auto& [w, place] : layout_) {
    if (place.top() < kBoxHeight) {
      // Over the drawing (the splash text, hidden debugging controls): the same
      // place in the drawing, at the controls' own size.
      const int x = boxX + static_cast<int>(std::lround((place.left() - kBoxX) * s));
      const int y = static_cast<int>(std::lround(place.top() * s));
      w->setGeometry(QRect(QPoint(x, y), place.size()));
    } else {
      w->setGeometry(place.translated(dx, dy));
    }
  }
}
