// Construction exercises in the window: "Ejercicios de construcción" lets TEST set
// them; while one waits, a click on the flat view places the marker the panel names,
// a drag moves a placed one, Backspace takes the latest back, Tab goes to the next
// marker, "No existe" marks it absent and "Coordenadas..." asks every place. After
// "comprobar", and for the figure on screen with "Ver construcción paso a paso", the
// construction plays step by step ("Anterior", "Siguiente", Re Pág, Av Pág; Esc
// leaves it). "Tolerancia..." sets how far off a marker may lie.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "app/UnitQuorvel.h"
#include "classify/Construction.h"

class QAction;

namespace app {

class ConstructionCommands : public CommandGroup {
  Q_OBJECT

 public:
  explicit ConstructionCommands(TQuorvel& window);
  static ConstructionCommands* Of(const QObject& window);

  // "Coordenadas..." while a construction exercise waits: asks each marker's two
  // flat-view coordinates. False when none waits.
  bool TakeCoordinates();
  void AnswerChecked() override;
  void ControlMade(QWidget* control) override;

  // The step shown (from 1), 0 when no construction plays.
  std::size_t Step() const { return playing_ != Playing::kNo ? step_ : 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  enum class Playing { kNo, kRound, kFigure };

  // A construction exercise waits for its markers.
  bool Waiting() const;
  void ExerciseSet();
  // Draws the round waiting afresh and names the next marker.
  void DrawWaiting();
  bool MouseOnFlatView(QEvent* e);
  bool Key(int key);
  void PlayFigure();
  // Shows step `step` (from 1) with its sentence and buttons; draws it unless the
  // picture has it already.
  void ShowStep(std::size_t step, bool draw = true);
  void Leave(bool redraw);
  void ShowText(const QString& text);
  void AskTolerance();
  const classify::Construction* Played() const;

  QAction* option_ = nullptr;
  Playing playing_ = Playing::kNo;
  std::size_t step_ = 0;
  std::optional<classify::Construction> figure_;
  std::optional<std::size_t> dragging_;
  // The painter's frame count after this group last drew: any other count means
  // another drawing has replaced ours.
  std::uint64_t drawnFrame_ = 0;
};

}  // namespace app
