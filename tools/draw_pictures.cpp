// Draws every picture of the game and writes it into the source tree:
//
//   Images/Red.bmp, Black.bmp, RedKing.bmp, BlackKing.bmp   the pieces, read at run time
//   resources/banner.png     the main window's vertical banner, 105 x 350
//   resources/splash.png     the start-up window's title banner, 350 x 105
//   resources/logo.png       the maker's mark, 113 x 41
//   resources/icons/jumpline-<size>.png and jumpline.svg     the application icon
//
// The output is committed, so building the game never runs this. To regenerate:
//
//   cmake --build build --target draw_pictures
//
// which builds the tool and runs it with the source directory as its only argument
// (by hand: QT_QPA_PLATFORM=offscreen draw_pictures_tool /path/to/source).
//
// The pieces come out byte for byte the same on every run (tests check that). The
// banners and the logo set text, in the script face Z003 (Debian's fonts-urw-base35) and
// DejaVu Sans (fonts-dejavu-core); without Z003 the title falls back to DejaVu Serif Bold
// Italic and the tool says so.
#include "Pieces.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace jumpline::pictures;

namespace {

constexpr const char *Title = "Jumpline";
constexpr const char *ScriptFontFile = "/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf";
const QColor GlowColour(255, 150, 30);
const QColor Gold(255, 215, 0);
const QColor GoldLine(110, 60, 0);
const QColor DarkRed(150, 14, 14);

void fail(const QString &message)
{
    std::fprintf(stderr, "draw_pictures: %s\n", qPrintable(message));
    std::exit(1);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

void savePng(const QImage &image, const QString &path)
{
    if (!image.save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(path));
}

// Box blur of a premultiplied image, horizontally then vertically; three passes come
// close to a Gaussian.
QImage blurred(QImage image, int radius, int passes)
{
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    std::vector<int> sum(4);
    const auto pass = [&](bool horizontal) {
        const QImage source = image.copy();
        const int lines = horizontal ? h : w;
        const int length = horizontal ? w : h;
        for (int line = 0; line < lines; ++line) {
            for (int i = 0; i < length; ++i) {
                std::fill(sum.begin(), sum.end(), 0);
                for (int k = std::max(0, i - radius); k <= std::min(length - 1, i + radius); ++k) {
                    const QRgb c = horizontal ? source.pixel(k, line) : source.pixel(line, k);
                    sum[0] += qRed(c);
                    sum[1] += qGreen(c);
                    sum[2] += qBlue(c);
                    sum[3] += qAlpha(c);
                }
                // Pixels beyond the edge count as transparent, so the glow fades there too.
                const int count = 2 * radius + 1;
                const QRgb out = qRgba(sum[0] / count, sum[1] / count, sum[2] / count, sum[3] / count);
                if (horizontal)
                    image.setPixel(i, line, out);
                else
                    image.setPixel(line, i, out);
            }
        }
    };
    for (int p = 0; p < passes; ++p) {
        pass(true);
        pass(false);
    }
    return image;
}

QFont titleFont()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(ScriptFontFile));
        if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
            return QFontDatabase::applicationFontFamilies(id).front();
        std::fprintf(stderr, "draw_pictures: %s is missing, the title falls back to DejaVu Serif\n", ScriptFontFile);
        return QString();
    }();
    QFont font(family.isEmpty() ? QStringLiteral("DejaVu Serif") : family);
    font.setPixelSize(96);
    if (family.isEmpty()) {
        font.setBold(true);
        font.setItalic(true);
    }
    return font;
}

// The title as an outline, turned to read upwards when vertical, scaled to fill the box.
QPainterPath titlePath(const QRectF &box, bool vertical)
{
    QPainterPath path;
    path.addText(0, 0, titleFont(), QString::fromLatin1(Title));
    if (vertical)
        path = QTransform().rotate(-90).map(path);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

// A red draughtsman seen from above, shaded like the pieces on the board.
void drawRedDisc(QPainter &p, QPointF centre, double radius, double opacity)
{
    p.save();
    p.setOpacity(opacity);
    p.setPen(Qt::NoPen);
    QRadialGradient body(centre, radius, centre - QPointF(radius * 0.4, radius * 0.5));
    body.setColorAt(0.0, QColor(255, 120, 110));
    body.setColorAt(0.35, QColor(200, 30, 30));
    body.setColorAt(0.85, QColor(120, 8, 8));
    body.setColorAt(1.0, QColor(60, 0, 0));
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 0, 0), std::max(1.0, radius / 14)));
    p.drawEllipse(centre, radius * 0.82, radius * 0.82);
    p.drawEllipse(centre, radius * 0.52, radius * 0.52);
    p.restore();
}

// The title glowing on black: a wide orange halo, a tighter yellow one, then the letters.
void drawGlowingTitle(QPainter &p, const QSize &canvas, const QPainterPath &title)
{
    const auto glow = [&](const QColor &colour, double width, int radius, int passes) {
        QImage layer(canvas, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        lp.setBrush(colour);
        lp.drawPath(title);
        lp.end();
        return blurred(layer, radius, passes);
    };
    const QImage wide = glow(GlowColour, 6.0, 4, 3);
    const QImage tight = glow(QColor(255, 230, 120), 2.0, 1, 2);
    p.drawImage(0, 0, wide);
    p.drawImage(0, 0, wide);
    p.drawImage(0, 0, tight);

    const QRectF bounds = title.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0.0, QColor(255, 255, 240));
    fill.setColorAt(0.6, QColor(255, 240, 170));
    fill.setColorAt(1.0, QColor(255, 200, 80));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(140, 40, 0), 0.7));
    p.setBrush(fill);
    p.drawPath(title);
}

// The maker's mark, designed in a 113 x 41 box and scaled into `box`: a red disc under
// a golden jump line, and the word "Jumpline".
void drawLogo(QPainter &p, const QRectF &box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 113.0, box.height() / 41.0);
    p.setRenderHint(QPainter::Antialiasing);

    drawRedDisc(p, QPointF(18.5, 25.5), 13.0, 1.0);

    QPainterPath jump(QPointF(3.0, 18.0));
    jump.cubicTo(QPointF(8.0, -1.0), QPointF(29.0, -1.0), QPointF(34.0, 16.0));
    p.setPen(QPen(Gold, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(jump);
    QPainterPath head;
    head.moveTo(34.8, 19.5);
    head.lineTo(30.0, 13.0);
    head.lineTo(37.0, 12.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    p.drawPath(head);

    QFont word(QStringLiteral("DejaVu Sans"));
    word.setBold(true);
    word.setPixelSize(40);
    QPainterPath text;
    text.addText(0, 0, word, QString::fromLatin1(Title));
    const QRectF textBox(40.0, 9.0, 71.0, 17.0);
    const QRectF bounds = text.boundingRect();
    const double scale = std::min(textBox.width() / bounds.width(), textBox.height() / bounds.height());
    QTransform fit;
    fit.translate(textBox.left(), textBox.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.left(), -bounds.center().y());
    p.setBrush(Qt::white);
    p.drawPath(fit.map(text));

    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(40.0, 29.0, 71.0, 2.0));
    p.setBrush(Gold);
    p.drawRect(QRectF(40.0, 33.0, 47.0, 1.2));
    p.restore();
}

QImage blackCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage drawSplash()
{
    QImage image = blackCanvas(350, 105);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double y[] = {30.0, 75.0};
    for (int i = 0; i < 7; ++i)
        drawRedDisc(p, QPointF(-5.0 + 60.0 * i, y[i % 2]), 32.0, 0.75);
    drawGlowingTitle(p, image.size(), titlePath(QRectF(22, 6, 306, 88), false));
    return image;
}

QImage drawBanner()
{
    QImage image = blackCanvas(105, 350);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double x[] = {30.0, 75.0};
    for (int i = 0; i < 6; ++i)
        drawRedDisc(p, QPointF(x[i % 2], 12.0 + 55.0 * i), 32.0, 0.75);
    drawGlowingTitle(p, image.size(), titlePath(QRectF(10, 10, 85, 276), true));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(8, 301, 89, 1));
    drawLogo(p, QRectF(1, 307, 96, 35)); // the window shows the banner's first 99 px only
    return image;
}

QImage drawLogoImage()
{
    QImage image = blackCanvas(113, 41);
    QPainter p(&image);
    drawLogo(p, QRectF(0, 0, 113, 41));
    return image;
}

// The icon: a red disc with the kings' golden crown. The crown's coordinates are those of
// the piece pictures; the icon maps them onto a disc of radius 0.47 of its size.
constexpr double IconRadius = 0.47;
constexpr double CrownLift = 2.5; // the crown sits a little low on the icon, to look centred

QPainterPath crownPath()
{
    QPainterPath body;
    body.moveTo(CrownBody[0].x, CrownBody[0].y);
    for (std::size_t i = 1; i < CrownBody.size(); ++i)
        body.lineTo(CrownBody[i].x, CrownBody[i].y);
    body.closeSubpath();
    QPainterPath crown = body;
    QPainterPath band;
    band.addRect(QRectF(QPointF(CrownBandLeft, CrownBandTop), QPointF(CrownBandRight, CrownBandBottom)));
    crown = crown.united(band);
    for (std::size_t tip : {std::size_t{1}, std::size_t{3}, std::size_t{5}}) {
        QPainterPath ball;
        ball.addEllipse(QPointF(CrownBody[tip].x, CrownBody[tip].y), CrownBallRadius, CrownBallRadius);
        crown = crown.united(ball);
    }
    return crown.simplified();
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QPointF centre(s / 2, s / 2);
    const double radius = s * IconRadius;

    p.setPen(Qt::NoPen);
    QRadialGradient body(centre, radius, centre - QPointF(radius * 0.35, radius * 0.45));
    body.setColorAt(0.0, QColor(240, 80, 70));
    body.setColorAt(0.5, QColor(190, 24, 24));
    body.setColorAt(0.92, QColor(120, 8, 8));
    body.setColorAt(1.0, QColor(70, 0, 0));
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);
    if (size >= 32) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(90, 0, 0), s / 64));
        p.drawEllipse(centre, radius * 0.84, radius * 0.84);
    }

    // At the smallest sizes the crown grows and loses its outline, or it turns to mud.
    const double k = radius / 22.0 * (size <= 24 ? 1.2 : 1.0); // the piece's disc has radius 22
    const double outline = std::clamp(s / 40.0, 0.8, 1.6);       // in pixels
    p.translate(centre);
    p.scale(k, k);
    p.translate(-25.5, -25.5 + CrownLift);
    if (size > 16)
        p.setPen(QPen(GoldLine, outline / k, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    p.drawPath(crownPath());
    if (size >= 24) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 0, 0));
        for (CrownPoint jewel : CrownJewels)
            p.drawEllipse(QPointF(jewel.x, jewel.y), CrownJewelRadius, CrownJewelRadius);
    }
    return image;
}

// The same icon as scalable vector graphics, on a 256 x 256 canvas.
QByteArray iconSvg()
{
    const double size = 256;
    const double radius = size * IconRadius;
    const double k = radius / 22.0;
    QString points;
    for (CrownPoint c : CrownBody)
        points += QStringLiteral("%1,%2 ").arg(c.x).arg(c.y);

    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
        << "  <title>Jumpline</title>\n"
        << "  <defs>\n"
        << "    <radialGradient id=\"disc\" cx=\"128\" cy=\"128\" r=\"" << radius << "\" fx=\""
        << 128 - radius * 0.35 << "\" fy=\"" << 128 - radius * 0.45 << "\" gradientUnits=\"userSpaceOnUse\">\n"
        << "      <stop offset=\"0\" stop-color=\"#f05046\"/>\n"
        << "      <stop offset=\"0.5\" stop-color=\"#be1818\"/>\n"
        << "      <stop offset=\"0.92\" stop-color=\"#780808\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"#460000\"/>\n"
        << "    </radialGradient>\n"
        << "  </defs>\n"
        << "  <circle cx=\"128\" cy=\"128\" r=\"" << radius << "\" fill=\"url(#disc)\"/>\n"
        << "  <circle cx=\"128\" cy=\"128\" r=\"" << radius * 0.84 << "\" fill=\"none\" stroke=\"#5a0000\" stroke-width=\"4\"/>\n"
        << "  <g transform=\"translate(128 128) scale(" << k << ") translate(-25.5 " << -25.5 + CrownLift << ")\"\n"
        // Stroked twice as wide as it shows: the fills that follow cover its inner half.
        << "     fill=\"#ffd700\" stroke=\"#6e3c00\" stroke-width=\"" << 2 * 1.6 / k << "\" stroke-linejoin=\"round\">\n"
        << "    <polygon points=\"" << points.trimmed() << "\"/>\n"
        << "    <rect x=\"" << CrownBandLeft << "\" y=\"" << CrownBandTop << "\" width=\"" << CrownBandRight - CrownBandLeft
        << "\" height=\"" << CrownBandBottom - CrownBandTop << "\"/>\n";
    for (std::size_t tip : {std::size_t{1}, std::size_t{3}, std::size_t{5}})
        out << "    <circle cx=\"" << CrownBody[tip].x << "\" cy=\"" << CrownBody[tip].y << "\" r=\"" << CrownBallRadius << "\"/>\n";
    out << "    <g fill=\"#ffd700\" stroke=\"none\">\n"
        << "      <polygon points=\"" << points.trimmed() << "\"/>\n"
        << "      <rect x=\"" << CrownBandLeft << "\" y=\"" << CrownBandTop << "\" width=\""
        << CrownBandRight - CrownBandLeft << "\" height=\"" << CrownBandBottom - CrownBandTop << "\"/>\n"
        << "    </g>\n"
        << "    <g fill=\"#960000\" stroke=\"none\">\n";
    for (CrownPoint jewel : CrownJewels)
        out << "      <circle cx=\"" << jewel.x << "\" cy=\"" << jewel.y << "\" r=\"" << CrownJewelRadius << "\"/>\n";
    out << "    </g>\n"
        << "  </g>\n"
        << "</svg>\n";
    out.flush();
    return svg.toUtf8();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        fail(QStringLiteral("usage: draw_pictures_tool <source directory>"));
    const QDir source(QString::fromLocal8Bit(argv[1]));
    for (const char *dir : {"Images", "resources/icons"})
        if (!source.mkpath(QString::fromLatin1(dir)))
            fail(QStringLiteral("cannot create %1").arg(source.filePath(QString::fromLatin1(dir))));

    for (PieceKind kind : AllPieceKinds)
        writeFile(source.filePath(QStringLiteral("Images/") + QString::fromLatin1(pieceFileName(kind))),
                  encodeBmp24(drawPiece(kind)));

    savePng(drawBanner(), source.filePath(QStringLiteral("resources/banner.png")));
    savePng(drawSplash(), source.filePath(QStringLiteral("resources/splash.png")));
    savePng(drawLogoImage(), source.filePath(QStringLiteral("resources/logo.png")));
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        savePng(drawIcon(size), source.filePath(QStringLiteral("resources/icons/jumpline-%1.png").arg(size)));
    writeFile(source.filePath(QStringLiteral("resources/icons/jumpline.svg")), iconSvg());
    return 0;
}
