// The real dialogs, closed by a timer: an error box speaks Spanish from the first
// one, and the sheet dialog's fields take the keyboard in the order they are shown.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFormLayout>
#include <QTimer>
#include <functional>

#include "app/Dialogs.h"

namespace {

// Runs look on the first modal dialog to open, then closes it.
void OnFirstModal(const std::function<void(QWidget*)>& look) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, look] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      look(dialog);
      dialog->reject();
    }
  });
  timer->start(10);
}

TEST(SpanishDialogsTest, FirstErrorBoxHasSpanishButtonsAndSheetFieldsTabAsShown) {
  app::SpanishDialogs dialogs;
  QStringList buttons;
  OnFirstModal([&buttons](QWidget* box) {
    for (QAbstractButton* b : box->findChildren<QAbstractButton*>()) buttons << b->text();
  });
  dialogs.ShowError(nullptr, QStringLiteral("No se pudo guardar «x.png»."));
  EXPECT_EQ(buttons.join(',').remove('&'), QStringLiteral("Aceptar"));

  QList<QWidget*> shown, order;
  OnFirstModal([&](QWidget* dialog) {
    const auto* form = dialog->findChild<QFormLayout*>();
    for (int row = 0; row < form->rowCount(); ++row)
      shown << form->itemAt(row, QFormLayout::FieldRole)->widget();
    // Each field once, when the focus chain first enters it.
    QWidget* w = shown.front();
    for (int k = 0; k < 100; ++k, w = w->nextInFocusChain()) {
      for (QWidget* field : shown)
        if ((w->focusPolicy() & Qt::TabFocus) && (field == w || field->isAncestorOf(w)) &&
            !order.contains(field))
          order << field;
    }
  });
  EXPECT_FALSE(dialogs.AskWorksheet(nullptr).has_value());
  EXPECT_EQ(shown.size(), 5);
  EXPECT_EQ(order, shown);
}

}  // namespace
