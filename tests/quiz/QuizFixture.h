// Shared set-up of the test-mode suites: every module at its start state, the
// activation scene, a recording canvas, a fake window and scripted random draws.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "classify/Classification.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"
#include "drawing/Projections.h"
#include "quiz/DetailedMode.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"
#include "support/FakeWindow.h"
#include "support/RecordingCanvas.h"

inline void ResetEveryModule() {
  quiz::ResetQuiz();
  scene::ResetScene();
}

// The raw draws of one exercise, in the order the generator takes them.
struct Draws {
  bool pointMode = true;
  std::array<int, 6> signs{{1, 1, 1, 1, 1, 1}};  // s1..s6; 0 negates
  int aAbscissa = 0;
  int aAlejamiento = 0;
  int aCota = 0;
  int bCota = 0;
  int bAlejamiento = 0;
};

// Hands out scripted values and remembers the bound of every draw asked for.
class ScriptedRandom {
 public:
  void Queue(const Draws& d) {
    values_.push_back(d.pointMode ? 1 : 0);
    for (int s : d.signs) values_.push_back(s);
    for (int v : {d.aAbscissa, d.aAlejamiento, d.aCota, d.bCota, d.bAlejamiento})
      values_.push_back(v);
  }
  void Install() {
    quiz::SetRandomSource([this](std::int32_t n) {
      bounds.push_back(n);
      if (values_.empty()) {
        ADD_FAILURE() << "more draws than scripted";
        return 0;
      }
      const int v = values_.front();
      values_.pop_front();
      return v;
    });
  }
  bool Exhausted() const { return values_.empty(); }
  std::vector<std::int32_t> bounds;

 private:
  std::deque<int> values_;
};

class QuizTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEveryModule();
    painter.AttachSurface(&canvas, 1024, 480);
    scene::SetActivationScene(delgraph::GetMaxX(), delgraph::GetMaxY());
    painter.Select640x480();  // as the activation handler leaves it
    scene::Quorvel = &window;
    random.Install();
    canvas.Clear();
  }
  void TearDown() override { ResetEveryModule(); }

  // What the TEST button does: hide the editing buttons, then generate.
  void PressTest(const Draws& d) {
    random.Queue(d);
    window.ocultarbotones();
    quiz::NewExercise(painter);
    EXPECT_TRUE(random.Exhausted());
  }

  // A scroll-bar edit while an exercise waits: redraw and store the edited point.
  void EditCota(std::int32_t cota) {
    painter.Select320x200();
    drawing::RedrawFrame(painter, scene::ProfileOn);
    scene::EditPoint.cota = cota;
    drawing::InfoUpdate(painter);
  }

  // Texts drawn since the last Clear, as "x y text".
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& line : canvas.Calls("TextOut ")) out.push_back(line.substr(8));
    return out;
  }
  // The log lines that start with one of the prefixes, in order.
  std::vector<std::string> Only(std::initializer_list<std::string> prefixes) const {
    return canvas.Calls(prefixes);
  }
  bool Drew(const std::string& xyText) const {
    for (const auto& t : Texts())
      if (t == xyText) return true;
    return false;
  }

  RecordingCanvas canvas;
  drawing::Painter painter;
  FakeWindow window;
  ScriptedRandom random;
};
