// The palette file: loading, saving, failures and the file the program ships.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

#include "Pixels.h"
#include "delgraph/ShippedPalette.h"

using namespace delgraph;

namespace {

class PaletteFileTest : public DelgraphFolderTest {
 protected:
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // Bytes 1, 2, 3, ... so every entry differs.
  static QByteArray Counting(int size) {
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>(i + 1);
    return bytes;
  }
  template <class Routine>
  std::string MessageOf(Routine routine, const std::string& name) {
    try {
      routine(g.palette, name);
    } catch (const FileError& e) {
      return e.what();
    }
    return "no error";
  }
};

TEST_F(PaletteFileTest, RecordsBecomePaletteColours) {
  QByteArray bytes(48, 0);
  bytes[15] = 10;
  bytes[16] = 20;
  bytes[17] = 30;
  Write("pruebas.pal", bytes);
  LoadPaletteFile(g.palette, "pruebas.pal");
  EXPECT_EQ(g.PaletteColor(5), MakeColorValue(10, 20, 30));
  EXPECT_EQ(g.palette.rgb[5].green, 20);
  EXPECT_EQ(g.PaletteColor(6), 0u);
}

TEST_F(PaletteFileTest, LongerFileLoadsItsFirst48Bytes) {
  Write("pruebas.pal", Counting(60));
  LoadPaletteFile(g.palette, "pruebas.pal");
  EXPECT_EQ(g.PaletteColor(15), MakeColorValue(46, 47, 48));
}

TEST_F(PaletteFileTest, ShortFileAppliesWholeRecordsThenFails) {
  Write("pruebas.pal", Counting(47));
  EXPECT_EQ(MessageOf(LoadPaletteFile, "pruebas.pal"), "Read beyond end of file");
  EXPECT_EQ(g.PaletteColor(0), MakeColorValue(1, 2, 3));
  EXPECT_EQ(g.PaletteColor(14), MakeColorValue(43, 44, 45));
  EXPECT_EQ(g.PaletteColor(15), MakeColorValue(252, 252, 252));  // untouched
  EXPECT_EQ(g.palette.rgb[15].red, 0);
  // The failed load left the file closed: it can be replaced and read again.
  ASSERT_TRUE(QFile::remove("pruebas.pal"));
  Write("pruebas.pal", QByteArray(48, 7));
  LoadPaletteFile(g.palette, "pruebas.pal");
  EXPECT_EQ(g.PaletteColor(15), MakeColorValue(7, 7, 7));
}

TEST_F(PaletteFileTest, MissingFileOrFolderFails) {
  EXPECT_EQ(MessageOf(LoadPaletteFile, "pruebas.pal"), "File not found");
  ASSERT_TRUE(QDir().mkdir("pruebas.pal"));
  EXPECT_EQ(MessageOf(LoadPaletteFile, "pruebas.pal"), "File access denied");
  for (int i = 0; i < 16; ++i) EXPECT_EQ(g.PaletteColor(i), g.palette.active.colors[i]);
  EXPECT_EQ(g.PaletteColor(4), 0x0000A8u);
}

TEST_F(PaletteFileTest, OnlyTheLastNameComponentCounts) {
  ASSERT_TRUE(QDir().mkpath("sub"));
  Write("sub/pruebas.pal", QByteArray(48, 9));
  EXPECT_EQ(MessageOf(LoadPaletteFile, "sub/pruebas.pal"), "File not found");
  Write("pruebas.pal", QByteArray(48, 5));
  for (const char* name :
       {"sub/pruebas.pal", "C:\\datos\\pruebas.pal", "C:pruebas.pal", "/etc/sub\\x/pruebas.pal"}) {
    g = Graphics{};
    LoadPaletteFile(g.palette, name);
    EXPECT_EQ(g.PaletteColor(1), MakeColorValue(5, 5, 5)) << name;
  }
  SavePaletteFile(g.palette, "nowhere/at/all/otro.pal");
  EXPECT_EQ(Read("otro.pal").size(), 48);
}

// The running test program cannot be opened for writing (the system says the file is
// busy, even to root), so it stands in for a write-protected palette.
TEST_F(PaletteFileTest, WriteProtectedFileLoads) {
  const QFileInfo self(QCoreApplication::applicationFilePath());
  ASSERT_TRUE(QDir::setCurrent(self.absolutePath()));
  LoadPaletteFile(g.palette, self.fileName().toStdString());
  EXPECT_EQ(g.palette.rgb[0].red, 0x7F);  // the program's own first bytes
  EXPECT_EQ(g.palette.rgb[0].green, 'E');
  EXPECT_EQ(g.palette.rgb[0].blue, 'L');
}

TEST_F(PaletteFileTest, SaveAndLoadRoundTrip) {
  for (int i = 0; i < 16; ++i) g.palette.SetEntry(i, 16 * i, 255 - i, 3 * i + 1);
  SavePaletteFile(g.palette, "pruebas.pal");
  const QByteArray bytes = Read("pruebas.pal");
  ASSERT_EQ(bytes.size(), 48);
  EXPECT_EQ(static_cast<unsigned char>(bytes[3 * 7 + 1]), 248);
  const PaletteRecord saved = g.palette.active;
  g = Graphics{};
  LoadPaletteFile(g.palette, "pruebas.pal");
  for (int i = 0; i < 16; ++i) EXPECT_EQ(g.PaletteColor(i), saved.colors[i]) << i;
  // Saving again over the file replaces it whole.
  g.palette.SetEntry(0, 1, 1, 1);
  SavePaletteFile(g.palette, "pruebas.pal");
  EXPECT_EQ(Read("pruebas.pal").left(3), QByteArray(3, 1));
  EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{"pruebas.pal"});
}

TEST_F(PaletteFileTest, SaveAfterStartUpWritesZerosExceptEntriesSet) {
  g.palette.SetEntry(2, 1, 2, 3);
  SavePaletteFile(g.palette, "pruebas.pal");
  QByteArray expected(48, 0);
  expected[6] = 1;
  expected[7] = 2;
  expected[8] = 3;
  EXPECT_EQ(Read("pruebas.pal"), expected);
  LoadPaletteFile(g.palette, "pruebas.pal");
  EXPECT_EQ(g.PaletteColor(5), 0u);
  EXPECT_EQ(g.PaletteColor(2), MakeColorValue(1, 2, 3));
}

TEST_F(PaletteFileTest, FailedSaveReportsAccessDeniedAndTouchesNothing) {
  ASSERT_TRUE(QDir().mkdir("pruebas.pal"));
  Write("pruebas.pal/keep.txt", "keep");
  g.palette.SetEntry(0, 250, 250, 255);
  EXPECT_EQ(MessageOf(SavePaletteFile, "pruebas.pal"), "File access denied");
  EXPECT_TRUE(QFileInfo("pruebas.pal").isDir());
  EXPECT_EQ(QDir("pruebas.pal").entryList(QDir::Files), QStringList{"keep.txt"});
  EXPECT_EQ(Read("pruebas.pal/keep.txt"), QByteArray("keep"));
  EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{});
}

// data/pruebas.pal is what make_palette writes: the default colours with colour 0
// the drawing area's pale background.
TEST_F(PaletteFileTest, ShippedPaletteFile) {
  const unsigned char expected[48] = {250, 250, 255, 0,   0,  168, 0,   168, 0,  0,   168, 168,
                                      168, 0,   0,   168, 0,  168, 252, 84,  0,  168, 168, 168,
                                      84,  84,  84,  84,  84, 252, 84,  252, 84, 84,  252, 252,
                                      252, 84,  84,  252, 84, 252, 252, 252, 84, 252, 252, 252};
  const QByteArray expectedBytes(reinterpret_cast<const char*>(expected), 48);
  const QString shipped = QStringLiteral(QUORVEL_DATA_DIR "/pruebas.pal");
  EXPECT_EQ(Read(shipped), expectedBytes);

  ApplyShippedPalette(g.palette);
  SavePaletteFile(g.palette, "pruebas.pal");
  EXPECT_EQ(Read("pruebas.pal"), expectedBytes);
  LoadPaletteFile(g.palette, "pruebas.pal");
  EXPECT_EQ(g.PaletteColor(0), MakeColorValue(250, 250, 255));
  EXPECT_EQ(g.PaletteColor(6), MakeColorValue(252, 84, 0));
}

}  // namespace
