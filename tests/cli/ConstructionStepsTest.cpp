// --construction-steps: a file a step (PNG, SVG) or a page a step (PDF), each the
// step drawn with its sentence; "pasos" in --describe; uses refused with status 2.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "delgraph/ShippedPalette.h"
#include "render/ConstructionSteps.h"

namespace {

using Steps = clitest::InTempFolder;

QStringList Files() {
  return QDir().entryList(QDir::Files | QDir::Hidden);
}

TEST_F(Steps, WritesAFileOrAPageAStepReplacingAsExportDoes) {
  delgraph::ApplyShippedPalette(palette);
  QFile old("r-2.png");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("viejo") == 5);
  old.close();
  const clitest::Outcome r =
      Execute({"--export", "r.png", "--construction-steps", "--line=-40,30,20:50,-20,60"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(Files(), (QStringList{"r-1.png", "r-2.png", "r-3.png", "r-4.png"}));
  const render::SceneSpec line{scene::Figure::kLine, {-40, 30, 20}, {50, -20, 60}};
  for (std::size_t n = 1; n <= 4; ++n)
    EXPECT_EQ(QImage(render::StepFileName("r.png", n)).convertToFormat(QImage::Format_RGB32),
              render::RenderStepImage(line, palette, 1, n))
        << n;

  const QStringList planes{"--construction-steps", "--plane-intercepts", "60,45,50",
                           "--plane-intercepts", "30,40,inf"};
  ASSERT_EQ(Status(QStringList{"--export", "dos.svg"} + planes), 0);
  EXPECT_TRUE(QFile::exists("dos-3.svg") && !QFile::exists("dos-4.svg"));
  ASSERT_EQ(Status(QStringList{"--export", "dos.pdf"} + planes), 0);
  QFile pdf("dos.pdf");
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page\\b")), 3);
}

TEST_F(Steps, DescribeAddsTheSentencesLastOnlyWhenAsked) {
  QFile list("l.txt");
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write("A(10,20,30)\nA(-40,30,20) B(50,-20,60)\n");
  list.close();
  const auto lines = [](QStringList arguments) {
    return Execute(arguments << "--describe"
                             << "--worksheet-file"
                             << "l.txt")
        .out.split('\n', Qt::SkipEmptyParts);
  };
  const QStringList plain = lines({}), steps = lines({"--construction-steps"});
  ASSERT_EQ(steps.size(), 2);
  EXPECT_EQ(steps[0], plain[0].chopped(1) + ", \"pasos\": []}");
  EXPECT_TRUE(steps[1].startsWith(plain[1].chopped(1) + ", \"pasos\": [\"1. Se prolonga r' ") &&
              steps[1].endsWith(", \"4. La perpendicular a L.T. por v corta a r' en v', la traza "
                                "vertical.\"]}"))
      << steps[1].toStdString();
}

TEST_F(Steps, BadUsesExitTwoWithAMessageAndWriteNothing) {
  const struct {
    QStringList arguments;
    const char* says;
  } rows[] = {
      {{"--export", "p.png", "--point", "1,2,3"}, "la figura (punto) no tiene construcción"},
      {{"--export", "p.png", "--line=1,2,3:1,2,3"}, "A y B coinciden: no hay recta."},
      {{"--export", "p.png", "--plane-intercepts", "60,45,50", "--plane-intercepts", "60,45,50"},
       "α y β coinciden"},
      {{"--worksheet", "2", "-o", "h.pdf"}, "--construction-steps no sirve con --worksheet"},
  };
  for (const auto& row : rows) {
    const clitest::Outcome r = Execute(row.arguments + QStringList{"--construction-steps"});
    EXPECT_EQ(r.status, cli::ExitBadInput) << row.says;
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.says))) << r.err.toStdString();
  }
  EXPECT_EQ(Files(), QStringList{});
}

}  // namespace
