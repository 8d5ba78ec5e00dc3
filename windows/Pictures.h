// The four piece pictures, read once at start-up from Images/: first under the working
// directory, then beside the program.
#pragma once

#include "board/Board.h"

#include <QPixmap>
#include <QString>

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

struct PictureLoad {
    std::optional<PiecePictures> pictures; // all four, or none
    QString error;                         // why not: names the file, the reason and the folders searched
};

// Each file is taken from the first folder where its name leads to anything; it must be a
// 50 x 50 px bitmap that decodes completely and shows some colour. The working directory's
// Images/ is opened by its relative name, so that a working directory whose name is not
// UTF-8, or is longer than the system's path limit, still works.
PictureLoad loadPiecePictures();

} // namespace jumpline
