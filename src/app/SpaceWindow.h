// "Vista en el espacio": a window of its own beside the main one, so the main layout
// stays as it is. It shows the main window's scene in space and redraws at each
// edit; drag or the arrow keys turn and tilt it, the wheel or + and - zoom, Inicio
// or "Vista inicial" puts it back; a slider and "Abatir" fold V onto H.
#pragma once

#include <QWidget>
#include <functional>

#include "drawing/SpaceView.h"
#include "scene/Scene.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QVariantAnimation;

namespace app {

class Dialogs;

// The picture, which takes the mouse and the keys.
class SpaceCanvas : public QWidget {
  Q_OBJECT

 public:
  SpaceCanvas(const scene::Scene& scene, drawing::SpaceView& view, QWidget* parent);

  // Degrees a key turns or tilts by, and a pixel of dragging.
  static constexpr double kKeyStep = 5.0;
  static constexpr double kDragStep = 0.4;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  const scene::Scene& scene_;
  drawing::SpaceView& view_;
  QPoint last_;
};

class SpaceWindow : public QWidget {
  Q_OBJECT

 public:
  // The scene is the main window's, read at each paint; the dialogs ask where to
  // save and how to print.
  SpaceWindow(const scene::Scene& scene, Dialogs& dialogs, QWidget* parent);

  drawing::SpaceView& View() { return view_; }
  // Redraws after an edit of the scene (the profile plane follows the profile view).
  void SceneChanged();
  // Puts the camera back at the start view.
  void ResetView();
  // Folds V down to 0 degrees in about a second and a half, or back up to 90 when it
  // is down already.
  void Fold();
  // Runs when the window closes.
  std::function<void()> closed;

  SpaceCanvas* canvas = nullptr;
  QSlider* foldSlider = nullptr;
  QLabel* foldAngle = nullptr;
  QPushButton* foldButton = nullptr;
  QPushButton* resetButton = nullptr;
  QCheckBox* bisectorsCheck = nullptr;

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void SetFold(double fold);
  void Save();
  void Copy();
  void Print();

  const scene::Scene& scene_;
  Dialogs& dialogs_;
  drawing::SpaceView view_;
  QVariantAnimation* animation_ = nullptr;
  QString lastSavePath_;
};

}  // namespace app
