// The plane through three points, exactly: its normal, its equation and its traces
// on H and V, in 128-bit integers. Pure: only the point type; drawing and the
// texts both read it.
#pragma once

#include <string>

#include "scene/Scene.h"

namespace scene {

// 32-bit coordinates give a normal of up to 2^65 and n . A of up to 2^98.
__extension__ typedef __int128 Int128;

// num / den in lowest terms with den > 0.
struct ExactFraction {
  Int128 num = 0;
  Int128 den = 1;
  double ToDouble() const { return static_cast<double>(num) / static_cast<double>(den); }
};

inline bool operator==(const ExactFraction& a, const ExactFraction& b) {
  return a.num == b.num && a.den == b.den;
}

ExactFraction MakeFraction(Int128 num, Int128 den);  // den != 0

// nx x + ny y + nz z = d, with n = (B - A) x (C - A) and d = n . A; x the abscissa,
// y the alejamiento, z the cota. n is zero when the points define no plane.
struct PlaneEquation {
  Int128 nx = 0, ny = 0, nz = 0, d = 0;
  bool Defined() const { return nx != 0 || ny != 0 || nz != 0; }
};

PlaneEquation PlaneThrough(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C);

// One trace, a line in its plane of projection: a x + b q = c, where q is the
// alejamiento for the trace on H (alpha 1) and the cota for the trace on V (alpha 2).
struct PlaneTrace {
  bool exists = false;
  Int128 a = 0, b = 0, c = 0;
};

struct PlaneTraces {
  PlaneTrace horizontal;  // alpha 1, cota 0: none when nx = ny = 0 (the plane is H or parallel)
  PlaneTrace vertical;    // alpha 2, alejamiento 0: none when nx = nz = 0
  // Where both meet L.T. (nx != 0): x = d / nx.
  bool meetGroundLine = false;
  ExactFraction groundLineAbscissa;
  // nx = 0 and d = 0: the plane holds L.T. and both traces lie on it.
  bool throughGroundLine = false;
};

PlaneTraces TracesOf(const PlaneEquation& plane);

// Decimal with a comma, rounded to two places: "12,5", "-3", "0,33".
std::string DecimalText(const ExactFraction& f);

}  // namespace scene
