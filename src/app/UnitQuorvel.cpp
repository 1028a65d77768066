// The window's life: construction, start-up set-up, error reporting, and what the
// drawing and test code may do to the controls.
#include "app/UnitQuorvel.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <cstddef>
#include <exception>
#include <limits>

#include "app/Controls.h"
#include "delgraph/QtCanvas.h"
#include "delgraph/delgraph.h"
#include "drawing/Painter.h"

namespace app {

CommandGroup::CommandGroup(TQuorvel& window) : QObject(&window), window_(window) {}

std::int32_t SpinValue(const TSpinEdit* spin) {
  return spin->TextValue();
}

std::int32_t RoundHalfEven32(double v) {
  if (std::isnan(v)) return 0;
  constexpr double lo = std::numeric_limits<std::int32_t>::min();
  constexpr double hi = std::numeric_limits<std::int32_t>::max();
  if (v <= lo) return std::numeric_limits<std::int32_t>::min();
  if (v >= hi) return std::numeric_limits<std::int32_t>::max();
  // Ties to even: the default rounding mode, which nothing in the program changes.
  return static_cast<std::int32_t>(std::nearbyint(v));
}

}  // namespace app

TQuorvel::TQuorvel(app::Dialogs* dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
  if (dialogs_ == nullptr) {
    ownDialogs_ = std::make_unique<app::SpanishDialogs>();
    dialogs_ = ownDialogs_.get();
  }
  CreateControls();
  SetTabOrder();
  ConnectHandlers();
  RememberLayout();
  CreateCommands();
  SetWindowIdentity();
  CentreOnScreen();
  cotaUpButton->setFocus();
}

TQuorvel::~TQuorvel() {
  // The children die in QWidget's destructor, after this part of the window is
  // gone; a focus-out there (an unfinished step) must not reach our handlers.
  for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
  // The groups go first: nothing of theirs may outlive the window's own part.
  for (app::CommandGroup* group : groups_) delete group;
  groups_.clear();
}

bool TQuorvel::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) RunFormActivateOnce();
  return QWidget::event(e);
}

void TQuorvel::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Without a window manager the window is never activated: run the set-up right
  // after the first show instead, unless an activation comes first.
  if (!activationPosted_) {
    activationPosted_ = true;
    QTimer::singleShot(0, this, &TQuorvel::RunFormActivateOnce);
    // Nor would its keys work, since shortcuts wait for an active window: it asks
    // to be activated, which the platform does once the window is on screen.
    activateWindow();
  }
}

void TQuorvel::RunFormActivateOnce() {
  if (activated_) return;
  activated_ = true;
  FormActivate();
}

void TQuorvel::FormActivate() {
  Guarded([this] {
    painter_.AttachSurface(drawingArea->Canvas(), 1024, 768);
    // The clearing above is not a picture yet: the window's first painting covers
    // it, so the window colour shows until the first drawing, and is what a first
    // drawing without a frame of its own ("A"/"B") lies on.
    drawingArea->CoverWithWindowColour();
    drawingArea->ShowBlankUntilNextDrawing();
    // Factors, bounds, surface extent and the fresh scene. The space selection
    // comes after, since it sets the factors of its own.
    painter_.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
    scene::Activate(scene_);
    quiz_.TestHits = quiz_.TestMisses = 0;
    painter_.Select640x480();
    delgraph::LoadPaletteFile(painter_.palette, "pruebas.pal");
    painter_.palette.SetEntry(0, 250, 250, 255);
  });
}

void TQuorvel::Guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const std::exception& e) {
    ReportError(QString::fromUtf8(e.what()));
  } catch (...) {
    ReportError(QStringLiteral("Error"));
  }
  // What was drawn before an error is on screen, and so are its labels.
  ApplyDrawing();
  for (app::CommandGroup* group : groups_) group->HandlerDone();
}

void TQuorvel::ReportError(const QString& message) {
  dialogs_->ShowError(this, message);
}

void TQuorvel::ApplyDrawing() {
  drawing::WindowTexts& asked = painter_.ForWindow;
  if (asked.hideSplash) splashText->hide();
  for (int n = 1; n <= 6; ++n)
    if (asked.labels[n]) SetLabelCaption(n, *asked.labels[n]);
  asked = drawing::WindowTexts{};
}

void TQuorvel::SetLabelCaption(int n, const std::string& text) {
  const app::LazyControl<QLabel>* labels[] = {
      &editAbscissaLabel, &editAlejamientoLabel, &editCotaLabel,  &stepXLabel,
      &stepYLabel,        &colourLabel,          &answerCodeLabel};
  if (n >= 1 && n <= 7) (*labels[n - 1])->setText(QString::fromStdString(text));
}

std::string TQuorvel::PACaption() const {
  return endPointButton->text().toStdString();
}

void TQuorvel::SetPACaption(const std::string& text) {
  endPointButton->setText(QString::fromStdString(text));
}

QComboBox* TQuorvel::List(AnswerList list) const {
  switch (list) {
    case AnswerList::SelPunto:
      return pointAnswers;
    case AnswerList::SelREcta:
      return lineTypeAnswers;
    case AnswerList::DefREcta:
      return lineRelationAnswers;
    case AnswerList::SelPlano:
      return planeAnswers;
    case AnswerList::SelPertenece:
      return belongingAnswers;
    case AnswerList::SelRectaPlano:
      return linePlaneAnswers;
    case AnswerList::SelPlanos:
      return planesAnswers;
    case AnswerList::SelInterseccion:
      return intersectionAnswers;
  }
  return pointAnswers;
}

void TQuorvel::ShowList(AnswerList list) {
  List(list)->show();
}

int TQuorvel::ListChoice(AnswerList list) const {
  const QComboBox* box = List(list);
  const int index = box->currentIndex();
  if (index < 0) return -1;
  // Typing over the chosen item undoes the choice.
  if (box->currentText() != box->itemText(index)) return -1;
  return index;
}

void TQuorvel::ShowBtest() {
  testButton->show();
}

quiz::ListChoices TQuorvel::Choices() const {
  quiz::ListChoices choices = quiz::kNoChoices;
  const auto lists = AnswerLists();
  for (std::size_t k = 0; k < lists.size(); ++k)
    if (lists[k]->Made()) choices[k] = ListChoice(static_cast<AnswerList>(k));
  return choices;
}

void TQuorvel::Apply(const quiz::WindowChanges& changes) {
  for (AnswerList list : changes.resetLists) ResetList(list);
  for (AnswerList list : changes.showLists) ShowList(list);
  if (changes.captionToA && PACaption() == "B") SetPACaption("A");
  if (changes.label7) SetLabelCaption(7, *changes.label7);
  if (changes.showButtons) mostrarbotones();
  if (changes.showTest) ShowBtest();
}
