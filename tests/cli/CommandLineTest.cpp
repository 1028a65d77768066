// The command line: every refused input names its fault, exits 2 and writes
// nothing; file faults exit 1; the program exports and helps without a display.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <vector>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "delgraph/QtCanvas.h"
#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "render/Export.h"

namespace {

using clitest::Outcome;

class CommandLineTest : public clitest::InTempFolder {
 protected:
  static QStringList Files() { return QDir().entryList(QDir::Files | QDir::Hidden); }
  static void WritePalette(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
};

TEST_F(CommandLineTest, BadInputNamesItsFaultExitsTwoAndWritesNothing) {
  const struct {
    QStringList arguments;
    QString message;
  } rows[] = {
      {{"--export", "a.png", "--point", "1,x,3"}, "--point: «x» no es un número entero"},
      {{"--export", "a.png", "--point", "1,2.5,3"}, "«2.5» no es un número entero"},
      {{"--export", "a.png", "--point", "1,2"},
       "hacen falta 3 coordenadas (X,Y,Z) y «1,2» tiene 2"},
      {{"--export", "a.png", "--line=1,2,3:4,5"}, "--line (B): hacen falta 3 coordenadas"},
      {{"--export", "a.png", "--line=1,2,3"}, "--line: hacen falta dos extremos"},
      {{"--export", "a.png", "--point", "1,2,3", "--line=1,2,3:4,5,6"},
       "dé --point o --line, no las dos"},
      {{"--export", "a.png"}, "falta la escena"},
      {{"--export", "a.jpg", "--point", "1,2,3"}, "extensión desconocida en «a.jpg»"},
      {{"--export", "a", "--point", "1,2,3"}, "extensión desconocida en «a»"},
      {{"--export", "a.png", "--point", "1,2,3", "--scale", "9"},
       "--scale: «9» está fuera de rango: de 1 a 8"},
      {{"--export", "a.png", "--point", "1,2,3", "--scale", "0"}, "--scale: «0»"},
      {{"--export", "a.png", "--point", "1,2,3", "--scale"}, "falta el valor de --scale"},
      {{"--export", "a.png", "--point", "1,2,3", "--point", "4,5,6"},
       "--point se da más de una vez"},
      {{"--export", "a.png", "--point", "1,2,3", "--profile=no"}, "--profile no lleva valor"},
      {{"--export", "a.png", "--point", "1,2,3", "b.png"}, "argumento de más: «b.png»"},
      {{"--export", "a.png", "--point", "1,2,3", "--colour"}, "opción desconocida: --colour"},
      {{"--point", "1,2,3"}, "falta --export"},
  };
  for (const auto& row : rows) {
    const Outcome r = Execute(row.arguments);
    EXPECT_EQ(r.status, cli::ExitBadInput) << row.arguments.join(' ').toStdString();
    EXPECT_TRUE(r.err.startsWith("quorvel: ") && r.err.contains(row.message))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
  }
  EXPECT_EQ(Files(), QStringList{});
}

TEST_F(CommandLineTest, FileFaultsExitOneAndLeaveTheTargetAlone) {
  WritePalette("a.png", "old");
  WritePalette("short.pal", QByteArray(47, '\1'));
  const struct {
    QStringList arguments;
    QString message;
  } rows[] = {
      {{"--palette", "none.pal"}, "no existe el archivo de paleta «none.pal»"},
      {{"--palette", "short.pal"}, "«short.pal» es demasiado corto"},
      {{"--palette", "."}, "no se puede leer el archivo de paleta «.»"},
  };
  for (const auto& row : rows) {
    const Outcome r = Execute(QStringList{"--export", "a.png", "--point", "1,2,3"} + row.arguments);
    EXPECT_EQ(r.status, cli::ExitFileError);
    EXPECT_TRUE(r.err.contains(row.message)) << r.err.toStdString();
  }
  QFile kept("a.png");
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "old");

  const Outcome r = Execute({"--export", "no/such/dir/a.svg", "--point", "1,2,3"});
  EXPECT_EQ(r.status, cli::ExitFileError);
  EXPECT_TRUE(r.err.contains("No se pudo guardar «a.svg»: la carpeta no existe."))
      << r.err.toStdString();
  // A broken pruebas.pal in the folder is reported, not passed over.
  WritePalette("pruebas.pal", "abc");
  EXPECT_EQ(Execute({"--export", "b.png", "--point", "1,2,3"}).status, cli::ExitFileError);
  EXPECT_FALSE(QFile::exists("b.png"));
}

TEST(CommandLineChoiceTest, OnlyOurOptionsKeepTheWindowFromStarting) {
  const auto wants = [](std::vector<const char*> args) {
    args.insert(args.begin(), "quorvel");
    return cli::WantsCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()));
  };
  EXPECT_FALSE(wants({}));
  EXPECT_FALSE(wants({"-visual", "x", "-style", "fusion", "--reverse"}));  // Qt's own
  EXPECT_TRUE(wants({"-h"}));
  EXPECT_TRUE(wants({"--version"}));
  EXPECT_TRUE(wants({"-style", "fusion", "--export=a.png"}));
}

// The program itself, with neither a display nor a platform named.
TEST_F(CommandLineTest, TheProgramHelpsAndExportsWithoutADisplay) {
  QByteArray palette;
  for (int k = 0; k < 16; ++k) palette += QByteArray(1, char(k)) + char(2 * k) + char(3 * k);
  WritePalette("mine.pal", palette);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  const auto program = [&env](const QStringList& arguments, QByteArray* out) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QUORVEL_EXE, arguments);
    p.waitForFinished(30000);
    *out = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  };
  QByteArray out;
  EXPECT_EQ(program({"--help"}, &out), 0);
  EXPECT_TRUE(out.startsWith("Uso: quorvel [OPCIÓN]...")) << out.toStdString();
  EXPECT_TRUE(out.contains("de un punto, de una recta\no de un plano.")) << "planes too";
  EXPECT_TRUE(out.contains("abscisa -") && !out.contains("abcisa"));  // the keys' list
  EXPECT_TRUE(out.contains("--line X,Y,Z:X,Y,Z"));
  EXPECT_EQ(program({"--version"}, &out), 0);
  EXPECT_TRUE(out.startsWith("quorvel ")) << out.toStdString();

  const QString png = QDir::current().filePath("punto.png");
  ASSERT_EQ(program({"--export", png, "--point", "20,40,30", "--scale", "2", "--palette",
                     QDir::current().filePath("mine.pal")},
                    &out),
            0);
  // Drawn with the palette file's colours, colour 0 as at start-up.
  delgraph::Palette colours;
  for (int k = 0; k < 16; ++k) colours.SetEntry(k, k, 2 * k, 3 * k);
  colours.SetEntry(0, 250, 250, 255);
  const QImage expected =
      render::RenderImage({scene::Figure::kPoint, {20, 40, 30}, {}, false, false}, colours, 2);
  EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), expected);
  EXPECT_EQ(expected.pixel(2 * 700, 2 * 193), qRgb(1, 2, 3));
}

}  // namespace
