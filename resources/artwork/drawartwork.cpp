// Draws the program's own artwork: the splash picture and the two logos.
// Run it with an output folder to regenerate resources/*.png.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

void drawStarfield(QPainter &painter, const QSize &size, quint32 seed)
{
    QRandomGenerator random(seed);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(random.bounded(size.width()), random.bounded(size.height()));
        const int brightness = 90 + random.bounded(166);
        const double radius = random.bounded(100) < 8 ? 1.4 : 0.6;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(brightness, brightness, std::min(255, brightness + 30)));
        painter.drawEllipse(at, radius, radius);
    }
}

// A ringed planet mark: the emblem shared by the splash and the logos.
void drawEmblem(QPainter &painter, const QPointF &centre, double radius, const QColor &body, const QColor &ring)
{
    QRadialGradient shade(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    shade.setColorAt(0, body.lighter(150));
    shade.setColorAt(1, body.darker(180));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ring, radius / 5));
    painter.save();
    painter.translate(centre);
    painter.rotate(-18);
    painter.drawEllipse(QPointF(0, 0), radius * 1.7, radius * 0.45);
    painter.restore();
}

QImage splash()
{
    QImage image(320, 220, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 220);
    sky.setColorAt(0, QColor(4, 6, 22));
    sky.setColorAt(1, QColor(18, 10, 44));
    painter.fillRect(image.rect(), sky);
    drawStarfield(painter, image.size(), 1977);
    drawEmblem(painter, QPointF(252, 62), 26, QColor(70, 120, 200), QColor(230, 190, 110));
    painter.setPen(QColor(200, 210, 235));
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 11, QFont::Bold));
    painter.drawText(QRectF(0, 118, 320, 24), Qt::AlignCenter, QStringLiteral("VELMORA INTERACTIVE"));
    painter.setPen(QColor(255, 214, 120));
    painter.setFont(QFont(QStringLiteral("Liberation Serif"), 30, QFont::Bold));
    painter.drawText(QRectF(0, 140, 320, 50), Qt::AlignCenter, QStringLiteral("Quorvane"));
    painter.setPen(QColor(150, 160, 190));
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 7));
    painter.drawText(QRectF(0, 192, 320, 20), Qt::AlignCenter, QStringLiteral("A star map of the thirty light years around Sol"));
    return image;
}

// The logo is 365 x 105 pixels: the 36.5 x 10.5 proportions it is painted in.
QImage logo(bool negative)
{
    QImage image(365, 105, QImage::Format_RGB888);
    const QColor ground = negative ? Qt::white : Qt::black;
    const QColor ink = negative ? QColor(20, 24, 60) : QColor(225, 230, 245);
    const QColor accent = negative ? QColor(150, 90, 10) : QColor(255, 205, 110);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawEmblem(painter, QPointF(55, 52), 26, negative ? QColor(40, 80, 160) : QColor(80, 130, 210), accent);
    painter.setPen(ink);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 15, QFont::Bold));
    painter.drawText(QRectF(110, 8, 250, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VELMORA"));
    painter.setPen(accent);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 11));
    painter.drawText(QRectF(110, 50, 250, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("INTERACTIVE"));
    return image;
}

// The desktop icon: the emblem on a night-sky disc.
QImage icon()
{
    QImage image(256, 256, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient sky(QPointF(128, 128), 124);
    sky.setColorAt(0, QColor(26, 22, 70));
    sky.setColorAt(1, QColor(4, 6, 22));
    painter.setPen(QPen(QColor(127, 156, 200), 6));
    painter.setBrush(sky);
    painter.drawEllipse(QPointF(128, 128), 122, 122);
    painter.setClipRegion(QRegion(8, 8, 240, 240, QRegion::Ellipse));
    drawStarfield(painter, image.size(), 42);
    drawEmblem(painter, QPointF(128, 132), 52, QColor(70, 120, 200), QColor(230, 190, 110));
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool ok = splash().save(out.filePath(QStringLiteral("splash.png")))
        && logo(false).save(out.filePath(QStringLiteral("vqalogo.png")))
        && logo(true).save(out.filePath(QStringLiteral("vqalogoneg.png")))
        && icon().save(out.filePath(QStringLiteral("quorvane.png")));
    return ok ? 0 : 1;
}
