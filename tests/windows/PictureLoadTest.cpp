// The piece pictures read from the working directory's Images: a broken one is refused with
// its true reason, naming the file in the working directory actually searched.
#include "windows/Pictures.h"

#include <QDataStream>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

#include <gtest/gtest.h>

// A 50 x 50 bitmap; `table` holds the rest of a header longer than 40 bytes, the colour
// masks or the palette.
static QByteArray bitmap(quint16 bits, quint32 compression, const QByteArray &table, const QByteArray &pixels, quint32 header = 40)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODeviceBase::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0x4d42) << quint64(0) << quint32(54 + table.size()) << header << qint32(50) << qint32(50) << quint16(1)
        << bits << compression << quint64(0) << quint32(0) << quint32(bits <= 8 ? table.size() / 4 : 0) << quint32(0);
    return bytes + table + pixels;
}
// Run-length encoded: each row a run of 50 pixels of colour 0 and its end; then the end of the bitmap.
static const QByteArray row("\x32\x00\x00\x00", 4);
static const QByteArray good = bitmap(8, 1, QByteArray(4, 0x40), row.repeated(50) + QByteArray("\0\1", 2));
static int put(const QByteArray &bytes, const char *name = "Images/Red.bmp") { return std::ofstream(name).write(bytes.data(), bytes.size()) ? 0 : -1; }

// Images lies in `depth` nested folders named `dir`; `reason`: part of the message, nullptr where the pictures load.
struct Case { const char *dir; int depth; int (*spoil)(); const char *reason; };

TEST(PictureLoad, RefusesABrokenPictureWithItsTrueReasonAndNamesTheFolder)
{
    const uid_t user = geteuid();
    ASSERT_TRUE(user != 0 || seteuid(65534) == 0); // root may read anything; nobody obeys the permissions
    const Case cases[] = {
        {"a FIFO, in a folder named in Latin-1 \xe9", 1, [] { return unlink("Images/Red.bmp") | mkfifo("Images/Red.bmp", 0600); }, "not a regular file"},
        {"a socket", 1, [] { sockaddr_un at{}; at.sun_family = AF_UNIX; std::strcpy(at.sun_path, "Images/Red.bmp"); const int s = socket(AF_UNIX, SOCK_STREAM, 0); const int made = unlink(at.sun_path) | bind(s, reinterpret_cast<sockaddr *>(&at), sizeof at); return made | close(s); }, "not a regular file but a socket"},
        {"a folder", 1, [] { return unlink("Images/Red.bmp") | mkdir("Images/Red.bmp", 0700); }, "not a regular file"},
        {"a symbolic link loop", 1, [] { return unlink("Images/Red.bmp") | symlink("Red.bmp", "Images/Red.bmp"); }, "loop"},
        {"a symbolic link to nothing", 1, [] { return unlink("Images/Red.bmp") | symlink("Gone.bmp", "Images/Red.bmp"); }, "link to nothing"},
        // Colour masks of which one is not zero: the picture shows that colour.
        {"only a red mask", 1, [] { return put(bitmap(32, 3, QByteArray("\xff\0\0\0\0\0\0\0\0\0\0\0", 12), QByteArray(10000, 0x7f))); }, nullptr},
        {"only a green mask", 1, [] { return put(bitmap(32, 3, QByteArray("\0\0\0\0\xff\0\0\0\0\0\0\0", 12), QByteArray(10000, 0x7f))); }, nullptr},
        {"uncompressed, its first pixels black", 1, [] { return put(bitmap(24, 0, {}, QByteArray(12, 0) + QByteArray(7588, 0x7f))); }, nullptr},
        {"an unreadable file", 1, [] { return chmod("Images/Red.bmp", 0); }, "cannot be read"},
        {"an unreadable folder", 1, [] { return chmod("Images", 0600); }, "cannot be read"},
        {"run-length encoded, cut short", 1, [] { return put(bitmap(8, 1, QByteArray(4, 0x40), row.repeated(25))); }, "cut short"},
        {"colour masks all zero", 1, [] { return put(bitmap(32, 3, QByteArray(12, 0), QByteArray(10000, 0x7f))); }, "no visible colour"},
        {"alpha all zero", 1, [] { return put(bitmap(32, 3, QByteArray("\0\0\xff\0\0\xff\0\0\xff\0\0\0\0\0\0\xff", 16) + QByteArray(52, 0), QByteArray(10000, 0), 108)); }, "no visible colour"},
        {"alpha zero but in the top row", 1, [] { return put(bitmap(32, 3, QByteArray("\0\0\xff\0\0\xff\0\0\xff\0\0\0\0\0\0\xff", 16) + QByteArray(52, 0), QByteArray(9800, 0) + QByteArray(200, '\xff'), 108)) | put(good, "Images/Black.bmp") | put(good, "Images/RedKing.bmp") | put(good, "Images/BlackKing.bmp"); }, nullptr},
        // (Its sizes are 16 bits; one bit a pixel: two 3-byte colours, rows of 8 bytes.)
        {"a bitmap with the old 12-byte header", 1, [] { QByteArray b; QDataStream out(&b, QIODeviceBase::WriteOnly); out.setByteOrder(QDataStream::LittleEndian); out << quint16(0x4d42) << quint32(432) << quint32(0) << quint32(32) << quint32(12) << quint16(50) << quint16(50) << quint16(1) << quint16(1); return put(b + QByteArray(6, 0x40) + QByteArray(400, 0)); }, nullptr},
        {"good pictures, standard input closed, the working directory's name past the system's path limit", 60, [] { return put(good, "Images/Black.bmp") | put(good, "Images/RedKing.bmp") | put(good, "Images/BlackKing.bmp") | close(0); }, nullptr},
    };
    char root[] = "/tmp/jumpline-pictures.XXXXXX", *const here = getcwd(nullptr, 0);
    ASSERT_NE(mkdtemp(root), nullptr);
    for (const Case &c : cases) {
        ASSERT_EQ(chdir(root), 0);
        for (int i = 0; i < c.depth; ++i)
            ASSERT_TRUE(mkdir(c.dir, 0700) == 0 && chdir(c.dir) == 0);
        ASSERT_TRUE(mkdir("Images", 0700) == 0 && put(good) == 0 && c.spoil() == 0) << c.dir;
        const jumpline::PictureLoad loaded = jumpline::loadPiecePictures();
        const QString file = QString::fromUtf8(root) + ("/" + QString::fromUtf8(c.dir)).repeated(c.depth) + "/Images/Red.bmp\"";
        EXPECT_TRUE(c.reason ? loaded.error.contains(c.reason) && loaded.error.contains(file) : loaded.pictures.has_value())
            << loaded.error.toStdString();
    }
    EXPECT_TRUE(seteuid(user) == 0 && chdir(here) == 0);
    std::free(here);
    EXPECT_EQ(std::system((std::string("chmod -R u+rwx ") + root + " && rm -rf " + root).c_str()), 0);
}
