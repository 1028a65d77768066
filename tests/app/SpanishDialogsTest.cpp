// The real dialogs, answered by a timer: an error box speaks Spanish from the first
// one, and the sheet dialog's fields take the keyboard in the order they are shown.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "app/Dialogs.h"

namespace {

// Runs look on the first modal dialog to open, then closes it.
void OnFirstModal(std::function<void(QWidget*)> look) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, look] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    timer->stop();
    timer->deleteLater();
    look(dialog);
    if (auto* d = qobject_cast<QDialog*>(dialog)) d->reject();
  });
  timer->start(10);
}

TEST(SpanishDialogsTest, FirstErrorBoxAlreadyHasSpanishButtons) {
  app::SpanishDialogs dialogs;
  QStringList buttons;
  OnFirstModal([&buttons](QWidget* box) {
    for (QAbstractButton* b : box->findChildren<QAbstractButton*>()) buttons << b->text();
  });
  dialogs.ShowError(nullptr, QStringLiteral("No se pudo guardar «x.png»."));
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(buttons[0].remove('&'), QStringLiteral("Aceptar"));
}

TEST(SpanishDialogsTest, SheetDialogTakesTheKeyboardInTheOrderItShows) {
  app::SpanishDialogs dialogs;
  QList<QWidget*> shown, order;
  OnFirstModal([&](QWidget* dialog) {
    const auto* form = dialog->findChild<QFormLayout*>();
    ASSERT_NE(form, nullptr);
    for (int row = 0; row < form->rowCount(); ++row)
      shown << form->itemAt(row, QFormLayout::FieldRole)->widget();
    // Each field once, the first time the focus chain enters it.
    QWidget* w = shown.front();
    for (int k = 0; k < 100 && order.size() < shown.size(); ++k, w = w->nextInFocusChain()) {
      if (!(w->focusPolicy() & Qt::TabFocus)) continue;
      for (QWidget* field : shown)
        if ((field == w || field->isAncestorOf(w)) && !order.contains(field)) order << field;
    }
  });
  EXPECT_FALSE(dialogs.AskWorksheet(nullptr).has_value());
  ASSERT_EQ(shown.size(), 5);
  EXPECT_EQ(order, shown);
}

}  // namespace
