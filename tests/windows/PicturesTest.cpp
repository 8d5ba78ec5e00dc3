// Reading the four piece pictures at start-up.

#include "windows/Pictures.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace jumpline {
namespace {

const char *const kNames[] = {"Red.bmp", "Black.bmp", "RedKing.bmp", "BlackKing.bmp"};

void writeBitmap(const QString &path, QRgb colour, int size = PictureSizePx)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "BMP")) << path.toStdString();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Folders {
    QTemporaryDir root;
    QString first = root.filePath("cwd/Images");
    QString second = root.filePath("program/Images");
    Folders()
    {
        QDir().mkpath(first);
        QDir().mkpath(second);
    }
    void fill(const QString &folder, QRgb colour)
    {
        for (const char *name : kNames)
            writeBitmap(QDir(folder).filePath(name), colour);
    }
};

struct BadCase {
    const char *name;
    std::function<void(Folders &)> spoil;
    std::vector<QString> errorNames; // what the message must mention ("$1", "$2": the folders)
};

TEST(PiecePictures, EveryFaultStopsWithMessageNamingFileAndPlaces)
{
    const BadCase cases[] = {
        {"a missing file",
         [](Folders &f) { QFile::remove(QDir(f.first).filePath("RedKing.bmp")); },
         {"\"RedKing.bmp\"", "not found", "$1", "$2"}},
        {"a picture of the wrong size",
         [](Folders &f) { writeBitmap(QDir(f.first).filePath("Black.bmp"), qRgb(1, 2, 3), 40); },
         {"Black.bmp", "40 x 40", "50 x 50", "$1"}},
        {"a PNG under a bitmap's name",
         [](Folders &f) {
             QImage image(PictureSizePx, PictureSizePx, QImage::Format_RGB32);
             image.fill(Qt::red);
             image.save(QDir(f.first).filePath("BlackKing.bmp"), "PNG");
         },
         {"BlackKing.bmp", "not a bitmap", "$1"}},
        {"text under a bitmap's name",
         [](Folders &f) { writeBytes(QDir(f.first).filePath("Red.bmp"), "not a picture at all"); },
         {"Red.bmp", "not a bitmap"}},
        {"a bitmap with a broken header",
         [](Folders &f) { writeBytes(QDir(f.first).filePath("Red.bmp"), QByteArray("BM") + QByteArray(60, '\xff')); },
         {"Red.bmp", "could not be read"}},
        {"an empty file",
         [](Folders &f) { writeBytes(QDir(f.first).filePath("Black.bmp"), QByteArray()); },
         {"Black.bmp", "not a bitmap"}},
        {"a bitmap cut short after its header",
         [](Folders &f) {
             const QString path = QDir(f.first).filePath("Red.bmp");
             writeBitmap(path, qRgb(9, 9, 9));
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             file.resize(1000);
         },
         {"Red.bmp", "cut short"}},
        {"a broken file found first hides a good one further on",
         [](Folders &f) {
             writeBytes(QDir(f.first).filePath("Red.bmp"), "broken");
             f.fill(f.second, qRgb(9, 9, 9));
         },
         {"Red.bmp", "$1"}},
    };
    for (const BadCase &c : cases) {
        SCOPED_TRACE(c.name);
        Folders folders;
        folders.fill(folders.first, qRgb(200, 30, 30));
        c.spoil(folders);
        const PictureLoad loaded = loadPiecePictures({folders.first, folders.second});
        EXPECT_FALSE(loaded.pictures.has_value());
        for (QString expected : c.errorNames) {
            expected.replace("$1", QDir::toNativeSeparators(folders.first)).replace("$2", QDir::toNativeSeparators(folders.second));
            EXPECT_TRUE(loaded.error.contains(expected)) << loaded.error.toStdString() << "\nlacks " << expected.toStdString();
        }
    }
}

TEST(PiecePictures, EachFileComesFromTheFirstPlaceThatHasIt)
{
    Folders folders;
    folders.fill(folders.first, qRgb(200, 30, 30));
    QFile::remove(QDir(folders.first).filePath("BlackKing.bmp"));
    writeBitmap(QDir(folders.second).filePath("BlackKing.bmp"), qRgb(235, 235, 235));
    writeBitmap(QDir(folders.second).filePath("Red.bmp"), qRgb(1, 1, 1));

    const PictureLoad loaded = loadPiecePictures({folders.first, folders.second});
    ASSERT_TRUE(loaded.pictures.has_value()) << loaded.error.toStdString();
    EXPECT_TRUE(loaded.error.isEmpty());
    const PiecePictures &p = *loaded.pictures;
    EXPECT_EQ(p[Picture::Red].toImage().pixel(25, 25), qRgb(200, 30, 30));
    EXPECT_EQ(p[Picture::BlackKing].toImage().pixel(25, 25), qRgb(235, 235, 235));
    EXPECT_EQ(p[Picture::RedKing].size(), QSize(PictureSizePx, PictureSizePx));
}

TEST(PiecePictures, LookedForUnderWorkingDirectoryThenBesideProgram)
{
    const QStringList folders = pictureFolders();
    ASSERT_FALSE(folders.isEmpty());
    EXPECT_EQ(folders.front(), QDir::current().absoluteFilePath("Images"));
    EXPECT_EQ(folders.back(), QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("Images"));
}

// The image-format plugins loaded into this process so far, from its memory map.
QStringList loadedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList plugins;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line);
        const qsizetype at = text.indexOf(QStringLiteral("/imageformats/"));
        if (at >= 0 && !plugins.contains(text.mid(at)))
            plugins << text.mid(at);
    }
    return plugins;
}

// A bitmap of one colour and the pictures' size, 24 bits a pixel, written byte by byte:
// saving it through QImage would load the image-format plugins by itself.
QByteArray plainBitmap(QRgb colour)
{
    constexpr int rowBytes = (PictureSizePx * 3 + 3) / 4 * 4; // rows are padded to whole words
    constexpr quint32 headerBytes = 14 + 40, pixelBytes = rowBytes * PictureSizePx;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32{headerBytes + pixelBytes} << quint32{0} << quint32{headerBytes};
    out << quint32{40} << qint32{PictureSizePx} << qint32{PictureSizePx} << quint16{1} << quint16{24} << quint32{0}
        << pixelBytes << qint32{2835} << qint32{2835} << quint32{0} << quint32{0};
    for (int y = 0; y < PictureSizePx; ++y) {
        for (int x = 0; x < PictureSizePx; ++x) {
            for (const int channel : {qBlue(colour), qGreen(colour), qRed(colour)})
                out << static_cast<quint8>(channel);
        }
        for (int pad = PictureSizePx * 3; pad < rowBytes; ++pad)
            out << quint8{0};
    }
    return bytes;
}

// Deciding the format from the content loaded every image-format plugin (GIF, ICO, JPEG
// and the libraries behind them) at each start, only to ask whether they knew the file.
TEST(PiecePictures, ReadingThemLoadsNoImagePlugins)
{
    if (!QFile::exists(QStringLiteral("/proc/self/maps")))
        GTEST_SKIP() << "no /proc/self/maps to read the loaded libraries from";
    Folders folders;
    for (const char *name : kNames)
        writeBytes(QDir(folders.first).filePath(name), plainBitmap(qRgb(200, 30, 30)));
    if (!loadedImagePlugins().isEmpty())
        GTEST_SKIP() << "an earlier test in this process loaded image plugins already";

    const PictureLoad loaded = loadPiecePictures({folders.first, folders.second});
    ASSERT_TRUE(loaded.pictures.has_value()) << loaded.error.toStdString();
    EXPECT_EQ((*loaded.pictures)[Picture::BlackKing].toImage().pixel(25, 25), qRgb(200, 30, 30));
    EXPECT_EQ(loadedImagePlugins().join(QLatin1Char(' ')).toStdString(), "");
}

} // namespace
} // namespace jumpline
