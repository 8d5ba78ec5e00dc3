#include "windows/Pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

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

namespace {

constexpr qint64 MaxPictureBytes = 1 << 20; // a 50 x 50 piece picture takes under 10 KB

// A folder to look in: its name as given to open(), and as messages show it.
struct Folder {
    QByteArray path;
    QString shown;
};

// A file as messages name it: "folder/name", quoted.
QString shownFile(const Folder &folder, const QString &name)
{
    return QStringLiteral("\"%1/%2\"").arg(folder.shown, name);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The working directory's Images/, named in full even past the system's path limit, where
// Qt's own name for the working directory is empty; bytes that are not UTF-8 show as U+FFFD.
QString workingImagesShown()
{
    char *directory = ::getcwd(nullptr, 0);
    if (directory == nullptr)
        return QStringLiteral("(the working directory, whose name cannot be read: %1)/Images").arg(systemError(errno));
    QString shown = QString::fromUtf8(directory);
    std::free(directory);
    return shown + QLatin1String(shown.endsWith(u'/') ? "Images" : "/Images");
}

std::vector<Folder> searchPath()
{
    std::vector<Folder> folders{{QByteArrayLiteral("Images"), workingImagesShown()}};
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("Images"));
    if (QDir::cleanPath(besideProgram) != QDir::cleanPath(folders.front().shown))
        folders.push_back({QFile::encodeName(besideProgram), QDir::toNativeSeparators(besideProgram)});
    return folders;
}

std::uint32_t littleEndian(const QByteArray &bytes, qsizetype at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | (at + i < bytes.size() ? static_cast<std::uint8_t>(bytes[at + i]) : 0U);
    return value;
}

// Run-length encoded pixels end with the end-of-bitmap marker (0, 1); Qt's reader draws
// whatever is missing before it as it pleases.
bool reachesEndOfBitmap(const QByteArray &bytes, qsizetype at, bool fourBits)
{
    while (at >= 0 && at + 1 < bytes.size()) {
        const auto count = static_cast<std::uint8_t>(bytes[at]);
        const auto code = static_cast<std::uint8_t>(bytes[at + 1]);
        at += 2;
        if (count != 0 || code == 0) // a run of one colour, or the end of a row
            continue;
        if (code == 1)
            return true;
        if (code == 2) { // a jump: two bytes of offset
            at += 2;
            continue;
        }
        const qsizetype literal = fourBits ? (code + 1) / 2 : code; // pixels one by one, to a whole word
        at += literal + literal % 2;
    }
    return false;
}

// Qt's reader fills in what is missing from a bitmap that is cut short; the header says
// where the pixels of an uncompressed one end.
bool cutShort(const QByteArray &bytes)
{
    const bool os2 = littleEndian(bytes, 14, 4) == 12; // the old 12-byte header: 16-bit sizes
    if (bytes.size() < (os2 ? 26 : 54))
        return true;
    const std::uint64_t pixelsAt = littleEndian(bytes, 10, 4);
    const std::uint32_t compression = os2 ? 0 : littleEndian(bytes, 30, 4);
    if (compression == 1 || compression == 2) // RLE8, RLE4
        return !reachesEndOfBitmap(bytes, static_cast<qsizetype>(pixelsAt), compression == 2);
    const std::uint64_t width = littleEndian(bytes, 18, os2 ? 2 : 4);
    const auto height = os2 ? static_cast<std::int16_t>(littleEndian(bytes, 20, 2))
                            : static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
    const std::uint64_t bitsPerPixel = littleEndian(bytes, os2 ? 24 : 28, 2);
    const std::uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const auto rows = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(height)));
    return static_cast<std::uint64_t>(bytes.size()) < pixelsAt + rowBytes * rows;
}

// Colour masks (BI_BITFIELDS) that are all zero leave every pixel black.
bool noColourMasks(const QByteArray &bytes)
{
    const std::uint32_t compression = littleEndian(bytes, 30, 4);
    return littleEndian(bytes, 14, 4) != 12 && (compression == 3 || compression == 6) &&
           (littleEndian(bytes, 54, 4) | littleEndian(bytes, 58, 4) | littleEndian(bytes, 62, 4)) == 0;
}

bool fullyTransparent(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

const char *kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO (named pipe)";
    if (S_ISSOCK(mode))
        return "a socket";
    return "a device";
}

enum class Lookup { Missing, Read, Fault };

// The file's bytes, or a sentence saying why there are none. A name that leads to nothing
// is Missing, so that the next folder is looked in; anything else found there is the
// picture, faulty or not. Opening does not wait on a FIFO.
Lookup readFile(const Folder &folder, const QString &name, QByteArray &bytes, QString &problem)
{
    const QByteArray path = folder.path + '/' + QFile::encodeName(name);
    const QString shown = shownFile(folder, name);
    struct stat status {};
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        const bool lstatFound = ::lstat(path.constData(), &status) == 0;
        const int lstatError = errno;
        if ((error == ENOENT || error == ENOTDIR) && !lstatFound)
            return Lookup::Missing;
        if (::stat(path.constData(), &status) == 0 && !S_ISREG(status.st_mode)) // a socket cannot even be opened
            problem = QStringLiteral("%1 is not a regular file but %2.").arg(shown, QLatin1String(kindOf(status.st_mode)));
        else if (error == ENOENT)
            problem = QStringLiteral("%1 is a symbolic link to nothing.").arg(shown);
        else if (error == ELOOP)
            problem = QStringLiteral("%1 cannot be read: its symbolic links go round in a loop.").arg(shown);
        else if (error == EACCES && !lstatFound && lstatError == EACCES)
            problem = QStringLiteral("the folder \"%1\" cannot be read (%2), so %3 cannot be looked at.")
                          .arg(folder.shown, systemError(error), shown);
        else if (error == EACCES)
            problem = QStringLiteral("%1 cannot be read: %2.").arg(shown, systemError(error));
        else
            problem = QStringLiteral("%1 cannot be opened: %2.").arg(shown, systemError(error));
        return Lookup::Fault;
    }
    if (::fstat(fd, &status) != 0)
        problem = QStringLiteral("%1 cannot be read: %2.").arg(shown, systemError(errno));
    else if (!S_ISREG(status.st_mode))
        problem = QStringLiteral("%1 is not a regular file but %2.").arg(shown, QLatin1String(kindOf(status.st_mode)));
    if (!problem.isEmpty()) {
        ::close(fd);
        return Lookup::Fault;
    }
    bytes.resize(MaxPictureBytes + 1);
    qsizetype size = 0;
    while (size < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + size, static_cast<std::size_t>(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            problem = QStringLiteral("%1 cannot be read: %2.").arg(shown, systemError(errno));
            ::close(fd);
            return Lookup::Fault;
        }
        if (got == 0)
            break;
        size += got;
    }
    ::close(fd);
    bytes.truncate(size);
    return Lookup::Read;
}

// The picture, or a sentence saying what is wrong with the file.
std::optional<QPixmap> decodePicture(QByteArray &bytes, const QString &shown, QString &problem)
{
    if (bytes.size() > MaxPictureBytes) {
        problem = QStringLiteral("%1 is too large for a 50 x 50 piece picture.").arg(shown);
        return std::nullopt;
    }
    // Only Qt's built-in BMP reader looks at the file: deciding the format from the content
    // would first load every image-format plugin (GIF, ICO, JPEG ...) to ask each of them,
    // a few milliseconds of the program's start.
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        problem = QStringLiteral("%1 is not a bitmap (BMP) file.").arg(shown);
        return std::nullopt;
    }
    if (cutShort(bytes)) {
        problem = QStringLiteral("%1 is cut short: its pixels end before the bitmap does.").arg(shown);
        return std::nullopt;
    }
    if (noColourMasks(bytes)) {
        problem = QStringLiteral("%1 has no visible colour: its colour masks are all zero.").arg(shown);
        return std::nullopt;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        problem = QStringLiteral("%1 could not be read: %2.").arg(shown, reader.errorString());
        return std::nullopt;
    }
    if (image.width() != PictureSizePx || image.height() != PictureSizePx) {
        problem = QStringLiteral("%1 is %2 x %3 pixels; a piece picture must be %4 x %4.")
                      .arg(shown)
                      .arg(image.width())
                      .arg(image.height())
                      .arg(PictureSizePx);
        return std::nullopt;
    }
    if (fullyTransparent(image)) {
        problem = QStringLiteral("%1 has no visible colour: every pixel is fully transparent.").arg(shown);
        return std::nullopt;
    }
    return QPixmap::fromImage(image);
}

PictureLoad load(const std::vector<Folder> &folders)
{
    PiecePictures pictures;
    for (const Picture picture : {Picture::Red, Picture::Black, Picture::RedKing, Picture::BlackKing}) {
        const QString name = pictureFileName(picture);
        QString problem;
        std::optional<QPixmap> pixmap;
        for (const Folder &folder : folders) {
            QByteArray bytes;
            const Lookup lookup = readFile(folder, name, bytes, problem);
            if (lookup == Lookup::Read)
                pixmap = decodePicture(bytes, shownFile(folder, name), problem);
            if (lookup != Lookup::Missing)
                break;
        }
        if (!pixmap) {
            if (problem.isEmpty())
                problem = QStringLiteral("it was not found.");
            QString error = QStringLiteral("Cannot load the piece picture \"%1\": %2\nLooked for it in:").arg(name, problem);
            for (const Folder &folder : folders)
                error += QStringLiteral("\n  ") + folder.shown;
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

} // namespace

PictureLoad loadPiecePictures()
{
    return load(searchPath());
}

} // namespace jumpline
