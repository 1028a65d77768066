#include "app/Glyphs.h"

#include <QColor>

namespace {

// '.' transparent, '#' black outline, 'y' yellow.
using GlyphArt = const char* const[GlyphSize];

const GlyphArt UpArt = {
    "......#......",  //
    ".....#y#.....",  //
    "....#yyy#....",  //
    "...#yyyyy#...",  //
    "..#yyyyyyy#..",  //
    ".#yyyyyyyyy#.",  //
    "#####yyy#####",  // base of the head
    "....#yyy#....",  // three-pixel shaft
    "....#yyy#....",  //
    "....#yyy#....",  //
    "....#yyy#....",  //
    "....#yyy#....",  //
    "....#####....",  //
};

const GlyphArt AwayArt = {
    "......#......",  //
    ".....#y#.....",  //
    "....#yyy#....",  //
    "...#yyyyy#...",  //
    "..###yyy###..",  // base of the head
    "....#yyy#....",  // the shaft widens as it comes nearer
    "...#yyyyy#...",  //
    "...#yyyyy#...",  //
    "..#yyyyyyy#..",  //
    "..#yyyyyyy#..",  //
    ".#yyyyyyyyy#.",  //
    "#yyyyyyyyyyy#",  // full width at the bottom
    "#############",  //
};

const GlyphArt TowardArt = {
    ".....###.....",  // three pixels wide at the top edge
    "....#yyy#....",  //
    "...#yyyyy#...",  //
    "..#yyyyyyy#..",  //
    ".#yyyyyyyyy#.",  //
    ".#yyyyyyyyy#.",  //
    "#yyyyyyyyyyy#",  // widest in the middle row
    ".#yyyyyyyyy#.",  //
    "..#yyyyyyy#..",  //
    "...#yyyyy#...",  //
    "....#yyy#....",  //
    ".....#y#.....",  //
    "......#......",  // the point
};

QRgb ArtPixel(char c) {
  switch (c) {
    case '#':
      return qRgba(0, 0, 0, 255);
    case 'y':
      return qRgba(255, 255, 0, 255);
    default:
      return qRgba(0, 0, 0, 0);
  }
}

// Pixel (x, y) of the glyph, read from the art after turning it as the kind needs.
char ArtAt(ArrowGlyph kind, int x, int y) {
  const int last = GlyphSize - 1;
  switch (kind) {
    case ArrowGlyph::Up:
      return UpArt[y][x];
    case ArrowGlyph::Down:
      return UpArt[last - y][x];
    case ArrowGlyph::Left:
      return UpArt[x][y];
    case ArrowGlyph::Right:
      return UpArt[last - x][y];
    case ArrowGlyph::Away:
      return AwayArt[y][x];
    case ArrowGlyph::Toward:
      return TowardArt[y][x];
  }
  return '.';
}

}  // namespace

QImage MakeArrowGlyph(ArrowGlyph kind) {
  QImage image(GlyphSize, GlyphSize, QImage::Format_ARGB32);
  for (int y = 0; y < GlyphSize; ++y)
    for (int x = 0; x < GlyphSize; ++x) image.setPixel(x, y, ArtPixel(ArtAt(kind, x, y)));
  return image;
}
