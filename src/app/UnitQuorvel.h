// The main window: every control of the layout, the start-up set-up and the
// handlers through which the student edits the scene, plus the hidden debug tools.
#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Dialogs.h"
#include "app/LazyControl.h"
#include "drawing/Painter.h"
#include "quiz/Quiz.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QToolButton;
class TPaintBox;
class TQuorvel;
class TSpinEdit;

namespace app {

// A group of the window's commands: it owns its actions, state and dialogs, and puts
// its actions in the context menu through TQuorvel::AddCommand, each made from its
// row of the command table (app/CommandTable.h). The window keeps the groups.
class CommandGroup : public QObject {
 public:
  explicit CommandGroup(TQuorvel& window);
  // Runs at the end of every check of an answer, once it is judged.
  virtual void AnswerChecked() {}
  // Runs when a control made on first use joins the window.
  virtual void ControlMade(QWidget* /*control*/) {}
  // Runs after every handler, once what it drew is shown: the scene may have changed.
  virtual void HandlerDone() {}

 protected:
  TQuorvel& window_;
};

}  // namespace app

class TQuorvel : public QWidget {
  Q_OBJECT

 public:
  // Asks through dialogs when given (not owned), through Spanish dialogs otherwise.
  explicit TQuorvel(app::Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
  ~TQuorvel() override;

  // Visible at start.
  TPaintBox* drawingArea = nullptr;
  QLabel* stepCaption = nullptr;
  QLabel* creditsCaption = nullptr;
  QLabel* abscissaCaption = nullptr;
  QLabel* alejamientoCaption = nullptr;
  QLabel* cotaCaption = nullptr;
  QToolButton* cotaUpButton = nullptr;
  QToolButton* cotaDownButton = nullptr;
  QToolButton* abscissaDownButton = nullptr;
  QToolButton* abscissaUpButton = nullptr;
  QToolButton* alejamientoDownButton = nullptr;
  QToolButton* alejamientoUpButton = nullptr;
  QToolButton* profileButton = nullptr;
  QToolButton* pointOrLineButton = nullptr;
  QToolButton* endPointButton = nullptr;
  QPushButton* testButton = nullptr;
  QPlainTextEdit* splashText = nullptr;
  TSpinEdit* stepEdit = nullptr;
  QScrollBar* abscissaBar = nullptr;
  QScrollBar* cotaBar = nullptr;
  QScrollBar* alejamientoBar = nullptr;

  // Hidden at start; test mode shows the lists and comprobarTest. All but
  // comprobarTest are made on first use (Layout.cpp).
  app::LazyControl<QLabel> editAbscissaLabel{[this] { return MakeDebugLabel(0); }};
  app::LazyControl<QLabel> editAlejamientoLabel{[this] { return MakeDebugLabel(1); }};
  app::LazyControl<QLabel> editCotaLabel{[this] { return MakeDebugLabel(2); }};
  app::LazyControl<QLabel> stepXLabel{[this] { return MakeDebugLabel(3); }};
  app::LazyControl<QLabel> stepYLabel{[this] { return MakeDebugLabel(4); }};
  app::LazyControl<QLabel> colourLabel{[this] { return MakeDebugLabel(5); }};
  app::LazyControl<QLabel> answerCodeLabel{[this] { return MakeDebugLabel(6); }};
  app::LazyControl<QPushButton> Button1{[this] { return MakeDebugButton(0); }};
  app::LazyControl<QPlainTextEdit> Memo1{[this] { return MakeMemo1(); }};
  app::LazyControl<QPushButton> Button2{[this] { return MakeDebugButton(1); }};
  app::LazyControl<TSpinEdit> SpinEdit1{[this] { return MakeHiddenSpin(0); }};
  app::LazyControl<TSpinEdit> R{[this] { return MakeHiddenSpin(1); }};
  app::LazyControl<TSpinEdit> G{[this] { return MakeHiddenSpin(2); }};
  app::LazyControl<TSpinEdit> B{[this] { return MakeHiddenSpin(3); }};
  app::LazyControl<QPushButton> Button3{[this] { return MakeDebugButton(2); }};
  app::LazyControl<QPushButton> Button4{[this] { return MakeDebugButton(3); }};
  app::LazyControl<QPushButton> Punto{[this] { return MakeDebugButton(4); }};
  app::LazyControl<TSpinEdit> ab{[this] { return MakeHiddenSpin(4); }};
  app::LazyControl<TSpinEdit> al{[this] { return MakeHiddenSpin(5); }};
  app::LazyControl<TSpinEdit> co{[this] { return MakeHiddenSpin(6); }};
  app::LazyControl<QCheckBox> profileCheck{[this] { return MakeCperfil(); }};
  app::LazyControl<QComboBox> pointAnswers{
      [this] { return MakeAnswerLists(AnswerList::SelPunto); }};
  app::LazyControl<QComboBox> lineTypeAnswers{
      [this] { return MakeAnswerLists(AnswerList::SelREcta); }};
  app::LazyControl<QComboBox> lineRelationAnswers{
      [this] { return MakeAnswerLists(AnswerList::DefREcta); }};
  app::LazyControl<QComboBox> planeAnswers{
      [this] { return MakeAnswerLists(AnswerList::SelPlano); }};
  // The lists of a point or a line with a plane and of two planes, made together
  // the first time one of those exercises is set.
  app::LazyControl<QComboBox> belongingAnswers{
      [this] { return MakeFigureAnswerLists(AnswerList::SelPertenece); }};
  app::LazyControl<QComboBox> linePlaneAnswers{
      [this] { return MakeFigureAnswerLists(AnswerList::SelRectaPlano); }};
  app::LazyControl<QComboBox> planesAnswers{
      [this] { return MakeFigureAnswerLists(AnswerList::SelPlanos); }};
  app::LazyControl<QComboBox> intersectionAnswers{
      [this] { return MakeFigureAnswerLists(AnswerList::SelInterseccion); }};
  // Every answer list, in the order of AnswerList.
  std::array<const app::LazyControl<QComboBox>*, 8> AnswerLists() const {
    return {&pointAnswers,     &lineTypeAnswers,  &lineRelationAnswers, &planeAnswers,
            &belongingAnswers, &linePlaneAnswers, &planesAnswers,       &intersectionAnswers};
  }
  // The construction exercises' controls: "No existe" beside the point list, the
  // steps' "Anterior" and "Siguiente", and the text in the panel under the flat view.
  app::LazyControl<QPushButton> absentButton{[this] { return MakeConstructionButton(0); }};
  app::LazyControl<QPushButton> previousStepButton{[this] { return MakeConstructionButton(1); }};
  app::LazyControl<QPushButton> nextStepButton{[this] { return MakeConstructionButton(2); }};
  app::LazyControl<QLabel> constructionText{[this] { return MakeConstructionText(); }};
  QPushButton* checkButton = nullptr;

  // The drawing area's context menu (right button): every command beyond the
  // layout's controls lives here, with its shortcut working anywhere in the window.
  QMenu* contextMenu = nullptr;

  // Start-up set-up; runs once, at the first activation or right after the first
  // show, whichever comes first.
  void FormActivate();
  bool Activated() const { return activated_; }

  // Coordinate and mode handlers.
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn5Click();
  void BitBtn6Click();
  void BitBtn7Click();
  void BitBtn8Click();
  void pasoChange();
  void abChange();
  void CperfilClick();
  void PuntoClick();
  void BtestClick();
  void comprobarTestClick();

  // Hidden debugging tools.
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void mediatriz(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

  // n is 1..7 for the debugging labels Label1..Label7.
  void SetLabelCaption(int n, const std::string& text);
  // The A/B button, the answer lists and the editing buttons, which the handlers
  // and test mode's changes (Apply) work.
  std::string PACaption() const;
  void SetPACaption(const std::string& text);
  void PAClick();
  void ShowList(AnswerList list);
  // Puts the list back at its start text with no item chosen.
  void ResetList(AnswerList list);
  // Index of the selected item, or -1 when none is selected or the edit text no
  // longer equals it.
  int ListChoice(AnswerList list) const;
  void ocultarbotones();
  void mostrarbotones();
  void ShowBtest();

  // Test mode's state: the score, the results, the exercise waiting, the choices.
  quiz::Quiz& Quiz() { return quiz_; }

  // Puts the action in the context menu (an entry of the command table in its
  // place), with its shortcut working anywhere in the window; the handler runs
  // guarded on each trigger (each toggle when checkable).
  void AddCommand(QAction* action, std::function<void()> handler);
  // Runs a handler body; an error it raises is shown through the dialogs instead
  // of crossing the event loop. The paint box then shows whatever was drawn.
  void Guarded(const std::function<void()>& body);
  // Redraws the frame, applies the change and names the scene, as every edit does.
  void EditCoordinate(const std::function<void()>& change);
  app::Dialogs& Dialogs() const { return *dialogs_; }
  // The painter of the drawing area, attached to its canvas at the first activation.
  drawing::Painter& Painter() { return painter_; }
  // The figure being edited, the view flags and the editing state.
  scene::Scene& Scene() { return scene_; }
  void ReportError(const QString& message);

  // The help window once opened, and the "Coordenadas..." command.
  QWidget* HelpWindow() const;
  void CoordinatesClick();
  double DrawingScale() const;

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void CreateControls();
  // Makers of the lazy controls: each is made at its layout place, hidden, named,
  // in its tab place and bound to its handler, as if made with the others.
  QLabel* MakeDebugLabel(int n);
  QPushButton* MakeDebugButton(int n);
  QCheckBox* MakeCperfil();
  QPlainTextEdit* MakeMemo1();
  TSpinEdit* MakeHiddenSpin(int n);
  QPushButton* MakeConstructionButton(int n);
  QLabel* MakeConstructionText();
  // One answer list of the layout: where it goes, what it offers, whose member it is.
  struct AnswerListRow {
    app::LazyControl<QComboBox>& member;
    AnswerList list;
    const char* name;
    QStringList items;
    int x;
    const char* hint;
  };
  void AdoptAnswerList(const AnswerListRow& row, QComboBox* list);
  QComboBox* MakeAnswerLists(AnswerList wanted);
  QComboBox* MakeFigureAnswerLists(AnswerList wanted);
  // What an answer list shows before a choice.
  static QString ListStartText(AnswerList list);
  void AdoptLazyControl(QWidget* w);
  template <class W>
  W* Existing(const char* name) const;
  void SetObjectNames();
  void SetTabOrder();
  void ConnectHandlers();
  void CentreOnScreen();
  // The window's icon, and the desktop entry that task bars match it to.
  void SetWindowIdentity();
  // Builds the context menu from the groups of commands (Commands.cpp).
  void CreateCommands();
  template <class Group>
  void AddGroup() {
    groups_.push_back(new Group(*this));
  }
  void RunFormActivateOnce();
  // The layout's places, and the controls placed for the window's size (Scaling.cpp).
  void RememberLayout();
  void PlaceControls();
  QComboBox* List(AnswerList list) const;
  // Every list's choice; a list never made has none.
  quiz::ListChoices Choices() const;
  // Does to the controls what a step of test mode asks.
  void Apply(const quiz::WindowChanges& changes);
  // Shows what the drawing asked of the window since the last call.
  void ApplyDrawing();

  bool activated_ = false;
  bool activationPosted_ = false;
  std::unique_ptr<app::Dialogs> ownDialogs_;
  app::Dialogs* dialogs_ = nullptr;
  std::vector<app::CommandGroup*> groups_;  // children of the window
  std::vector<std::pair<QWidget*, QRect>> layout_;
  drawing::Painter painter_;
  scene::Scene scene_;
  quiz::Quiz quiz_;
};

namespace app {

// The value of a spin edit as its handlers read it: the text as an integer, or 0
// when the text is not one.
std::int32_t SpinValue(const TSpinEdit* spin);

// Nearest integer, halves to even, saturated to 32 bits (NaN gives 0).
std::int32_t RoundHalfEven32(double v);

}  // namespace app
