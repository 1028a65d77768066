// The hidden perpendicular-bisector construction and the button that runs it,
// redraws the frame and lists the palette.
#include <QPlainTextEdit>
#include <QStringList>

#include "app/UnitQuorvel.h"
#include "delgraph/delgraph.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"

void TQuorvel::mediatriz(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  // Doubles throughout, so extreme coordinates cannot overflow.
  const double mx = (static_cast<double>(x1) + x2) / 2.0;
  const double my = (static_cast<double>(y1) + y2) / 2.0;
  // The 0.01 terms keep vertical and horizontal segments from dividing by zero.
  const double s = (static_cast<double>(y2) - y1) / (static_cast<double>(x2) - x1 + 0.01);
  const double m = -1.0 / (s + 0.01);

  painter_.SetDrawColor(12);
  painter_.DrawLine(x1, y1, x2, y2);
  painter_.SetDrawColor(1);
  painter_.DrawCircle(app::RoundHalfEven32(mx), app::RoundHalfEven32(my), 2);
  painter_.SetDrawColor(15);
  for (int i = 1; i <= 640; ++i) painter_.PutPixel(i, app::RoundHalfEven32((i - mx) * m + my), 15);
}

void TQuorvel::Button1Click() {
  Guarded([this] {
    mediatriz(10, 40, 70, 100);
    painter_.SetFillStyle(1, 1);
    painter_.ClearSurface();
    painter_.Select640x480();
    drawing::DrawPlanesView(painter_);
    painter_.Select320x200();
    drawing::RedrawFrame(painter_, scene_.ProfileOn);

    QStringList lines;
    for (const delgraph::RGBEntry& entry : painter_.palette.rgb)
      lines << QStringLiteral("%1 %2 %3").arg(entry.red).arg(entry.green).arg(entry.blue);
    Memo1->clear();
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
  });
}
