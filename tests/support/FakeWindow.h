// A WindowPort that records what the drawing code does to the window.
#pragma once

#include <array>
#include <string>

#include "scene/Scene.h"

class FakeWindow : public WindowPort {
 public:
  bool memo2Visible = true;
  std::array<std::string, 8> labels{};  // index 1..7

  void HideMemo2() override { memo2Visible = false; }
  void SetLabelCaption(int n, const std::string& text) override {
    if (n >= 1 && n <= 7) labels[n] = text;
  }
};
