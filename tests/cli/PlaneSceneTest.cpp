// The scenes with a plane and --describe: each combination of scene options reads as
// its kind (planes in the order typed), refused ones say why, and the description
// of each kind, of a list and of a run without a platform.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "delgraph/ShippedPalette.h"
#include "render/Export.h"

namespace {

using PlaneScene = clitest::InTempFolder;
using F = scene::Figure;

void WriteText(const char* name, const QByteArray& text) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

TEST_F(PlaneScene, ExportsALineWithAPlaneAndTwoPlanesInTheOrderTypedAndRefusesTheRest) {
  delgraph::ApplyShippedPalette(palette);
  const auto drawn = [this](const char* file, const render::SceneSpec& picture) {
    return QImage(file).convertToFormat(QImage::Format_RGB32) ==
           render::RenderImage(picture, palette, 1);
  };
  ASSERT_EQ(Status({"--export", "rp.png", "--plane-intercepts", "60,45,50",
                    "--line=-30,10,10:40,50,60", "--construction"}),
            0);
  render::SceneSpec rp{F::kLinePlane, {60, 0, 0},    {0, 45, 0},   false, false, false, false,
                       {0, 0, 50},    {-30, 10, 10}, {40, 50, 60}, {},    true,  false};
  EXPECT_TRUE(drawn("rp.png", rp));
  rp.construction = false;
  EXPECT_FALSE(drawn("rp.png", rp));
  // β is the plane typed second, whichever option gives it.
  ASSERT_EQ(Status({"--export", "pp.png", "--plane-intercepts", "30,40,inf",
                    "--plane=60,0,0:0,45,0:0,0,50", "--notable-lines"}),
            0);
  const render::SceneSpec pp{F::kTwoPlanes, {30, 0, 0}, {0, 40, 0}, false,      false, false, false,
                             {30, 0, 50},   {60, 0, 0}, {0, 45, 0}, {0, 0, 50}, false, true};
  EXPECT_TRUE(drawn("pp.png", pp));

  const struct {
    QStringList arguments;
    const char* fault;
  } bad[] = {
      {{"--point", "1,2,3", "--line=1,2,3:4,5,6", "--plane-intercepts", "1,2,3"}, "no las dos"},
      {{"--line=1,2,3:4,5,6", "--plane-intercepts", "1,2,3", "--plane-intercepts", "1,2,3"},
       "dé una sola escena"},
      {{"--plane-intercepts", "1,2,3", "--plane-intercepts", "1,2,3", "--plane=1,0,0:0,1,0:0,0,1"},
       "dé a lo sumo dos planos (--plane o --plane-intercepts)"},
      {{"--plane-intercepts", "1,2,3", "--line=1,2,3:4,x,6"}, "--line (E): «x» no es un"},
      {{"--plane-intercepts", "1,2,3", "--plane=1,0,0:0,1,0:0,0"}, "--plane (F): hacen falta 3"},
  };
  for (const auto& b : bad) {
    for (const QStringList& run : {QStringList{"--describe"}, QStringList{"--export", "x.png"}}) {
      const clitest::Outcome r = Execute(run + b.arguments);
      EXPECT_EQ(r.status, cli::ExitBadInput);
      EXPECT_TRUE(r.err.contains(QString::fromUtf8(b.fault)) && r.out.isEmpty())
          << r.err.toStdString();
    }
  }
  EXPECT_FALSE(QFile::exists("x.png"));
  EXPECT_TRUE(Execute({"--describe", "--point", "1,2,3", "--visibility"})
                  .err.contains("--visibility no sirve con --describe"));
  EXPECT_TRUE(Execute({"--describe", "--export", "x.png", "--worksheet-file", "l.txt"})
                  .err.contains("--worksheet-file no sirve con --export"));
}

TEST_F(PlaneScene, DescribesEveryKindExactly) {
  const struct {
    QStringList arguments;
    const char* json;
  } rows[] = {
      {{"--point", "20,40,30"},
       R"({"figura": "punto", "nombres": ["Primer Cuadrante"], "códigos": [1]})"},
      {{"--line=-40,30,20:50,-20,60"},
       R"({"figura": "recta", "nombres": ["OBLICUA", "/ AL H,V Y L.T."], "códigos": [6, 4]})"},
      {{"--plane-intercepts", "60,45,50"},
       R"({"figura": "plano", "nombres": ["OBLICUO"], "códigos": [8]})"},
      {{"--point", "0,0,50", "--plane-intercepts", "60,45,50"},
       R"({"figura": "punto y plano", "nombres": ["PERTENECE AL PLANO"], "códigos": [1], )"
       R"("pertenece": true})"},
      {{"--point", "0,0,50", "--plane=1,1,1:2,2,2:3,3,3"},
       R"({"figura": "punto y plano", "nombres": ["NO DEFINEN UN PLANO"], "códigos": [10], )"
       R"("pertenece": null})"},
      // H, and a line across the whole 32-bit range meeting it at t = 2^31 / (2^32 - 1).
      {{"--plane=0,0,0:1,0,0:0,1,0", "--line=-2147483648,0,-2147483648:2147483647,1,2147483647"},
       R"({"figura": "recta y plano", "nombres": ["SECANTE AL PLANO"], "códigos": [3], )"
       R"("relación": "secante", "I": ["0", "2147483648/4294967295", "0"]})"},
      // n1 = (15, 20, 18), n2 = (4, 3, 0); H where 3x + 4y = 180 meets 4x + 3y = 120.
      {{"--plane-intercepts", "60,45,50", "--plane-intercepts", "30,40,inf"},
       R"({"figura": "dos planos", "nombres": ["SECANTES", "i: OBLICUA"], "códigos": [1, 6], )"
       R"("relación": "secantes", "intersección": {"dirección": [54, -72, 35], )"
       R"("H": ["-60/7", "360/7", "0"], "V": ["30", "0", "25"]}})"},
  };
  for (const auto& row : rows) {
    const clitest::Outcome r = Execute(QStringList{"--describe"} + row.arguments);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QString::fromUtf8(row.json) + '\n');
  }
  // With --export, the file and the same description.
  const clitest::Outcome r = Execute({"--export", "p.svg", "--describe", "--point", "20,40,30"});
  EXPECT_TRUE(r.status == 0 && QFile::exists("p.svg"));
  EXPECT_EQ(r.out, QString::fromUtf8(rows[0].json) + '\n');
}

TEST_F(PlaneScene, DescribesAListLineByLineBeyondTheSheetsLimits) {
  QByteArray list =
      "A(60,0,0) B(0,45,0) C(0,0,50) p(0,0,50) # P\n"
      "A(60,0,0) B(0,45,0) C(0,0,50) D(0,0,0) E(1,1,1)\n"
      "A(60,0,0) B(0,45,0) C(0,0,50) D(30,0,0) E(0,40,0) F(30,0,1)\n";
  for (int k = 0; k < 200; ++k) list += "A(2147483647,-2147483648,0)\n";
  WriteText("l.txt", list);
  clitest::Outcome r = Execute({"--describe", "--worksheet-file", "l.txt"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QStringList lines = r.out.split('\n');
  ASSERT_EQ(lines.size(), 204);  // and an empty one after the last end of line
  EXPECT_TRUE(lines[0].endsWith(R"("pertenece": true})"));
  EXPECT_TRUE(lines[1].endsWith(R"("I": ["900/53", "900/53", "900/53"]})"));
  EXPECT_TRUE(lines[2].contains(R"("relación": "secantes")"));
  EXPECT_EQ(lines[202],
            R"({"figura": "punto", "nombres": ["Horizontal Poster."], "códigos": [6]})");
  WriteText("big.txt", "A(2147483647,-2147483648,0)\n");
  EXPECT_TRUE(Execute({"--worksheet-file", "big.txt", "-o", "h.pdf"})
                  .err.contains("queda fuera del dibujo"));  // a sheet keeps its limits

  const char* const bad[][2] = {
      {"A(1,0,0) B(0,1,0) C(0,0,1) D(1,1,1)", "se esperaba «E(», pero la línea termina"},
      {"A(1,0,0) B(0,1,0) C(0,0,1) P(1,1,1) E(2,2,2)", "se esperaba el final de la línea"},
      {"A(21474836470,0,0)", "(21474836470) está fuera de rango: de -2147483648"},
  };
  for (const auto& b : bad) {
    WriteText("b.txt", b[0]);
    r = Execute({"--describe", "--worksheet-file", "b.txt"});
    EXPECT_TRUE(r.status == cli::ExitBadInput && r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(b[1]))) << r.err.toStdString();
  }
}

// The program itself: a description needs no platform, even from a list.
TEST_F(PlaneScene, TheProgramDescribesWithoutAPlatform) {
  WriteText("l.txt", "A(1,2,3)\n");
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.insert("QT_QPA_PLATFORM", "none-such");  // a platform made would abort the run
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(QUORVEL_EXE, {"--describe", "--worksheet-file", "l.txt"});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_TRUE(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0);
  EXPECT_EQ(p.readAllStandardOutput(),
            R"({"figura": "punto", "nombres": ["Primer Cuadrante"], "códigos": [1]})"
            "\n");
}

}  // namespace

// Off, a sheet of planes asks only their types; --plane-figures deals the figures with
// a plane in too, into the Moodle bank as into the sheet.
TEST_F(PlaneScene, PlaneFiguresComeOnlyWhenAsked) {
  for (const bool figures : {false, true}) {
    const QString bank = figures ? "b1.xml" : "b0.xml";
    QStringList args{"--worksheet", "8", "--kind", "planos",
                     "--seed",      "7", "-o",     figures ? "h1.pdf" : "h0.pdf",
                     "--moodle",    bank};
    if (figures) args << "--plane-figures";
    ASSERT_EQ(Status(args), 0);
    QFile file(bank);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    EXPECT_EQ(xml.contains(QStringLiteral("¿Pertenece P al plano?")), figures);
    EXPECT_EQ(xml.contains(QStringLiteral("¿Cómo son los planos?")), figures);
  }
}
