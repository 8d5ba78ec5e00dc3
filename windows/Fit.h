// Captions whole at any font density. With Qt's scaling off (QT_ENABLE_HIGHDPI_SCALING=0)
// the windows keep their size in pixels while their text is drawn at the desktop's font
// density (QT_FONT_DPI): from about 125 dpi on, a caption in its design font, or an option
// button's round mark, no longer fits its control. What is too big is made smaller; nothing
// else changes, so at 96 dpi, where everything fits, the windows look as designed.
#pragma once

#include <QStringList>

#include <span>

class QWidget;

namespace jumpline {

// Makes every caption of these controls whole: its ink lies inside the control's visible
// part (the control cut by its own rounded outline, by its parents and by its window's).
// Controls that share a font (the start-up window's choices and buttons, the two labels of
// the turn display ...) keep sharing one: the largest whole pixel size, no larger than the
// font's own, at which every caption of theirs fits. A text box's line fits its box. An
// option button's round mark is made no taller than the button.
void fitCaptions(std::span<QWidget *const> controls);

// The control shows these captions too, later on (the turn display's "Red's" and
// "Black's"): fitCaptions makes each of them fit, not only the caption it has now.
void alsoShows(QWidget *control, const QStringList &captions);

} // namespace jumpline
