// A command-line run as a user types it, inside a fresh folder of its own, with the
// drawing layer reset before and after.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli/CommandLine.h"
#include "delgraph/delgraph.h"
#include "support/CurrentTempFolder.h"

namespace clitest {

struct Outcome {
  int status;
  QString out, err;
};

class InTempFolder : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.Enter()); }
  static Outcome Execute(const QStringList& arguments) {
    Outcome r;
    {
      QTextStream out(&r.out), err(&r.err);
      r.status = cli::Execute(QStringList{"quorvel"} + arguments, out, err);
    }
    return r;
  }
  static int Status(const QStringList& arguments) { return Execute(arguments).status; }
  // The colours a test draws its expected pictures in.
  delgraph::Palette palette;

 private:
  CurrentTempFolder folder_;
};

}  // namespace clitest
