// The handlers through which the student edits the scene: scroll bars, arrow
// buttons, step, point/line, A/B, third projection, test mode, and the hidden
// controls that redraw the frame or a test point.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <functional>

#include "app/Controls.h"
#include "app/PlaneCommands.h"
#include "app/UnitQuorvel.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"
#include "drawing/Projections.h"
#include "figures/Kind.h"
#include "quiz/TestMode.h"

void TQuorvel::EditCoordinate(const std::function<void()>& change) {
  Guarded([this, &change] {
    painter_.Select320x200();
    drawing::RedrawFrame(painter_, scene_.ProfileOn);
    change();
    figures::InfoUpdate(painter_, scene_);
  });
}

void TQuorvel::ScrollBar1Change() {
  EditCoordinate([this] { scene_.EditPoint.abscissa = abscissaBar->value(); });
}

void TQuorvel::ScrollBar2Change() {
  EditCoordinate([this] { scene_.EditPoint.cota = cotaBar->value(); });
}

void TQuorvel::ScrollBar3Change() {
  EditCoordinate([this] { scene_.EditPoint.alejamiento = alejamientoBar->value(); });
}

void TQuorvel::BitBtn1Click() {
  EditCoordinate([this] {
    scene_.EditPoint.cota = scene::StepUp(scene_.EditPoint.cota, scene_.IncrY, scene_.CotaMax);
  });
}

void TQuorvel::BitBtn2Click() {
  EditCoordinate([this] {
    scene_.EditPoint.cota = scene::StepDown(scene_.EditPoint.cota, scene_.IncrY, scene_.CotaMin);
  });
}

void TQuorvel::BitBtn3Click() {
  EditCoordinate([this] {
    scene_.EditPoint.abscissa =
        scene::StepDown(scene_.EditPoint.abscissa, scene_.IncrX, scene_.AbscissaMin);
  });
}

void TQuorvel::BitBtn4Click() {
  EditCoordinate([this] {
    scene_.EditPoint.abscissa =
        scene::StepUp(scene_.EditPoint.abscissa, scene_.IncrX, scene_.AbscissaMax);
  });
}

void TQuorvel::BitBtn5Click() {
  EditCoordinate([this] {
    scene_.EditPoint.alejamiento =
        scene::StepDown(scene_.EditPoint.alejamiento, scene_.IncrX, scene_.AlejamientoMin);
  });
}

void TQuorvel::BitBtn6Click() {
  EditCoordinate([this] {
    scene_.EditPoint.alejamiento =
        scene::StepUp(scene_.EditPoint.alejamiento, scene_.IncrX, scene_.AlejamientoMax);
  });
}

void TQuorvel::BitBtn8Click() {
  EditCoordinate([this] {
    // In plane mode the switch goes back to line mode.
    auto* planes = app::PlaneCommands::Of(*this);
    if (planes == nullptr || !planes->LeaveForLine())
      scene_.figure = scene_.IsPoint() ? scene::Figure::kLine : scene::Figure::kPoint;
  });
}

void TQuorvel::BitBtn7Click() {
  Guarded([this] {
    painter_.Select320x200();
    painter_.Select640x481();
    scene_.ProfileOn = !scene_.ProfileOn;
    drawing::RedrawFrame(painter_, scene_.ProfileOn);
    // When this changes the tick, CperfilClick runs here and redraws the background.
    profileCheck->setChecked(scene_.ProfileOn);
    figures::InfoUpdate(painter_, scene_);
  });
}

void TQuorvel::CperfilClick() {
  Guarded([this] {
    scene_.ProfileOn = profileCheck->isChecked();
    abChange();
  });
}

void TQuorvel::abChange() {
  Guarded([this] {
    painter_.SetFillStyle(1, 0);
    painter_.ClearSurface();
    if (!profileCheck->isChecked()) {
      painter_.Select640x480();
      drawing::DrawPlanesView(painter_);
    }
    painter_.Select320x200();
    drawing::RedrawFrame(painter_, scene_.ProfileOn);
    painter_.Select320x200();
  });
}

void TQuorvel::PAClick() {
  Guarded([this] {
    if (auto* planes = app::PlaneCommands::Of(*this); planes && planes->SelectNext()) return;
    endPointButton->setText(endPointButton->text() == QLatin1String("A") ? QStringLiteral("B")
                                                                         : QStringLiteral("A"));
    QPalette p = endPointButton->palette();
    p.setColor(QPalette::ButtonText, QColor(255, 0, 0));
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    endPointButton->setPalette(p);
    if (scene_.SelectedA) {
      scene_.SelectedA = false;
      scene_.EditPoint = scene_.PointB;
    } else {
      scene_.SelectedA = true;
      scene_.EditPoint = scene_.PointA;
    }
    // No frame: texts and projections go over the current picture.
    figures::InfoUpdate(painter_, scene_);
  });
}

void TQuorvel::pasoChange() {
  const std::int32_t step = app::SpinValue(stepEdit);
  scene_.IncrX = step;
  scene_.IncrY = step;
}

void TQuorvel::PuntoClick() {
  Guarded([this] {
    painter_.Select320x200();
    scene::Scene origin = scene_;
    origin.figure = scene::Figure::kPoint;
    origin.PointA = DihedralPoint{};
    drawing::DrawPointScene(painter_, origin);
  });
}

void TQuorvel::ocultarbotones() {
  for (QWidget* w :
       {cotaUpButton, cotaDownButton, abscissaDownButton, abscissaUpButton, alejamientoDownButton,
        alejamientoUpButton, profileButton, pointOrLineButton, endPointButton})
    w->hide();
  stepCaption->hide();
  stepEdit->hide();
  checkButton->show();
  lineTypeAnswers->hide();
  pointAnswers->hide();
  lineRelationAnswers->hide();
  planeAnswers->hide();
  // The lists of the figures with a plane exist once one of their exercises was set.
  for (const auto* list :
       {&belongingAnswers, &linePlaneAnswers, &planesAnswers, &intersectionAnswers})
    if (list->Made()) (*list)->hide();
}

void TQuorvel::mostrarbotones() {
  for (QWidget* w :
       {cotaUpButton, cotaDownButton, abscissaDownButton, abscissaUpButton, alejamientoDownButton,
        alejamientoUpButton, profileButton, pointOrLineButton, endPointButton})
    w->show();
  stepCaption->show();
  stepEdit->show();
  checkButton->hide();
  // Lists not made yet are hidden already.
  for (const auto* list : AnswerLists())
    if (list->Made()) (*list)->hide();
  testButton->show();
}

void TQuorvel::BtestClick() {
  Guarded([this] {
    auto* planes = app::PlaneCommands::Of(*this);
    if (planes != nullptr) planes->LeaveForLine();
    ocultarbotones();
    Apply(quiz::NewExercise(painter_, scene_, quiz_));
    // A plane exercise is a plane: its entry shows it, and "P" cannot leave it.
    if (planes != nullptr) planes->FollowScene();
  });
}

void TQuorvel::comprobarTestClick() {
  // The focus goes to TEST before "comprobar" hides: otherwise it would fall on
  // the step with its text selected, where one stray key stops the arrows.
  testButton->setFocus();
  Guarded([this] { Apply(quiz::CheckAnswer(painter_, scene_, quiz_, Choices())); });
  for (app::CommandGroup* group : groups_) Guarded([group] { group->AnswerChecked(); });
}
