// The committed pictures: the piece bitmaps the game reads at run time, as the generator
// draws them, and the pictures compiled into the program.
#include "Pieces.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

using namespace jumpline::pictures;

const QString kSource = QStringLiteral(JUMPLINE_SOURCE_DIR "/");

// `centre`: what a screen reader finds at a dark cell's centre.
struct PieceCase { const char *file; PieceKind kind; QRgb centre; };

TEST(PieceBitmaps, AreTheGeneratorsDiscsOnGreyFiftySquareTwentyFourBit)
{
    const PieceCase cases[] = {
        {"Images/Red.bmp", PieceKind::Red, qRgb(200, 30, 30)},
        {"Images/Black.bmp", PieceKind::Black, qRgb(30, 30, 30)},
        {"Images/RedKing.bmp", PieceKind::RedKing, qRgb(255, 215, 0)},
        {"Images/BlackKing.bmp", PieceKind::BlackKing, qRgb(235, 235, 235)},
    };
    for (const PieceCase &c : cases) {
        SCOPED_TRACE(c.file);
        QFile file(kSource + QLatin1String(c.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bmp = file.readAll();
        EXPECT_EQ(bmp.left(2), "BM");
        EXPECT_EQ(bmp.mid(28, 6), QByteArray("\x18\0\0\0\0\0", 6)) << "24 bits a pixel, not compressed";
        EXPECT_EQ(bmp, encodeBmp24(drawPiece(c.kind)))
            << "regenerate with: cmake --build <build dir> --target draw_pictures";

        // 50 x 50 px: a grey surround two pixels wide, and a flat 7 x 7 block of its colour in the middle.
        const QImage image = QImage::fromData(bmp, "BMP");
        ASSERT_EQ(image.size(), QSize(50, 50));
        int wrong = 0;
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 50; ++x) {
                const bool edge = x < 2 || y < 2 || x >= 48 || y >= 48;
                const bool centre = x >= 22 && x <= 28 && y >= 22 && y <= 28;
                const QRgb wanted = edge ? qRgb(192, 192, 192) : centre ? c.centre : image.pixel(x, y);
                wrong += image.pixel(x, y) != wanted;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(CompiledInPictures, HaveTheirSizes)
{
    const std::pair<const char *, QSize> pictures[] = {
        {"resources/banner.png", {105, 350}},         {"resources/splash.png", {350, 105}},
        {"resources/logo.png", {113, 41}},            {"resources/icons/jumpline-16.png", {16, 16}},
        {"resources/icons/jumpline-24.png", {24, 24}}, {"resources/icons/jumpline-32.png", {32, 32}},
    };
    for (const auto &[file, size] : pictures)
        EXPECT_EQ(QImage(kSource + QLatin1String(file)).size(), size) << file;
}

} // namespace
