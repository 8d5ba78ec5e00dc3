#include "windows/Look.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace jumpline {

QFont designFont(qreal points, bool bold)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont fixedPitchFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"), 9);
    font.setStyleHint(QFont::TypeWriter); // where it is missing all the same, another fixed-pitch font
    font.setFixedPitch(true);
    return font;
}

QString buttonStyle(const QColor &caption)
{
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 2px outset %1; }"
                          "QPushButton:pressed, QPushButton:checked { border-style: inset; padding: 1px 0 0 1px; }")
        .arg(LightGrey.name(), caption.name());
}

void setTextColours(QWidget *widget, const QColor &enabled, const QColor &disabled)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, enabled);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    widget->setPalette(palette);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    setTextColours(widget, colour, colour);
}

void fillWith(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace jumpline
