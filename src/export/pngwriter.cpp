#include "export/pngwriter.h"

#include "common/safefile.h"

#include <QByteArray>
#include <QImage>
#include <QtEndian>

#include <array>

namespace {

constexpr int kBytesPerPixel = 3;
constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr char kSubFilter = 1;

std::array<quint32, 256> crcTable()
{
    std::array<quint32, 256> table {};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

quint32 crc(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = crcTable();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ static_cast<uchar>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// Length, type, data and the CRC of type and data.
QByteArray chunk(const char *type, const QByteArray &data)
{
    const QByteArray typed = QByteArray(type) + data;
    return bigEndian(static_cast<quint32>(data.size())) + typed + bigEndian(crc(typed));
}

QByteArray filteredRows(const QImage &image)
{
    const qsizetype rowBytes = qsizetype(image.width()) * kBytesPerPixel;
    QByteArray raw(qsizetype(image.height()) * (rowBytes + 1), Qt::Uninitialized);
    char *out = raw.data();
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        *out++ = kSubFilter;
        for (qsizetype i = 0; i < kBytesPerPixel; ++i)
            *out++ = static_cast<char>(row[i]);
        for (qsizetype i = kBytesPerPixel; i < rowBytes; ++i)
            *out++ = static_cast<char>(static_cast<uchar>(row[i] - row[i - kBytesPerPixel]));
    }
    return raw;
}

} // namespace

QByteArray encodeFastPng(const QImage &rgb888)
{
    if (rgb888.format() != QImage::Format_RGB888 || rgb888.isNull())
        return {};
    // Width, height, 8 bits a sample, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
    const QByteArray header = bigEndian(static_cast<quint32>(rgb888.width()))
        + bigEndian(static_cast<quint32>(rgb888.height())) + QByteArray("\x08\x02\x00\x00\x00", 5);
    const QByteArray physical = bigEndian(static_cast<quint32>(rgb888.dotsPerMeterX()))
        + bigEndian(static_cast<quint32>(rgb888.dotsPerMeterY())) + QByteArray(1, '\x01');
    // qCompress puts the uncompressed size before the zlib stream; PNG wants the stream alone.
    const QByteArray deflated = qCompress(filteredRows(rgb888), 1).mid(4);

    return QByteArray(kSignature, sizeof kSignature - 1) + chunk("IHDR", header) + chunk("pHYs", physical)
        + chunk("IDAT", deflated) + chunk("IEND", {});
}

bool writeFastPng(const QImage &rgb888, const QString &fileName, QString *error)
{
    const QByteArray png = encodeFastPng(rgb888);
    return !png.isEmpty() && writeFileSafely(fileName, png, error);
}
