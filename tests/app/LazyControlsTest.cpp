// The controls nothing shows at start are made on first use, as if made at start:
// at their place for the window's size, in their tab place, under "comprobar".
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "WindowFixture.h"

TEST_F(WindowTest, HiddenControlsAreMadeOnFirstUseInTheirPlaces) {
  StartWindow();
  for (const char* name : {"Memo1", "SpinEdit1", "ab", "SelPunto", "DefREcta", "SelPlano", "Label1",
                           "Button1", "Punto", "Cperfil"})
    EXPECT_EQ(window->findChild<QWidget*>(name), nullptr) << name;

  // A copy taken before the control exists stands for the same control.
  const app::LazyControl<QComboBox> relation = window->lineRelationAnswers;
  window->resize(2 * 1036, 2 * 541);
  QComboBox* point = window->pointAnswers;
  EXPECT_EQ(relation.get(), window->lineRelationAnswers.get());
  EXPECT_EQ(window->findChildren<QComboBox*>().size(), 4);  // the plane list too
  EXPECT_FALSE(point->isVisible());
  // The lists lie on the row of "Paso:", which moved with the larger drawing.
  EXPECT_EQ(point->pos(), window->stepCaption->pos());
  EXPECT_EQ(window->testButton->nextInFocusChain(), point);
  const QObjectList& children = window->children();
  EXPECT_LT(children.indexOf(window->lineRelationAnswers.get()),
            children.indexOf(window->checkButton));

  // A debugging button still runs its handler.
  window->Button1->click();
  EXPECT_EQ(window->Memo1->document()->blockCount(), 16);
}
