// Qt's own dialogs (save, print) in Spanish: Qt's translation is installed only while
// such a dialog is open, so nothing else in the window changes language.
#pragma once

#include <QTranslator>

namespace app {

// Lives as long as the dialog it covers; without Qt's translations installed, the
// dialog keeps Qt's own texts.
class SpanishDialogTexts {
 public:
  SpanishDialogTexts();
  ~SpanishDialogTexts();
  SpanishDialogTexts(const SpanishDialogTexts&) = delete;
  SpanishDialogTexts& operator=(const SpanishDialogTexts&) = delete;

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace app
