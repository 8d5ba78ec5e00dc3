#include "Pieces.h"

#include <QtEndian>

#include <algorithm>
#include <cassert>
#include <cmath>

namespace jumpline::pictures {
namespace {

constexpr double Centre = 25.5;      // the centre of pixel (25, 25)
constexpr double DiscRadius = 22.0;  // leaves at least two grey pixels at every edge
constexpr double FaceRadius = 18.5;  // inside: the top face; outside: the bevelled rim
constexpr double BossRadius = 6.0;   // the flat centre of a man
constexpr double OutlineWidth = 0.9; // dark line round the crown
constexpr int Samples = 4;           // per pixel and axis

struct Rgb {
    double r;
    double g;
    double b;
};

Rgb operator*(Rgb c, double k) { return {c.r * k, c.g * k, c.b * k}; }
Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

Rgb fromQRgb(QRgb c) { return {double(qRed(c)), double(qGreen(c)), double(qBlue(c))}; }

struct Palette {
    Rgb base;      // the disc's own colour, lit straight from above
    Rgb highlight; // the colour of the shine
    double shine;  // how strong the shine is
    QRgb centre;   // the flat centre block
    Rgb crownLine; // kings only: outline of the crown and the line above its band
    Rgb jewel;     // kings only
};

Palette paletteOf(PieceKind kind)
{
    const Palette red{{150, 14, 14}, {255, 190, 180}, 0.55, qRgb(200, 30, 30), {}, {}};
    const Palette black{{34, 34, 34}, {200, 200, 200}, 0.85, qRgb(30, 30, 30), {}, {}};
    switch (kind) {
    case PieceKind::Red:
        return red;
    case PieceKind::Black:
        return black;
    case PieceKind::RedKing: {
        Palette p = red;
        p.centre = qRgb(255, 215, 0);
        p.crownLine = {110, 60, 0};
        p.jewel = {150, 0, 0};
        return p;
    }
    case PieceKind::BlackKing: {
        Palette p = black;
        p.centre = qRgb(235, 235, 235);
        p.crownLine = {70, 70, 70};
        p.jewel = {30, 30, 30};
        return p;
    }
    }
    assert(false);
    return red;
}

double distanceToSegment(double x, double y, CrownPoint a, CrownPoint b)
{
    const double ex = b.x - a.x;
    const double ey = b.y - a.y;
    const double t = std::clamp(((x - a.x) * ex + (y - a.y) * ey) / (ex * ex + ey * ey), 0.0, 1.0);
    return std::hypot(x - (a.x + t * ex), y - (a.y + t * ey));
}

// Signed distance to the crown's outline: negative inside, positive outside.
double crownDistance(double x, double y)
{
    // The body polygon: even-odd inside test and the nearest edge.
    bool inside = false;
    double edge = 1e9;
    for (std::size_t i = 0, j = CrownBody.size() - 1; i < CrownBody.size(); j = i++) {
        const CrownPoint a = CrownBody[j];
        const CrownPoint b = CrownBody[i];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
        edge = std::min(edge, distanceToSegment(x, y, a, b));
    }
    double d = inside ? -edge : edge;

    const double bandX = std::max(CrownBandLeft - x, x - CrownBandRight);
    const double bandY = std::max(CrownBandTop - y, y - CrownBandBottom);
    const double band = bandX > 0 || bandY > 0 ? std::hypot(std::max(bandX, 0.0), std::max(bandY, 0.0))
                                               : std::max(bandX, bandY);
    d = std::min(d, band);

    for (std::size_t tip : {std::size_t{1}, std::size_t{3}, std::size_t{5}})
        d = std::min(d, std::hypot(x - CrownBody[tip].x, y - CrownBody[tip].y) - CrownBallRadius);
    return d;
}

// The disc: a flat draughtsman with a bevelled rim and two engraved rings, lit from the
// top left.
Rgb discAt(const Palette &p, double dx, double dy, double r)
{
    double nx;
    double ny;
    if (r > FaceRadius) {
        const double tilt = 0.9;
        nx = dx / r * tilt;
        ny = dy / r * tilt;
    } else {
        const double dome = 0.014;
        nx = dx * dome;
        ny = dy * dome;
    }
    const double nLength = std::sqrt(nx * nx + ny * ny + 1.0);
    nx /= nLength;
    ny /= nLength;
    const double nz = 1.0 / nLength;

    const double lx = -0.45 / 1.25;
    const double ly = -0.6 / 1.25;
    const double lz = 1.0 / 1.25;
    const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);

    const double hLength = std::sqrt(lx * lx + ly * ly + (lz + 1.0) * (lz + 1.0));
    double spec = std::max(0.0, (nx * lx + ny * ly + nz * (lz + 1.0)) / hLength);
    for (int i = 0; i < 5; ++i) // spec^32, by squaring
        spec *= spec;

    Rgb c = p.base * (0.3 + 0.8 * diffuse) + p.highlight * (spec * p.shine);

    const auto ring = [r](double from, double to) { return r >= from && r < to; };
    if (ring(FaceRadius - 0.6, FaceRadius + 0.4) || ring(12.0, 12.9))
        c = c * 0.6;
    else if (ring(12.9, 13.6))
        c = c * 1.15;
    if (r > DiscRadius - 0.8)
        c = c * 0.55;
    return c;
}

Rgb sampleAt(PieceKind kind, const Palette &p, double x, double y)
{
    const double dx = x - Centre;
    const double dy = y - Centre;
    const double r = std::hypot(dx, dy);
    if (r > DiscRadius)
        return fromQRgb(CellGrey);

    const bool king = kind == PieceKind::RedKing || kind == PieceKind::BlackKing;
    if (!king) {
        if (r <= BossRadius)
            return fromQRgb(p.centre);
        Rgb c = discAt(p, dx, dy, r);
        if (r < BossRadius + 0.9)
            c = c * 0.55;
        return c;
    }

    const double crown = crownDistance(x, y);
    if (crown >= 0)
        return discAt(p, dx, dy, r);
    for (CrownPoint jewel : CrownJewels)
        if (std::hypot(x - jewel.x, y - jewel.y) < CrownJewelRadius)
            return p.jewel;
    if (crown > -OutlineWidth || (y >= CrownBandTop && y < CrownBandTop + 0.7 && crown < 0))
        return p.crownLine;
    return fromQRgb(p.centre);
}

int toByte(double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); }

} // namespace

const char *pieceFileName(PieceKind kind)
{
    switch (kind) {
    case PieceKind::Red:
        return "Red.bmp";
    case PieceKind::Black:
        return "Black.bmp";
    case PieceKind::RedKing:
        return "RedKing.bmp";
    case PieceKind::BlackKing:
        return "BlackKing.bmp";
    }
    assert(false);
    return "";
}

QRgb pieceCentreColour(PieceKind kind) { return paletteOf(kind).centre; }

QImage drawPiece(PieceKind kind)
{
    const Palette palette = paletteOf(kind);
    QImage image(PieceSize, PieceSize, QImage::Format_RGB32);
    for (int y = 0; y < PieceSize; ++y) {
        for (int x = 0; x < PieceSize; ++x) {
            Rgb sum{0, 0, 0};
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx)
                    sum = sum + sampleAt(kind, palette, x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples);
            const Rgb mean = sum * (1.0 / (Samples * Samples));
            image.setPixel(x, y, qRgb(toByte(mean.r), toByte(mean.g), toByte(mean.b)));
        }
    }
    return image;
}

QByteArray encodeBmp24(const QImage &image)
{
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = (width * 3 + 3) / 4 * 4; // rows are padded to whole 32-bit words
    const int fileHeader = 14;
    const int infoHeader = 40;
    const int pixelBytes = rowBytes * height;

    QByteArray bmp(fileHeader + infoHeader + pixelBytes, '\0');
    auto *out = reinterpret_cast<uchar *>(bmp.data());
    const auto put16 = [out](int at, int v) { qToLittleEndian<quint16>(quint16(v), out + at); };
    const auto put32 = [out](int at, int v) { qToLittleEndian<quint32>(quint32(v), out + at); };

    out[0] = 'B';
    out[1] = 'M';
    put32(2, int(bmp.size()));
    put32(10, fileHeader + infoHeader); // offset of the pixels
    put32(14, infoHeader);
    put32(18, width);
    put32(22, height); // positive: the bottom row comes first
    put16(26, 1);      // planes
    put16(28, 24);     // bits per pixel
    put32(30, 0);      // BI_RGB, uncompressed
    put32(34, pixelBytes);
    put32(38, 3780); // 96 dpi, in pixels per metre
    put32(42, 3780);

    for (int y = 0; y < height; ++y) {
        uchar *row = out + fileHeader + infoHeader + (height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const QRgb c = image.pixel(x, y);
            row[3 * x] = uchar(qBlue(c));
            row[3 * x + 1] = uchar(qGreen(c));
            row[3 * x + 2] = uchar(qRed(c));
        }
    }
    return bmp;
}

} // namespace jumpline::pictures
