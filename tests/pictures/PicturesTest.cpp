// The committed pictures, as the game and its screen-reading tests rely on them.
#include "Pieces.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

using jumpline::pictures::encodeBmp24;
using jumpline::pictures::drawPiece;
using jumpline::pictures::PieceKind;

QString sourcePath(const char *relative)
{
    return QStringLiteral(JUMPLINE_SOURCE_DIR "/") + QString::fromLatin1(relative);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint32_t little32(const QByteArray &b, int at)
{
    const auto byte = [&](int i) { return std::uint32_t(std::uint8_t(b[at + i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

std::uint16_t little16(const QByteArray &b, int at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

std::string rgbText(QRgb c)
{
    return "(" + std::to_string(qRed(c)) + ", " + std::to_string(qGreen(c)) + ", " + std::to_string(qBlue(c)) + ")";
}

// What a screen reader sees at a dark cell's centre when it is empty.
const QRgb EmptyDarkCell = qRgb(192, 192, 192);

struct PieceCase {
    const char *file;
    PieceKind kind;
    QRgb centre;
};

const PieceCase kPieces[] = {
    {"Images/Red.bmp", PieceKind::Red, qRgb(200, 30, 30)},
    {"Images/Black.bmp", PieceKind::Black, qRgb(30, 30, 30)},
    {"Images/RedKing.bmp", PieceKind::RedKing, qRgb(255, 215, 0)},
    {"Images/BlackKing.bmp", PieceKind::BlackKing, qRgb(235, 235, 235)},
};

constexpr int Size = 50;
constexpr int Margin = 2; // grey pixels at least, at every edge

TEST(PieceBitmaps, AreFiftySquareTwentyFourBitUncompressed)
{
    for (const PieceCase &c : kPieces) {
        SCOPED_TRACE(c.file);
        const QByteArray bmp = readBytes(sourcePath(c.file));
        ASSERT_GE(bmp.size(), 54);
        EXPECT_EQ(bmp.left(2), QByteArray("BM"));
        EXPECT_EQ(little32(bmp, 2), std::uint32_t(bmp.size()));
        EXPECT_EQ(little32(bmp, 14), 40u) << "a BITMAPINFOHEADER";
        EXPECT_EQ(little32(bmp, 18), std::uint32_t(Size));
        EXPECT_EQ(std::abs(std::int32_t(little32(bmp, 22))), Size);
        EXPECT_EQ(little16(bmp, 26), 1) << "planes";
        EXPECT_EQ(little16(bmp, 28), 24) << "bits per pixel";
        EXPECT_EQ(little32(bmp, 30), 0u) << "compression";
        const std::uint32_t rowBytes = (Size * 3 + 3) / 4 * 4;
        EXPECT_GE(std::uint32_t(bmp.size()), little32(bmp, 10) + rowBytes * Size) << "all the pixels are there";
    }
}

TEST(PieceBitmaps, StandOnExactGreyAtEveryEdge)
{
    for (const PieceCase &c : kPieces) {
        SCOPED_TRACE(c.file);
        const QImage image(sourcePath(c.file));
        ASSERT_EQ(image.size(), QSize(Size, Size));
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x) {
                const bool edge = x < Margin || y < Margin || x >= Size - Margin || y >= Size - Margin;
                if (edge && image.pixel(x, y) != EmptyDarkCell)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << rgbText(image.pixel(x, y));
            }
    }
}

TEST(PieceBitmaps, CentreBlockIsTheirFlatColour)
{
    for (const PieceCase &c : kPieces) {
        SCOPED_TRACE(c.file);
        const QImage image(sourcePath(c.file));
        ASSERT_EQ(image.size(), QSize(Size, Size));
        for (int y = 22; y <= 28; ++y)
            for (int x = 22; x <= 28; ++x)
                if (image.pixel(x, y) != c.centre)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << rgbText(image.pixel(x, y))
                                  << ", wanted " << rgbText(c.centre);
    }
}

// A disc, not a dot: halfway to the rim in every direction the piece is no longer grey.
TEST(PieceBitmaps, ShowADiscAroundTheCentre)
{
    const QPoint halfway[] = {{25, 10}, {25, 40}, {10, 25}, {40, 25}, {15, 15}, {35, 35}};
    for (const PieceCase &c : kPieces) {
        SCOPED_TRACE(c.file);
        const QImage image(sourcePath(c.file));
        for (QPoint p : halfway)
            EXPECT_NE(image.pixel(p), EmptyDarkCell) << "at (" << p.x() << ", " << p.y() << ")";
    }
}

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// A screen reader tells what stands on a dark cell by its centre pixel: one of the four
// pieces or nothing. Every two of these must differ clearly in some channel. (A light cell
// never holds a piece, so its white may lie close to the black king's.)
TEST(PieceBitmaps, CentresStandApartFromEachOtherAndFromAnEmptyCell)
{
    struct Seen {
        std::string name;
        QRgb centre;
    };
    std::vector<Seen> seen{{"empty dark cell", EmptyDarkCell}};
    for (const PieceCase &c : kPieces)
        seen.push_back({c.file, QImage(sourcePath(c.file)).pixel(25, 25)});
    for (std::size_t i = 0; i < seen.size(); ++i)
        for (std::size_t j = i + 1; j < seen.size(); ++j)
            EXPECT_GE(channelDistance(seen[i].centre, seen[j].centre), 40)
                << seen[i].name << " " << rgbText(seen[i].centre) << " against " << seen[j].name << " "
                << rgbText(seen[j].centre);
}

// A king is told from a man at a glance, not only by its centre: its crown reaches well
// beyond the centre block.
TEST(PieceBitmaps, KingsDifferFromMenBeyondTheCentre)
{
    const std::pair<const char *, const char *> pairs[] = {{"Images/Red.bmp", "Images/RedKing.bmp"},
                                                           {"Images/Black.bmp", "Images/BlackKing.bmp"}};
    for (const auto &[man, king] : pairs) {
        SCOPED_TRACE(king);
        const QImage a(sourcePath(man));
        const QImage b(sourcePath(king));
        ASSERT_EQ(a.size(), b.size());
        int differing = 0;
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x) {
                const bool centreBlock = x >= 22 && x <= 28 && y >= 22 && y <= 28;
                if (!centreBlock && channelDistance(a.pixel(x, y), b.pixel(x, y)) > 60)
                    ++differing;
            }
        EXPECT_GE(differing, 150);
    }
}

// The committed bitmaps are what the generator draws now; a change to the drawing that
// was not followed by a regeneration shows here.
TEST(PieceBitmaps, AreWhatTheGeneratorDraws)
{
    for (const PieceCase &c : kPieces) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(readBytes(sourcePath(c.file)), encodeBmp24(drawPiece(c.kind)))
            << "regenerate with: cmake --build <build dir> --target draw_pictures";
    }
}

// Three pixels make rows of 9 bytes, padded to 12; the rows are stored bottom up, blue first.
TEST(Bmp24Encoding, ReadsBackPixelForPixel)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(1, 2, 3));
    image.setPixel(1, 1, qRgb(250, 251, 252));
    image.setPixel(2, 1, qRgb(128, 64, 32));
    const QByteArray bmp = encodeBmp24(image);
    EXPECT_EQ(bmp.size(), 54 + 2 * 12);
    const QImage back = QImage::fromData(bmp, "BMP");
    ASSERT_EQ(back.size(), image.size());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(rgbText(back.pixel(x, y)), rgbText(image.pixel(x, y))) << "at (" << x << ", " << y << ")";
}

struct PictureCase {
    const char *file;
    int width;
    int height;
    bool transparentCorners; // the icon; the banners and the logo stand on black windows
};

const PictureCase kPictures[] = {
    {"resources/banner.png", 105, 350, false},
    {"resources/splash.png", 350, 105, false},
    {"resources/logo.png", 113, 41, false},
    {"resources/icons/jumpline-16.png", 16, 16, true},
    {"resources/icons/jumpline-24.png", 24, 24, true},
    {"resources/icons/jumpline-32.png", 32, 32, true},
    {"resources/icons/jumpline-48.png", 48, 48, true},
    {"resources/icons/jumpline-64.png", 64, 64, true},
    {"resources/icons/jumpline-128.png", 128, 128, true},
    {"resources/icons/jumpline-256.png", 256, 256, true},
};

TEST(Pictures, HaveTheirSizes)
{
    for (const PictureCase &c : kPictures) {
        SCOPED_TRACE(c.file);
        const QImage image(sourcePath(c.file));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), c.width);
        EXPECT_EQ(image.height(), c.height);
    }
}

TEST(Pictures, IconsStandOnTransparencyBannersAreOpaque)
{
    for (const PictureCase &c : kPictures) {
        SCOPED_TRACE(c.file);
        const QImage image = QImage(sourcePath(c.file)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        const QPoint corners[] = {{0, 0}, {c.width - 1, 0}, {0, c.height - 1}, {c.width - 1, c.height - 1}};
        for (QPoint p : corners)
            EXPECT_EQ(qAlpha(image.pixel(p)), c.transparentCorners ? 0 : 255);
        EXPECT_EQ(qAlpha(image.pixel(c.width / 2, c.height / 2)), 255);
    }
}

TEST(Pictures, ScalableIconIsAnSvgOfTheIconsSize)
{
    QFile file(sourcePath("resources/icons/jumpline.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name().toString(), QStringLiteral("svg"));
    EXPECT_EQ(xml.attributes().value(QStringLiteral("viewBox")).toString(), QStringLiteral("0 0 256 256"));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

// The windows compile these in and load them as ":/banner.png" and so on.
TEST(Pictures, ResourceListNamesTheCompiledInPicturesAndTheyExist)
{
    QFile file(sourcePath("resources/resources.qrc"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QSet<QString> listed;
    QString prefix;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("qresource"))
            prefix = xml.attributes().value(QStringLiteral("prefix")).toString();
        if (xml.isStartElement() && xml.name() == QStringLiteral("file")) {
            const QString path = xml.readElementText();
            EXPECT_EQ(prefix, QStringLiteral("/")) << path.toStdString();
            listed.insert(path);
            EXPECT_TRUE(QFile::exists(sourcePath("resources/") + path)) << path.toStdString();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    const QSet<QString> wanted{QStringLiteral("banner.png"),           QStringLiteral("splash.png"),
                               QStringLiteral("logo.png"),             QStringLiteral("icons/jumpline-16.png"),
                               QStringLiteral("icons/jumpline-24.png"), QStringLiteral("icons/jumpline-32.png")};
    EXPECT_EQ(listed, wanted);
}

} // namespace
