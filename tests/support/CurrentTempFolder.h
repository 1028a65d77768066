// A fresh temporary folder that is the process's current one from Enter() until it
// goes, so that files a test reads or writes by name are its own.
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

class CurrentTempFolder {
 public:
  bool Enter() {
    previous_ = QDir::currentPath();
    return dir_.isValid() && QDir::setCurrent(dir_.path());
  }
  ~CurrentTempFolder() {
    if (!previous_.isEmpty()) QDir::setCurrent(previous_);
  }

 private:
  QTemporaryDir dir_;
  QString previous_;
};
