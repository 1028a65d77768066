// The part of a segment inside an upright rectangle (Liang-Barsky), for drawing
// that must not hand huge coordinates on.
#pragma once

#include <algorithm>

namespace delgraph {

// The segment (ax, ay) + t (dx, dy), t in 0..1, against left <= x <= right and
// top <= y <= bottom: t0..t1 is the part inside; false when none of it is.
inline bool ClipSegment(double ax, double ay, double dx, double dy, double left, double top,
                        double right, double bottom, double& t0, double& t1) {
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax - left, right - ax, ay - top, bottom - ay};
  t0 = 0.0;
  t1 = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0.0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
    if (t0 > t1) return false;
  }
  return true;
}

}  // namespace delgraph
