// Logical drawing spaces (320 x 200, 640 x 480, 640 x 481) and their mapping onto
// the paint surface.
#pragma once

#include <cstdint>

namespace drawing {

struct LogicalWindow {
  double x1 = 0.0;  // left
  double y1 = 0.0;  // bottom
  double x2 = 0.0;  // right
  double y2 = 0.0;  // top
};

// Slots 1..5; index 0 is not a slot and stays zero.
extern LogicalWindow (&LogicalWindowTable)[6];
extern std::uint8_t& CurrentWindow;  // 0: none selected
extern double& WindowWidth;
extern double& WindowHeight;

void SetLogicalWindow(std::uint8_t slot, double x1, double y1, double x2, double y2);
void SelectLogicalWindow(std::uint8_t slot);
std::int32_t ScaleX(double x);
std::int32_t ScaleY(double y);
void DrawLogicalLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// The store-and-select pair on slot 2 for each space in use.
void Select320x200();
void Select640x480();
void Select640x481();

// Program-start state of the table and the current window. For tests.
void ResetLogicalWindow();

}  // namespace drawing
