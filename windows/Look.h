// The look the windows share: the design's colours and fonts, flat light grey buttons,
// text colours set explicitly on black.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace jumpline {

inline const QColor LightGrey(0xC0, 0xC0, 0xC0); // dark cells, the pieces' surround, buttons
inline const QColor DisabledText(0x80, 0x80, 0x80);

// The design's "MS Sans Serif": the platform's sans-serif at the same size and weight.
QFont designFont(qreal points, bool bold);

// The board dump's fixed-pitch font, asked for by name: DejaVu Sans Mono, 9 pt, which the
// program's package brings (fonts-dejavu-core). The system's "monospace" is whichever
// fixed-pitch font fontconfig prefers among those installed, so the dump would change its
// look, and the test window its size, with the fonts a machine happens to have.
QFont fixedPitchFont();

// Flat light grey buttons with a caption of this colour; pressed (or held down, as Multi
// Jump is) they look sunken and the caption moves a pixel down and right, which still
// shows where a rounded outline has cut the border away.
QString buttonStyle(const QColor &caption);

// The widget's text colour in every state, disabled included.
void setTextColour(QWidget *widget, const QColor &colour);

// The widget's text colour while enabled, and the grey of a disabled control.
void setTextColours(QWidget *widget, const QColor &enabled, const QColor &disabled);

// The widget fills its background with this colour.
void fillWith(QWidget *widget, const QColor &colour);

} // namespace jumpline
