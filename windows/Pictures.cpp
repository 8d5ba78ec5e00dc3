#include "windows/Pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

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

// The picture, or a sentence saying what is wrong with the file.
std::optional<QPixmap> readPicture(const QString &path, QString &problem)
{
    // Only Qt's built-in BMP reader looks at the file: deciding the format from the content
    // would first load every image-format plugin (GIF, ICO, JPEG ...) to ask each of them,
    // a few milliseconds of the program's start.
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        problem = QStringLiteral("\"%1\" is not a bitmap (BMP) file.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        problem = QStringLiteral("\"%1\" could not be read: %2.").arg(QDir::toNativeSeparators(path), reader.errorString());
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
