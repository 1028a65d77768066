// Shared set-up of the test-mode suites: every module at its start state, the
// activation scene, a recording canvas, a fake window, a fresh quiz and scripted
// random draws.
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
#include "figures/Kind.h"
#include "quiz/DetailedMode.h"
#include "quiz/Quiz.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"
#include "support/RecordingCanvas.h"

inline void ResetEveryModule() {
  quiz::ResetQuiz();
}

// The fake window with test mode's controls, worked as the window's handlers work
// the real ones.
class FakeQuizWindow {
 public:
  std::array<std::string, 8> labels{};  // index 1..7
  std::string paCaption = "A";
  int paClicks = 0;
  std::array<bool, 3> listVisible{};
  std::array<int, 3> listChoice{{-1, -1, -1}};
  // SelPlano, apart from the three lists of points and lines.
  bool planeListVisible = false;
  int planeListChoice = -1;
  // SelPertenece, SelRectaPlano, SelPlanos and SelInterseccion, by their order.
  std::array<bool, 4> figureListVisible{};
  std::array<int, 4> figureListChoice{{-1, -1, -1, -1}};
  bool buttonsVisible = true;  // BitBtn1..8, PA, Label8, paso
  bool comprobarVisible = false;
  bool btestVisible = true;
  std::vector<std::string> calls;

  // The real handler's caption and selection part; tests that need the redraw call
  // the classification themselves.
  void PAClick(scene::Scene& scene) {
    ++paClicks;
    calls.push_back("PAClick");
    paCaption = paCaption == "A" ? "B" : "A";
    scene.SelectedA = !scene.SelectedA;
    scene.EditPoint = scene.SelectedA ? scene.PointA : scene.PointB;
  }
  void ocultarbotones() {
    calls.push_back("ocultarbotones");
    buttonsVisible = false;
    comprobarVisible = true;
    listVisible = {};
    planeListVisible = false;
    figureListVisible = {};
  }
  void mostrarbotones() {
    calls.push_back("mostrarbotones");
    buttonsVisible = true;
    comprobarVisible = false;
    listVisible = {};
    planeListVisible = false;
    figureListVisible = {};
    btestVisible = true;
  }
  quiz::ListChoices Choices() const {
    quiz::ListChoices choices = quiz::kNoChoices;
    for (int k = 0; k < 3; ++k) choices[k] = listChoice[k];
    choices[3] = planeListChoice;
    for (std::size_t k = 0; k < 4; ++k) choices[4 + k] = figureListChoice[k];
    return choices;
  }
  void Apply(const quiz::WindowChanges& changes) {
    for (AnswerList list : changes.resetLists) {
      calls.push_back("ResetList");
      const auto k = static_cast<std::size_t>(list);
      (k == 3 ? planeListChoice : k < 3 ? listChoice[k] : figureListChoice[k - 4]) = -1;
    }
    for (AnswerList list : changes.showLists) {
      const auto k = static_cast<std::size_t>(list);
      (k == 3 ? planeListVisible : k < 3 ? listVisible[k] : figureListVisible[k - 4]) = true;
    }
    if (changes.captionToA && paCaption == "B") paCaption = "A";
    if (changes.label7) labels[7] = *changes.label7;
    if (changes.showButtons) mostrarbotones();
    if (changes.showTest) btestVisible = true;
  }
};

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
    painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
    scene::Activate(scene);
    painter.Select640x480();  // as the activation handler leaves it
    random.Install();
    canvas.Clear();
  }
  void TearDown() override { ResetEveryModule(); }

  // What the TEST button does: hide the editing buttons, then generate.
  void PressTest(const Draws& d) {
    random.Queue(d);
    window.ocultarbotones();
    NewExercise();
    EXPECT_TRUE(random.Exhausted());
  }
  // The bodies of the TEST and "comprobar" handlers, once the buttons are hidden.
  void NewExercise() { window.Apply(quiz::NewExercise(painter, scene, quiz)); }
  void CheckAnswer() { window.Apply(quiz::CheckAnswer(painter, scene, quiz, window.Choices())); }

  // A scroll-bar edit while an exercise waits: redraw and store the edited point.
  void EditCota(std::int32_t cota) {
    painter.Select320x200();
    drawing::RedrawFrame(painter, scene.ProfileOn);
    scene.EditPoint.cota = cota;
    figures::InfoUpdate(painter, scene);
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
  scene::Scene scene;
  FakeQuizWindow window;
  quiz::Quiz quiz;
  ScriptedRandom random;
};
