#include "windows/Pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstdint>

namespace jumpline {

const QPixmap &PiecePictures::operator[](Picture picture) const
{
    switch (picture) {
    case Picture::Red: return red;
    case Picture::RedKing: return redKing;
    case Picture::Black: return black;
    case Picture::BlackKing: return blackKing;
    }
    return red;
}

QString pictureFileName(Picture picture)
{
    switch (picture) {
    case Picture::Red: return QStringLiteral("Red.bmp");
    case Picture::RedKing: return QStringLiteral("RedKing.bmp");
    case Picture::Black: return QStringLiteral("Black.bmp");
    case Picture::BlackKing: return QStringLiteral("BlackKing.bmp");
    }
    return {};
}

QStringList pictureFolders()
{
    QStringList folders{QDir::current().absoluteFilePath(QStringLiteral("Images"))};
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("Images"));
    if (QDir::cleanPath(besideProgram) != QDir::cleanPath(folders.front()))
        folders << besideProgram;
    return folders;
}

namespace {

constexpr qint64 MaxPictureBytes = 1 << 20; // a 50 x 50 piece picture takes under 10 KB

std::uint32_t littleEndian(const QByteArray &bytes, int at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// Qt's reader fills in what is missing from a cut-off bitmap; the header says how long
// the pixels of an uncompressed one are.
bool truncated(const QByteArray &bytes)
{
    constexpr int headerSize = 54;
    if (bytes.size() < headerSize)
        return true;
    const std::uint32_t compression = littleEndian(bytes, 30, 4);
    if (compression != 0 && compression != 3) // run-length encoded: no fixed length
        return false;
    const std::uint64_t pixelsAt = littleEndian(bytes, 10, 4);
    const std::uint64_t width = littleEndian(bytes, 18, 4);
    const auto height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
    const std::uint64_t bitsPerPixel = littleEndian(bytes, 28, 2);
    const std::uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);
    return static_cast<std::uint64_t>(bytes.size()) < pixelsAt + rowBytes * rows;
}

// The picture, or a sentence saying what is wrong with the file.
std::optional<QPixmap> readPicture(const QString &path, QString &problem)
{
    // Only Qt's built-in BMP reader looks at the file: deciding the format from the content
    // would first load every image-format plugin (GIF, ICO, JPEG ...) to ask each of them,
    // a few milliseconds of the program's start.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("\"%1\" could not be opened: %2.").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.read(MaxPictureBytes + 1);
    if (bytes.size() > MaxPictureBytes) {
        problem = QStringLiteral("\"%1\" is too large for a 50 x 50 piece picture.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        problem = QStringLiteral("\"%1\" is not a bitmap (BMP) file.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    const QImage image = reader.read();
    if (image.isNull() || truncated(bytes)) {
        problem = QStringLiteral("\"%1\" could not be read: %2.")
                      .arg(QDir::toNativeSeparators(path),
                           image.isNull() ? reader.errorString() : QStringLiteral("the file is cut short"));
        return std::nullopt;
    }
    if (image.width() != PictureSizePx || image.height() != PictureSizePx) {
        problem = QStringLiteral("\"%1\" is %2 x %3 pixels; a piece picture must be %4 x %4.")
                      .arg(QDir::toNativeSeparators(path))
                      .arg(image.width())
                      .arg(image.height())
                      .arg(PictureSizePx);
        return std::nullopt;
    }
    return QPixmap::fromImage(image);
}

} // namespace

PictureLoad loadPiecePictures(const QStringList &folders)
{
    PiecePictures pictures;
    for (const Picture picture : {Picture::Red, Picture::Black, Picture::RedKing, Picture::BlackKing}) {
        const QString name = pictureFileName(picture);
        QString found;
        for (const QString &folder : folders) {
            const QString path = QDir(folder).filePath(name);
            if (QFileInfo(path).isFile()) {
                found = path;
                break;
            }
        }

        QString problem;
        std::optional<QPixmap> pixmap;
        if (found.isEmpty())
            problem = QStringLiteral("it was not found.");
        else
            pixmap = readPicture(found, problem);
        if (!pixmap) {
            QString error = QStringLiteral("Cannot load the piece picture \"%1\": %2\nLooked for it in:").arg(name, problem);
            for (const QString &folder : folders)
                error += QStringLiteral("\n  ") + QDir::toNativeSeparators(folder);
            return {std::nullopt, error};
        }

        switch (picture) {
        case Picture::Red: pictures.red = *pixmap; break;
        case Picture::RedKing: pictures.redKing = *pixmap; break;
        case Picture::Black: pictures.black = *pixmap; break;
        case Picture::BlackKing: pictures.blackKing = *pixmap; break;
        }
    }
    return {pictures, {}};
}

} // namespace jumpline
