// The main window: every control of the layout, the start-up set-up and the
// handlers through which the student edits the scene, plus the hidden debug tools.
#pragma once

#include <QRect>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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
class TSpinEdit;

class TQuorvel : public QWidget, public WindowPort {
  Q_OBJECT

 public:
  explicit TQuorvel(QWidget* parent = nullptr);
  ~TQuorvel() override;

  // Visible at start.
  TPaintBox* PaintBox1 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QToolButton* BitBtn1 = nullptr;
  QToolButton* BitBtn2 = nullptr;
  QToolButton* BitBtn3 = nullptr;
  QToolButton* BitBtn4 = nullptr;
  QToolButton* BitBtn5 = nullptr;
  QToolButton* BitBtn6 = nullptr;
  QToolButton* BitBtn7 = nullptr;
  QToolButton* BitBtn8 = nullptr;
  QToolButton* PA = nullptr;
  QPushButton* Btest = nullptr;
  QPlainTextEdit* Memo2 = nullptr;
  TSpinEdit* paso = nullptr;
  QScrollBar* ScrollBar1 = nullptr;
  QScrollBar* ScrollBar2 = nullptr;
  QScrollBar* ScrollBar3 = nullptr;

  // Hidden at start; test mode shows the lists and comprobarTest.
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QPushButton* Button1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button2 = nullptr;
  TSpinEdit* SpinEdit1 = nullptr;
  TSpinEdit* R = nullptr;
  TSpinEdit* G = nullptr;
  TSpinEdit* B = nullptr;
  QPushButton* Button3 = nullptr;
  QPushButton* Button4 = nullptr;
  QPushButton* Punto = nullptr;
  TSpinEdit* ab = nullptr;
  TSpinEdit* al = nullptr;
  TSpinEdit* co = nullptr;
  QCheckBox* Cperfil = nullptr;
  QComboBox* SelPunto = nullptr;
  QComboBox* SelREcta = nullptr;
  QComboBox* DefREcta = nullptr;
  QPushButton* comprobarTest = nullptr;

  // The drawing area's context menu (right button): every command beyond the
  // layout's controls lives here, with its shortcut working anywhere in the window.
  QMenu* ContextMenu = nullptr;

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

  // WindowPort: what drawing and test mode may do to the window.
  void HideMemo2() override;
  void SetLabelCaption(int n, const std::string& text) override;
  std::string PACaption() const override;
  void SetPACaption(const std::string& text) override;
  void PAClick();
  void ShowList(AnswerList list) override;
  void ResetList(AnswerList list) override;
  int ListChoice(AnswerList list) const override;
  void ocultarbotones() override;
  void mostrarbotones() override;
  void ShowBtest() override;

  // Beyond the layout: the help window "Ayuda" (F1), full screen (F11, left with
  // F11 or Esc), the "Coordenadas..." dialog (C), and the drawing's scale.
  void ShowHelp();
  QWidget* HelpWindow() const { return help_; }
  void ToggleFullScreen();
  void CoordinatesClick();
  double DrawingScale() const;

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void CreateControls();
  void SetObjectNames();
  void SetTabOrder();
  void ConnectHandlers();
  void CentreOnScreen();
  // The window's icon, and the desktop entry that task bars match it to.
  void SetWindowIdentity();
  // Builds the context menu; each group of commands adds its actions.
  void CreateCommands();
  // "Mostrar trazas" (Ctrl+T): the traces of the line, on request.
  void CreateTraceCommands();
  // "Plano por tres puntos" (P): plane mode (PlaneCommands.cpp).
  void CreatePlaneCommands();
  // Puts the action in the context menu and makes its shortcut a window shortcut.
  void AddCommand(QAction* action);
  void CreateExportCommands();  // ExportCommands.cpp
  // "Hoja de ejercicios...": asks for a sheet and writes its PDF (WorksheetCommands.cpp).
  void CreateWorksheetCommands();
  void MakeWorksheet();
  // The detailed quiz and the results (QuizCommands.cpp).
  void CreateQuizCommands();
  void RunFormActivateOnce();
  // Keys, focus mark, double-click guard and the view commands (Keys.cpp).
  void CreateWindowCommands();
  // The layout's places, and the controls placed for the window's size (Scaling.cpp).
  void RememberLayout();
  void PlaceControls();
  // Runs a handler body; an error it raises is reported in a message box instead
  // of crossing the event loop. The paint box then shows whatever was drawn.
  void Guarded(const std::function<void()>& body);
  void EditCoordinate(const std::function<void()>& change);
  QComboBox* List(AnswerList list) const;

  bool activated_ = false;
  bool activationPosted_ = false;
  QWidget* help_ = nullptr;
  QObject* input_ = nullptr;
  QWidget* focusMark_ = nullptr;
  std::vector<std::pair<QWidget*, QRect>> layout_;
};

namespace app {

// Shows an error message to the user. The default is a modal message box; tests
// install a recorder so nothing blocks. An empty function restores the default.
using ErrorReporter = std::function<void(const QString& message)>;
void SetErrorReporter(ErrorReporter reporter);
void ReportError(const QString& message);

// The value of a spin edit as its handlers read it: the text as an integer, or 0
// when the text is not one.
std::int32_t SpinValue(const TSpinEdit* spin);

// Nearest integer, halves to even, saturated to 32 bits (NaN gives 0).
std::int32_t RoundHalfEven32(double v);

}  // namespace app
