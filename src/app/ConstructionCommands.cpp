#include "app/ConstructionCommands.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "app/CommandTable.h"
#include "app/Controls.h"
#include "drawing/ConstructionDrawing.h"
#include "drawing/Frame.h"
#include "drawing/Projections.h"
#include "figures/Kind.h"
#include "quiz/ConstructionRound.h"
#include "quiz/Quiz.h"
#include "render/ConstructionSteps.h"

namespace app {

namespace {

// A click this near a placed marker takes it to drag, in units.
constexpr double kGrip = 4.0;
constexpr int kFarthest = 200;  // units either way that "Coordenadas..." takes

bool TypesText(const QWidget* w) {
  for (; w != nullptr; w = w->parentWidget()) {
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)) return true;
    if (const auto* combo = qobject_cast<const QComboBox*>(w); combo && combo->isEditable())
      return true;
  }
  return false;
}

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

ConstructionCommands::ConstructionCommands(TQuorvel& window) : CommandGroup(window) {
  option_ = MakeCommand(window, "EjerciciosDeConstruccion");
  option_->setChecked(window.Quiz().ConstructionExercisesOn);
  // An exercise already set stays; the choice counts from the next TEST.
  window.AddCommand(option_,
                    [this] { window_.Quiz().ConstructionExercisesOn = option_->isChecked(); });
  window.AddCommand(MakeCommand(window, "Tolerancia"), [this] { AskTolerance(); });
  window.AddCommand(MakeCommand(window, "VerConstruccion"), [this] { PlayFigure(); });
  // After the window's own handler, which has set the exercise.
  connect(window.testButton, &QPushButton::clicked, this, [this] { ExerciseSet(); });
  window.drawingArea->installEventFilter(this);
  // The keys reach whichever control has the focus: they are read on their way.
  qApp->installEventFilter(this);
}

ConstructionCommands* ConstructionCommands::Of(const QObject& window) {
  return window.findChild<ConstructionCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

bool ConstructionCommands::Waiting() const {
  const quiz::Quiz& q = window_.Quiz();
  return q.Construction.has_value() && !q.ExerciseAnswered && !q.Construction->Checked();
}

void ConstructionCommands::ControlMade(QWidget* control) {
  // By name: reading the lazy members here would make them all.
  auto* button = qobject_cast<QPushButton*>(control);
  if (button == nullptr) return;
  if (button->objectName() == QLatin1String("NoExiste"))
    connect(button, &QPushButton::clicked, this, [this] {
      if (!Waiting()) return;
      quiz::MarkAbsent(*window_.Quiz().Construction);
      DrawWaiting();
    });
  else if (button->objectName() == QLatin1String("Anterior"))
    connect(button, &QPushButton::clicked, this, [this] { Key(Qt::Key_PageUp); });
  else if (button->objectName() == QLatin1String("Siguiente"))
    connect(button, &QPushButton::clicked, this, [this] { Key(Qt::Key_PageDown); });
}

void ConstructionCommands::ExerciseSet() {
  Leave(false);
  dragging_.reset();
  if (!Waiting()) {
    if (window_.absentButton.Made()) window_.absentButton->hide();
    ShowText(QString());
    return;
  }
  drawnFrame_ = window_.Painter().FramesDrawn;
  window_.absentButton->show();
  ShowText(Text(quiz::RoundPrompt(*window_.Quiz().Construction)));
}

void ConstructionCommands::DrawWaiting() {
  window_.Guarded(
      [this] { quiz::DrawRound(window_.Painter(), window_.Quiz(), *window_.Quiz().Construction); });
  drawnFrame_ = window_.Painter().FramesDrawn;
  ShowText(Text(quiz::RoundPrompt(*window_.Quiz().Construction)));
}

void ConstructionCommands::ShowText(const QString& text) {
  if (text.isEmpty()) {
    if (window_.constructionText.Made()) window_.constructionText->hide();
    return;
  }
  window_.constructionText->setText(text);
  window_.constructionText->show();
}

bool ConstructionCommands::MouseOnFlatView(QEvent* e) {
  const auto* mouse = static_cast<QMouseEvent*>(e);
  if (e->type() != QEvent::MouseMove && mouse->button() != Qt::LeftButton) return false;
  if (e->type() == QEvent::MouseButtonRelease) {
    const bool held = dragging_.has_value();
    dragging_.reset();
    return held;
  }
  if (e->type() == QEvent::MouseMove && !dragging_) return false;
  drawing::Painter& painter = window_.Painter();
  quiz::ConstructionRound& round = *window_.Quiz().Construction;
  painter.Select320x200();
  const drawing::ConstructionLook look = quiz::RoundLook(painter, round);
  const double scale = window_.drawingArea->DrawingScale();
  const QPointF at = mouse->position() / (scale > 0 ? scale : 1.0);
  const auto x = static_cast<std::int32_t>(at.x()), y = static_cast<std::int32_t>(at.y());
  const classify::FlatBox view = drawing::FlatViewBox(painter);
  if (!view.Holds({static_cast<double>(x - painter.FlatOrigin.x),
                   static_cast<double>(painter.FlatOrigin.y - y)}))
    return e->type() == QEvent::MouseMove;
  const classify::FlatPoint unit = drawing::NearestUnit(painter, look, x, y);
  if (e->type() == QEvent::MouseMove) {
    if (round.placed[*dragging_] == unit) return true;
    round.placed[*dragging_] = unit;
  } else if (const auto near = quiz::MarkerNear(round, unit, kGrip)) {
    dragging_ = near;
    return true;
  } else {
    quiz::PlaceMarker(round, round.current, unit);
  }
  DrawWaiting();
  return true;
}

bool ConstructionCommands::Key(int key) {
  if (playing_ != Playing::kNo) {
    const classify::Construction* played = Played();
    if (key == Qt::Key_Escape) {
      Leave(true);
    } else if (played != nullptr) {
      if (key == Qt::Key_PageDown && step_ < played->steps.size()) ShowStep(step_ + 1);
      if (key == Qt::Key_PageUp && step_ > 1) ShowStep(step_ - 1);
    }
    return true;
  }
  if (!Waiting()) return false;
  quiz::ConstructionRound& round = *window_.Quiz().Construction;
  if (key == Qt::Key_Backspace && !quiz::TakeBack(round)) return true;
  if (key == Qt::Key_Tab) quiz::NextMarker(round);
  DrawWaiting();
  return true;
}

bool ConstructionCommands::eventFilter(QObject* watched, QEvent* e) {
  const QEvent::Type type = e->type();
  if (watched == window_.drawingArea) {
    // Another drawing has replaced the steps: they stop, and their controls go.
    if (type == QEvent::Paint && playing_ != Playing::kNo &&
        window_.Painter().FramesDrawn != drawnFrame_)
      QMetaObject::invokeMethod(
          this, [this] { Leave(false); }, Qt::QueuedConnection);
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
         type == QEvent::MouseButtonRelease) &&
        Waiting())
      return MouseOnFlatView(e);
    return false;
  }
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != &window_) return false;
  const auto* press = static_cast<QKeyEvent*>(e);
  if (press->modifiers() &
      (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier))
    return false;
  const int key = press->key();
  bool ours = false;
  if (playing_ != Playing::kNo && window_.Painter().FramesDrawn == drawnFrame_)
    ours = key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Escape;
  else if (Waiting())
    ours = key == Qt::Key_Tab || (key == Qt::Key_Backspace && !TypesText(widget));
  if (!ours) return false;
  e->accept();
  if (type == QEvent::KeyPress) Key(key);
  return true;
}

bool ConstructionCommands::TakeCoordinates() {
  if (!Waiting()) return false;
  quiz::ConstructionRound& round = *window_.Quiz().Construction;
  NumbersQuestion q;
  q.title = QStringLiteral("Coordenadas de los puntos");
  q.columns = {QStringLiteral("x (abscisa)"), QStringLiteral("y (sobre L.T.)")};
  q.lowest = -kFarthest;
  q.highest = kFarthest;
  q.offerNone = true;
  for (std::size_t i = 0; i < round.placed.size(); ++i) {
    q.rows << Text(round.construction.markers[i].label);
    const classify::FlatPoint p = round.placed[i].value_or(classify::FlatPoint{});
    q.values.push_back({static_cast<int>(p.x), static_cast<int>(p.y)});
    q.none.push_back(round.absent[i]);
  }
  if (!window_.Dialogs().AskNumbers(&window_, q)) return true;
  for (std::size_t i = 0; i < round.placed.size() && i < q.values.size(); ++i) {
    if (i < q.none.size() && q.none[i]) {
      round.current = i;
      quiz::MarkAbsent(round);
    } else if (q.values[i].size() == 2) {
      quiz::PlaceMarker(round, i,
                        {static_cast<double>(std::clamp(q.values[i][0], -kFarthest, kFarthest)),
                         static_cast<double>(std::clamp(q.values[i][1], -kFarthest, kFarthest))});
    }
  }
  DrawWaiting();
  return true;
}

void ConstructionCommands::AskTolerance() {
  quiz::Quiz& q = window_.Quiz();
  NumbersQuestion question;
  question.title = QStringLiteral("Tolerancia");
  question.columns = {QStringLiteral("mm")};
  question.rows = {QStringLiteral("Un punto situado es correcto a esta distancia del exacto:")};
  question.values = {{q.Tolerance}};
  question.lowest = classify::kLeastTolerance;
  question.highest = classify::kMostTolerance;
  if (!window_.Dialogs().AskNumbers(&window_, question) || question.values.empty() ||
      question.values.front().empty())
    return;
  q.Tolerance = std::clamp(question.values.front().front(), classify::kLeastTolerance,
                           classify::kMostTolerance);
}

void ConstructionCommands::AnswerChecked() {
  const quiz::Quiz& q = window_.Quiz();
  if (!q.Construction || !q.Construction->Checked() || playing_ == Playing::kRound) {
    if (!q.Construction) Leave(false);
    return;
  }
  if (window_.absentButton.Made()) window_.absentButton->hide();
  dragging_.reset();
  drawnFrame_ = window_.Painter().FramesDrawn;
  if (q.Construction->construction.steps.empty()) {
    ShowText(QString());
    return;
  }
  // The check drew the first step already.
  playing_ = Playing::kRound;
  ShowStep(q.Construction->steps, false);
}

const classify::Construction* ConstructionCommands::Played() const {
  if (playing_ == Playing::kRound && window_.Quiz().Construction)
    return &window_.Quiz().Construction->construction;
  if (playing_ == Playing::kFigure && figure_) return &*figure_;
  return nullptr;
}

void ConstructionCommands::PlayFigure() {
  quiz::Quiz& q = window_.Quiz();
  drawing::Painter& painter = window_.Painter();
  if (Waiting() || window_.Scene().AnswerHidden) {
    window_.ReportError(QStringLiteral(
        "Mientras un ejercicio espera su respuesta no se puede ver su construcción."));
    return;
  }
  // The construction exercise just checked, while it is still on screen.
  if (q.Construction && q.Construction->Checked() && painter.FramesDrawn == drawnFrame_) {
    if (q.Construction->construction.steps.empty()) return;
    playing_ = Playing::kRound;
    ShowStep(1);
    return;
  }
  painter.Select320x200();
  drawing::ComputeSceneOrigins(painter);
  std::optional<classify::Construction> c =
      figures::ConstructionOf(window_.Scene(), drawing::FlatViewBox(painter));
  if (c && !c->lack.empty()) {
    window_.ReportError(Text(c->lack));
    return;
  }
  if (!c || c->steps.empty()) {
    window_.ReportError(QStringLiteral("Esta figura no tiene construcción paso a paso."));
    return;
  }
  figure_ = std::move(c);
  playing_ = Playing::kFigure;
  ShowStep(1);
}

void ConstructionCommands::ShowStep(std::size_t step, bool draw) {
  const classify::Construction* played = Played();
  if (played == nullptr || played->steps.empty()) return;
  step_ = std::clamp<std::size_t>(step, 1, played->steps.size());
  drawing::Painter& painter = window_.Painter();
  if (draw && playing_ == Playing::kRound) {
    quiz::ConstructionRound& round = *window_.Quiz().Construction;
    round.steps = step_;
    window_.Guarded([&] { quiz::DrawRound(painter, window_.Quiz(), round); });
  } else if (draw) {
    window_.Guarded([&] {
      scene::Scene& scene = window_.Scene();
      painter.Select320x200();
      drawing::RedrawFrame(painter, scene.ProfileOn);
      figures::InfoUpdate(painter, scene);
      painter.Select320x200();
      drawing::ComputeSceneOrigins(painter);
      // The lower part of the panel under the flat view takes the step's sentence.
      painter.SetFillStyle(1, 0);
      painter.FillBar(painter.ScaleX(166), painter.ScaleY(161), painter.ScaleX(318),
                      painter.ScaleY(189));
      // The same routine as the pictures out: steps over the figure, kept in the flat view.
      render::DrawStepsOver(painter, scene, step_);
    });
  }
  drawnFrame_ = painter.FramesDrawn;
  ShowText(Text(played->steps[step_ - 1].sentence));
  window_.previousStepButton->setEnabled(step_ > 1);
  window_.nextStepButton->setEnabled(step_ < played->steps.size());
  window_.previousStepButton->show();
  window_.nextStepButton->show();
}

void ConstructionCommands::Leave(bool redraw) {
  if (playing_ == Playing::kNo) return;
  const Playing was = playing_;
  playing_ = Playing::kNo;
  step_ = 0;
  for (const auto* button : {&window_.previousStepButton, &window_.nextStepButton})
    if (button->Made()) (*button)->hide();
  ShowText(QString());
  if (!redraw) return;
  if (was == Playing::kFigure) {
    window_.EditCoordinate([] {});
  } else if (window_.Quiz().Construction) {
    quiz::ConstructionRound& round = *window_.Quiz().Construction;
    round.steps = 0;
    window_.Guarded([&] { quiz::DrawRound(window_.Painter(), window_.Quiz(), round); });
    drawnFrame_ = window_.Painter().FramesDrawn;
  }
  figure_.reset();
}

}  // namespace app
