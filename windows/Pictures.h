// The four piece pictures, read once at start-up from Images/: first under the working
// directory, then beside the program.
#pragma once

#include "board/Board.h"

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <optional>

namespace jumpline {

inline constexpr int PictureSizePx = PieceSizePx;

struct PiecePictures {
    QPixmap red;
    QPixmap redKing;
    QPixmap black;
    QPixmap blackKing;

    const QPixmap &operator[](Picture picture) const;
};

// "Red.bmp", "RedKing.bmp", "Black.bmp", "BlackKing.bmp".
QString pictureFileName(Picture picture);

// The places looked in, in order: Images/ under the working directory, then beside the program.
QStringList pictureFolders();

struct PictureLoad {
    std::optional<PiecePictures> pictures; // all four, or none
    QString error;                         // why not: names the file and where it was looked for
};

// Each file is taken from the first folder that holds it; it must be a 50 x 50 px bitmap.
PictureLoad loadPiecePictures(const QStringList &folders);

} // namespace jumpline
