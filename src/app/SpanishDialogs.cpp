#include "app/SpanishDialogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace app {

SpanishDialogTexts::SpanishDialogTexts() {
  if (translator_.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    installed_ = QCoreApplication::installTranslator(&translator_);
  }
}

SpanishDialogTexts::~SpanishDialogTexts() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace app
