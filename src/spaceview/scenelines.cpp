#include "spaceview/scenelines.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMaxFastWidth = 1.5; // device pixels
constexpr double kDashOn = 4.0; // Qt::DashLine at one pixel: 4 on, 2 off
constexpr double kDashPeriod = 6.0;

// Antialiased one-pixel lines blended into an opaque 32-bit image (Xiaolin Wu's method).
class PixelLines
{
public:
    PixelLines(QImage &image, const QColor &colour, bool dashed)
        : m_bits(image.bits())
        , m_stride(image.bytesPerLine() / 4)
        , m_width(image.width())
        , m_height(image.height())
        , m_red(colour.red())
        , m_green(colour.green())
        , m_blue(colour.blue())
        , m_alpha(int(std::lround(colour.alphaF() * 256.0)))
        , m_dashed(dashed)
    { }

    void draw(QPointF a, QPointF b)
    {
        const bool steep = std::abs(b.y() - a.y()) > std::abs(b.x() - a.x());
        if (steep) {
            a = QPointF(a.y(), a.x());
            b = QPointF(b.y(), b.x());
        }
        if (a.x() > b.x())
            std::swap(a, b);
        const double dx = b.x() - a.x();
        const double gradient = dx > 0.0 ? (b.y() - a.y()) / dx : 0.0;
        // Dash phase advances by the length along the line of one step on the major axis.
        const double perStep = std::sqrt(1.0 + gradient * gradient);
        const int limit = steep ? m_height : m_width;
        const int across = steep ? m_width : m_height;
        const int first = std::max(0, int(std::lround(a.x())));
        const int last = std::min(limit - 1, int(std::lround(b.x())));
        double y = a.y() + gradient * (first - a.x());
        double phase = std::fmod((first - a.x()) * perStep, kDashPeriod);
        for (int major = first; major <= last; ++major, y += gradient, phase += perStep) {
            if (phase >= kDashPeriod)
                phase -= kDashPeriod;
            if ((m_dashed && phase >= kDashOn) || y < -1.0 || y >= across)
                continue;
            const int minor = int(y + 1.0) - 1; // floor for y >= -1
            const int weight = int((y - minor) * m_alpha);
            if (steep) {
                plot(minor, major, m_alpha - weight);
                plot(minor + 1, major, weight);
            } else {
                plot(major, minor, m_alpha - weight);
                plot(major, minor + 1, weight);
            }
        }
    }

private:
    void plot(int x, int y, int weight)
    {
        if (weight <= 0 || x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        quint32 &pixel = reinterpret_cast<quint32 *>(m_bits)[size_t(y) * size_t(m_stride) + size_t(x)];
        const int r = int((pixel >> 16) & 0xFF);
        const int g = int((pixel >> 8) & 0xFF);
        const int b = int(pixel & 0xFF);
        pixel = 0xFF000000u | quint32(r + (((m_red - r) * weight) >> 8)) << 16
            | quint32(g + (((m_green - g) * weight) >> 8)) << 8 | quint32(b + (((m_blue - b) * weight) >> 8));
    }

    uchar *m_bits;
    int m_stride;
    int m_width;
    int m_height;
    int m_red;
    int m_green;
    int m_blue;
    int m_alpha;
    bool m_dashed;
};

QImage *fastTarget(QPainter &painter)
{
    QPaintDevice *device = painter.device();
    if (!device || device->devType() != QInternal::Image || painter.hasClipping())
        return nullptr;
    auto *image = static_cast<QImage *>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    const QTransform &transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxScale)
        return nullptr;
    const QPen pen = painter.pen();
    const double width = std::max(pen.widthF(), 1.0) * transform.m11();
    if (width > kMaxFastWidth || (pen.style() != Qt::SolidLine && pen.style() != Qt::DashLine))
        return nullptr;
    return image;
}

} // namespace

void drawSceneLines(QPainter &painter, const QVector<QLineF> &lines)
{
    QImage *image = fastTarget(painter);
    if (!image) {
        painter.drawLines(lines);
        return;
    }
    const QTransform transform = painter.deviceTransform();
    PixelLines pixels(*image, painter.pen().color(), painter.pen().style() == Qt::DashLine);
    for (const QLineF &line : lines)
        pixels.draw(transform.map(line.p1()), transform.map(line.p2()));
}
