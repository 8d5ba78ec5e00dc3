// What the program checks before its first window: a screen to show it on, and the four
// piece pictures.

#include "windows/Display.h"
#include "windows/Pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace jumpline {
namespace {

// `problem` is part of the message; nullptr: no problem.
struct DisplayCase { const char *name, *platform, *display, *wayland, *problem; };

TEST(DisplayProblem, SaysWhyThereIsNoScreen)
{
    // Without Qt's Wayland platform (a package of its own) Qt falls back to X.
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    const bool wayland = !platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty();
    const DisplayCase cases[] = {
        {"nothing set", nullptr, nullptr, nullptr, "DISPLAY is not set"},
        {"an empty DISPLAY", nullptr, "", nullptr, "DISPLAY is not set"},
        {"no X server at DISPLAY", nullptr, ":8497", nullptr, "no X server answers at DISPLAY=:8497"},
        {"a platform chosen", "offscreen", nullptr, nullptr, nullptr},
        {"the X platform chosen, no X server", "xcb", ":8497", nullptr, "no X server answers"},
        {"a Wayland display", nullptr, nullptr, "wayland-0", wayland ? nullptr : "DISPLAY is not set"},
    };
    const char *names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    std::optional<QByteArray> before[3];
    for (int i = 0; i < 3; ++i)
        if (qEnvironmentVariableIsSet(names[i]))
            before[i] = qgetenv(names[i]);
    for (const DisplayCase &c : cases) {
        SCOPED_TRACE(c.name);
        const char *values[] = {c.platform, c.display, c.wayland};
        for (int i = 0; i < 3; ++i)
            values[i] != nullptr ? qputenv(names[i], values[i]) : qunsetenv(names[i]);
        const std::string problem = displayProblem().value_or("none");
        EXPECT_EQ(problem == "none", c.problem == nullptr) << problem;
        EXPECT_NE(problem.find(c.problem ? c.problem : "none"), std::string::npos) << problem;
    }
    for (int i = 0; i < 3; ++i)
        before[i] ? qputenv(names[i], *before[i]) : qunsetenv(names[i]);
}

QByteArray bitmap(int size, QRgb colour)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "BMP");
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Two places to look in, the first holding the four pictures in red, the second in black.
struct Folders {
    QTemporaryDir root;
    QStringList both{root.filePath("cwd"), root.filePath("program")};
    Folders()
    {
        for (int i = 0; i < 2; ++i) {
            QDir().mkpath(both[i]);
            for (const char *name : {"Red.bmp", "Black.bmp", "RedKing.bmp", "BlackKing.bmp"})
                write(path(i, name), bitmap(PictureSizePx, i == 0 ? qRgb(200, 30, 30) : qRgb(1, 1, 1)));
        }
    }
    QString path(int folder, const char *name) const { return QDir(both[folder]).filePath(QLatin1String(name)); }
};

// `bytes` are written in the first place; none: the file is in neither place.
struct BadCase { const char *name, *file; std::optional<QByteArray> bytes; const char *problem; };

// A faulty file found first stops the program, although a good one waits further on.
TEST(PiecePictures, EachComesFromTheFirstPlaceThatHasItAndAFaultyOneStopsWithAMessage)
{
    const BadCase cases[] = {
        {"missing", "RedKing.bmp", std::nullopt, "not found"},
        {"empty", "Black.bmp", QByteArray(), "not a bitmap"},
        {"cut short", "Red.bmp", bitmap(PictureSizePx, qRgb(9, 9, 9)).left(1000), "cut short"},
        {"not a bitmap", "BlackKing.bmp", QByteArray("not a picture at all"), "not a bitmap"},
        {"the wrong size", "Black.bmp", bitmap(40, qRgb(9, 9, 9)), "40 x 40"},
    };
    for (const BadCase &c : cases) {
        SCOPED_TRACE(c.name);
        Folders folders;
        if (c.bytes)
            write(folders.path(0, c.file), *c.bytes);
        else
            for (int i = 0; i < 2; ++i)
                QFile::remove(folders.path(i, c.file));
        const PictureLoad loaded = loadPiecePictures(folders.both);
        EXPECT_FALSE(loaded.pictures.has_value());
        for (const QString &part : folders.both + QStringList{QLatin1String(c.file), QLatin1String(c.problem)})
            EXPECT_TRUE(loaded.error.contains(QDir::toNativeSeparators(part))) << loaded.error.toStdString();
    }

    // Each file comes from the first place that has it: under the working directory, then
    // beside the program.
    const QString workingDirectory = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath()); // not where the program is
    EXPECT_EQ(pictureFolders(), (QStringList{QDir(QDir::tempPath()).absoluteFilePath("Images"),
                                             QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("Images")}));
    QDir::setCurrent(workingDirectory);
    Folders folders;
    QFile::remove(folders.path(0, "BlackKing.bmp"));
    const PictureLoad loaded = loadPiecePictures(folders.both);
    ASSERT_TRUE(loaded.pictures.has_value()) << loaded.error.toStdString();
    EXPECT_EQ(loaded.pictures->red.toImage().pixel(25, 25), qRgb(200, 30, 30));
    EXPECT_EQ(loaded.pictures->blackKing.toImage().pixel(25, 25), qRgb(1, 1, 1));
}

} // namespace
} // namespace jumpline
