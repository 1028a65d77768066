// The figures with a plane: "Plano por tres puntos" (P), "Punto y plano", "Recta y
// plano" and "Dos planos", one at a time; the point selector's cycle through their
// points; "recta / punto" back to line mode; and "Mostrar construcción" and "Rectas
// notables del plano". One object owns the actions; the window's handlers ask it first.
#pragma once

#include <vector>

#include "app/UnitQuorvel.h"
#include "scene/Scene.h"

namespace app {

class PlaneCommands : public CommandGroup {
  Q_OBJECT

 public:
  explicit PlaneCommands(TQuorvel& window);

  // Each returns false outside the figures with a plane, so the caller goes on as
  // before. The next of A, B, C (and P, or D, E, F), named on the selector; texts
  // and projections go over the picture as the A/B switch draws them.
  bool SelectNext();
  // Line mode on, A selected; the caller redraws.
  bool LeaveForLine();
  // The entries ticked as the scene's figure is, after an exercise set one or not.
  void FollowScene();

  // The window's plane commands, or null before they exist.
  static PlaneCommands* Of(const QObject& window);

 private:
  struct Entry {
    scene::Figure figure;
    QAction* action;
    bool placed;  // its points past C were given their start once this run
  };

  void Toggled(Entry& entry, bool on);
  void Select(bool a, bool c, const QString& caption);
  // Of a figure with more than three points: the index-th, named on the selector.
  void SelectIndex(int index);
  // P, or D and E, or D, E and F where the figure reads well against ABC.
  void PlaceStartPoints(scene::Figure figure);
  void ViewToggled(bool& flag, bool on);

  std::vector<Entry> entries_;
};

}  // namespace app
