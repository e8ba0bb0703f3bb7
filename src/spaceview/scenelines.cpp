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

// One-pixel lines blended into an opaque 32-bit image: antialiased (Xiaolin Wu's method, two
// pixels across the line at each step) or plain (the one nearest pixel at each step).
class PixelLines
{
public:
    PixelLines(QImage &image, const QColor &colour, bool dashed, bool smooth)
        : m_bits(image.bits())
        , m_stride(image.bytesPerLine() / 4)
        , m_width(image.width())
        , m_height(image.height())
        , m_red(colour.red())
        , m_green(colour.green())
        , m_blue(colour.blue())
        , m_alpha(int(std::lround(colour.alphaF() * 256.0)))
        , m_dashed(dashed)
        , m_smooth(smooth)
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
        if (!m_smooth)
            steep ? run<true, false, false>(a, b) : run<false, false, false>(a, b);
        else if (steep)
            m_dashed ? run<true, true, true>(a, b) : run<true, false, true>(a, b);
        else
            m_dashed ? run<false, true, true>(a, b) : run<false, false, true>(a, b);
    }

private:
    // One line along its major axis from a to b (a.x() <= b.x()), two pixels across it per step.
    template <bool Steep, bool Dashed, bool Smooth>
    void run(QPointF a, QPointF b)
    {
        const double dx = b.x() - a.x();
        const double gradient = dx > 0.0 ? (b.y() - a.y()) / dx : 0.0;
        const int limit = Steep ? m_height : m_width;
        const int across = Steep ? m_width : m_height;
        // Only the steps whose two pixels both lie inside the image.
        double from = std::max(0.0, std::ceil(a.x() - 0.5));
        double to = std::min(double(limit - 1), std::floor(b.x() + 0.5));
        if (gradient != 0.0) {
            const double t0 = a.x() + (0.0 - a.y()) / gradient;
            const double t1 = a.x() + (double(across - 2) - a.y()) / gradient;
            from = std::max(from, std::ceil(std::min(t0, t1)));
            to = std::min(to, std::floor(std::max(t0, t1)));
        } else if (a.y() < 0.0 || a.y() > across - 2) {
            return;
        }
        if (from > to)
            return;
        // The dash phase advances by the length along the line of one step on the major axis.
        const double perStep = std::sqrt(1.0 + gradient * gradient);
        double phase = std::fmod((from - a.x()) * perStep, kDashPeriod);
        if (phase < 0.0)
            phase += kDashPeriod;
        double y = a.y() + gradient * (from - a.x());
        quint32 *pixels = reinterpret_cast<quint32 *>(m_bits);
        const size_t stride = size_t(m_stride);
        for (int major = int(from); major <= int(to); ++major, y += gradient) {
            if (Dashed) {
                const bool on = phase < kDashOn;
                phase += perStep;
                if (phase >= kDashPeriod)
                    phase -= kDashPeriod;
                if (!on)
                    continue;
            }
            if (!Smooth) {
                const int nearest = std::clamp(int(y + 0.5), 0, across - 1);
                blend(
                    pixels[Steep ? size_t(major) * stride + size_t(nearest) : size_t(nearest) * stride + size_t(major)],
                    m_alpha);
                continue;
            }
            const int minor = std::clamp(int(y), 0, across - 2);
            const int weight = std::clamp(int((y - minor) * m_alpha), 0, m_alpha);
            if (Steep) {
                quint32 *row = pixels + size_t(major) * stride + size_t(minor);
                blend(row[0], m_alpha - weight);
                blend(row[1], weight);
            } else {
                quint32 *column = pixels + size_t(minor) * stride + size_t(major);
                blend(column[0], m_alpha - weight);
                blend(column[stride], weight);
            }
        }
    }

    void blend(quint32 &pixel, int weight) const
    {
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
    bool m_smooth;
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
    PixelLines pixels(*image, painter.pen().color(), painter.pen().style() == Qt::DashLine,
        painter.testRenderHint(QPainter::Antialiasing));
    for (const QLineF &line : lines)
        pixels.draw(transform.map(line.p1()), transform.map(line.p2()));
}

bool drawsOnImage(const QPainter &painter)
{
    return painter.device() && painter.device()->devType() == QInternal::Image;
}
