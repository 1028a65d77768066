// A WindowPort that records what the drawing and test code do to the window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "scene/Scene.h"

class FakeWindow : public WindowPort {
 public:
  bool memo2Visible = true;
  std::array<std::string, 8> labels{};  // index 1..7
  std::string paCaption = "A";
  int paClicks = 0;
  std::array<bool, 3> listVisible{};
  std::array<int, 3> listChoice{{-1, -1, -1}};
  // SelPlano, apart from the three lists of points and lines.
  bool planeListVisible = false;
  int planeListChoice = -1;
  bool buttonsVisible = true;  // BitBtn1..8, PA, Label8, paso
  bool comprobarVisible = false;
  bool btestVisible = true;
  std::vector<std::string> calls;

  void HideMemo2() override { memo2Visible = false; }
  void SetLabelCaption(int n, const std::string& text) override {
    if (n >= 1 && n <= 7) labels[n] = text;
  }
  std::string PACaption() const override { return paCaption; }
  void SetPACaption(const std::string& text) override { paCaption = text; }
  // Behaves like the real handler's caption and selection part; tests that need
  // the redraw call the classification themselves.
  void PAClick();
  void ShowList(AnswerList list) override {
    if (list == AnswerList::SelPlano)
      planeListVisible = true;
    else
      listVisible[static_cast<int>(list)] = true;
  }
  void ResetList(AnswerList list) override {
    calls.push_back("ResetList");
    if (list == AnswerList::SelPlano)
      planeListChoice = -1;
    else
      listChoice[static_cast<int>(list)] = -1;
  }
  int ListChoice(AnswerList list) const override {
    return list == AnswerList::SelPlano ? planeListChoice : listChoice[static_cast<int>(list)];
  }
  void ocultarbotones() override;
  void mostrarbotones() override;
  void ShowBtest() override { btestVisible = true; }
};
