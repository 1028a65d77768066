// A command-line run as a user types it, inside a fresh folder of its own, with the
// drawing layer reset before and after.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/CommandLine.h"
#include "delgraph/delgraph.h"

namespace clitest {

struct Outcome {
  int status;
  QString out, err;
};

class InTempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    delgraph::ResetDelgraph();
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  }
  void TearDown() override {
    QDir::setCurrent(previous_);
    delgraph::ResetDelgraph();
  }
  static Outcome Execute(const QStringList& arguments) {
    Outcome r;
    {
      QTextStream out(&r.out), err(&r.err);
      r.status = cli::Execute(QStringList{"quorvel"} + arguments, out, err);
    }
    return r;
  }
  static int Status(const QStringList& arguments) { return Execute(arguments).status; }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

}  // namespace clitest
