// The four piece pictures that the game loads from Images/ at run time, and the 24-bit
// BMP encoding they are stored in.
//
// A piece is a shaded disc on the light grey of the dark cells, 50 x 50 px. The 7 x 7
// block of pixels centred on pixel (25, 25) is one flat colour per piece, so that a
// program reading the screen can tell a cell's content from its centre pixel alone.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>

#include <array>

namespace jumpline::pictures {

enum class PieceKind { Red, Black, RedKing, BlackKing };

inline constexpr std::array AllPieceKinds{PieceKind::Red, PieceKind::Black, PieceKind::RedKing,
                                          PieceKind::BlackKing};

inline constexpr int PieceSize = 50;
inline constexpr QRgb CellGrey = qRgb(192, 192, 192);

// The crown that marks a king, in the piece's pixel space (x right, y down, the piece's
// centre at (25.5, 25.5)). The icon draws the same crown at other sizes.
struct CrownPoint {
    double x;
    double y;
};
inline constexpr std::array<CrownPoint, 7> CrownBody{{
    {17.0, 33.0}, {13.5, 16.5}, {19.5, 23.5}, {25.5, 12.0}, {31.5, 23.5}, {37.5, 16.5}, {34.0, 33.0},
}};
inline constexpr double CrownBandTop = 30.5;    // the band runs the crown's width below this
inline constexpr double CrownBandBottom = 35.0;
inline constexpr double CrownBandLeft = 16.5;
inline constexpr double CrownBandRight = 34.5;
inline constexpr double CrownBallRadius = 2.0;   // a ball on each of the three points
inline constexpr std::array<CrownPoint, 3> CrownJewels{{{20.5, 32.75}, {25.5, 32.75}, {30.5, 32.75}}};
inline constexpr double CrownJewelRadius = 1.3;

// "Red.bmp", "Black.bmp", "RedKing.bmp" or "BlackKing.bmp".
const char *pieceFileName(PieceKind kind);

// The flat colour of the piece's centre block.
QRgb pieceCentreColour(PieceKind kind);

// Draws the piece pixel by pixel with 4 x 4 supersampling; the result is the same on
// every run and every machine, so the committed files can be checked against it.
QImage drawPiece(PieceKind kind);

// An uncompressed, bottom-up 24-bit Windows BMP (BITMAPINFOHEADER) of the image.
QByteArray encodeBmp24(const QImage &image);

} // namespace jumpline::pictures
