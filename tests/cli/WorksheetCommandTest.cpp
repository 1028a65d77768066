// quorvel --worksheet: the pages a sheet has, the text it carries (repeatable from
// its seed, with the key the classification gives), and every refused input with
// its status and no file left behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/CommandLine.h"
#include "quiz/SheetExercises.h"
#include "render/WorksheetPdf.h"

namespace {

struct Outcome {
  int status = -1;
  QString out, err;
};

class WorksheetCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }

  static Outcome Execute(const QStringList& args) {
    Outcome r;
    QTextStream out(&r.out), err(&r.err);
    r.status = cli::Execute(QStringList{QStringLiteral("quorvel")} + args, out, err);
    return r;
  }
  Outcome Sheet(const QString& count, const QString& seed, const QString& name,
                const QStringList& more = {}) {
    return Execute(QStringList{"--worksheet", count, "--seed", seed, "-o", Path(name)} + more);
  }

  // poppler's tools read the file as any PDF reader would.
  static QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  static int Pages(const QString& pdf) {
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(Tool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
  }
  static QString Text(const QString& pdf) {
    return Tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  }

  QTemporaryDir dir;
};

TEST_F(WorksheetCommandTest, ThreeExercisesAPageThenTheKey) {
  const std::pair<int, int> counts[] = {{1, 2}, {3, 2}, {4, 3}, {60, 22}};
  for (const auto& [n, pages] : counts) {
    const QString name = QStringLiteral("h%1.pdf").arg(n);
    const Outcome r = Sheet(QString::number(n), "5", name);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Semilla: 5\n"));
    EXPECT_EQ(Pages(Path(name)), pages) << n;
    EXPECT_EQ(render::SheetPageCount(n), pages);
  }
  const QString text = Text(Path("h60.pdf"));
  EXPECT_TRUE(text.contains(QStringLiteral("Semilla 5 · página 22 de 22")));
  EXPECT_TRUE(text.contains(QStringLiteral("Ejercicio 60")));
}

TEST_F(WorksheetCommandTest, OneSeedGivesOneTextAndTheKeyOfItsExercises) {
  ASSERT_EQ(Sheet("4", "11", "a.pdf").status, 0);
  ASSERT_EQ(Sheet("4", "11", "b.pdf").status, 0);
  ASSERT_EQ(Sheet("4", "12", "c.pdf").status, 0);
  const QString a = Text(Path("a.pdf"));
  ASSERT_FALSE(a.isEmpty());
  EXPECT_EQ(a.toUtf8(), Text(Path("b.pdf")).toUtf8());
  EXPECT_NE(a, Text(Path("c.pdf")));

  EXPECT_TRUE(a.contains(QStringLiteral("Hoja de ejercicios de sistema diédrico")));
  EXPECT_TRUE(a.contains(QStringLiteral("Semilla 11 · página 1 de 3")));
  EXPECT_TRUE(a.contains(QStringLiteral("Soluciones")));
  const auto exercises = quiz::SheetExercises(4, 11, quiz::SheetKind::kMixed);
  int points = 0;
  for (int k = 0; k < 4; ++k) {
    const QString key = QString::fromStdString(quiz::KeyLine(k + 1, exercises[k]));
    EXPECT_TRUE(a.contains(key)) << key.toStdString();
    EXPECT_TRUE(a.contains(QStringLiteral("Ejercicio %1").arg(k + 1)));
    if (exercises[k].pointMode) ++points;
  }
  EXPECT_EQ(a.count(QStringLiteral("Situación: ")), points);
  EXPECT_EQ(a.count(QStringLiteral("Tipo: ")), 4 - points);
  EXPECT_EQ(a.count(QStringLiteral("Posición respecto de H, V y L.T.: ")), 4 - points);

  // A kind keeps to its answer lines.
  ASSERT_EQ(Sheet("6", "11", "p.pdf", {"--kind", "points"}).status, 0);
  const QString p = Text(Path("p.pdf"));
  EXPECT_EQ(p.count(QStringLiteral("Situación: ")), 6);
  EXPECT_FALSE(p.contains(QStringLiteral("Tipo: ")));

  // Without a seed, the one chosen is printed and is in the footer.
  const Outcome r = Execute({"--worksheet", "2", "-o", Path("r.pdf")});
  const auto m = QRegularExpression(QStringLiteral("^Semilla: (\\d+)\\n$")).match(r.out);
  ASSERT_TRUE(m.hasMatch()) << r.out.toStdString();
  EXPECT_TRUE(
      Text(Path("r.pdf")).contains(QStringLiteral("Semilla %1 · página").arg(m.captured(1))));
}

TEST_F(WorksheetCommandTest, RefusedInputWritesNothing) {
  struct Case {
    QStringList args;
    int status;
    const char* says;
  };
  const QString out = Path("x.pdf");
  QFile shortPalette(Path("corta.pal"));
  ASSERT_TRUE(shortPalette.open(QIODevice::WriteOnly));
  shortPalette.write(QByteArray(47, 'a'));
  shortPalette.close();
  const Case cases[] = {
      {{"--worksheet", "0", "-o", out}, 2, "--worksheet: «0»"},
      {{"--worksheet", "61", "-o", out}, 2, "de 1 a 60"},
      {{"--worksheet", "tres", "-o", out}, 2, "«tres»"},
      {{"--worksheet", "3", "--seed", "-1", "-o", out}, 2, "--seed: «-1»"},
      {{"--worksheet", "3", "--seed", "4294967296", "-o", out}, 2, "de 0 a 4294967295"},
      {{"--worksheet", "3", "--seed", "7.5", "-o", out}, 2, "--seed"},
      {{"--worksheet", "3", "--kind", "planos", "-o", out}, 2, "--kind: «planos»"},
      {{"--worksheet", "3", "-o", Path("x.png")}, 2, "no termina en .pdf"},
      {{"--worksheet", "3"}, 2, "falta -o"},
      {{"--worksheet", "3", "-o", Path("no/existe/x.pdf")}, 1, "«x.pdf»: la carpeta no existe"},
      {{"--worksheet", "3", "--palette", Path("falta.pal"), "-o", out}, 1, "falta.pal"},
      {{"--worksheet", "3", "--palette", Path("corta.pal"), "-o", out}, 1, "48"},
  };
  for (const Case& c : cases) {
    const Outcome r = Execute(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"corta.pal"});

  // A sheet that fails leaves the older file whole.
  QFile older(out);
  ASSERT_TRUE(older.open(QIODevice::WriteOnly));
  older.write("antes");
  older.close();
  EXPECT_EQ(Execute({"--worksheet", "3", "--palette", Path("falta.pal"), "-o", out}).status, 1);
  ASSERT_TRUE(older.open(QIODevice::ReadOnly));
  EXPECT_EQ(older.readAll(), QByteArray("antes"));
}

}  // namespace
