#include "reports/PngEncoder.h"

#include <QImage>
#include <cstdint>
#include <vector>

#include <zlib.h>

namespace orvane {

namespace {

void PutBigEndian(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

// Length, type, data and the CRC of type and data.
void Chunk(QByteArray& png, const char type[4], const std::vector<unsigned char>& data)
{
    std::vector<unsigned char> head;
    PutBigEndian(head, static_cast<std::uint32_t>(data.size()));
    head.insert(head.end(), type, type + 4);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    // crc32 with no buffer restarts at 0, so an empty chunk adds nothing.
    if (!data.empty())
        crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    std::vector<unsigned char> tail;
    PutBigEndian(tail, static_cast<std::uint32_t>(crc));
    png.append(reinterpret_cast<const char*>(head.data()), static_cast<qsizetype>(head.size()));
    png.append(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
    png.append(reinterpret_cast<const char*>(tail.data()), static_cast<qsizetype>(tail.size()));
}

bool Opaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return true;
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

}  // namespace

QByteArray EncodePng(const QImage& source)
{
    if (source.isNull())
        return {};
    const bool alpha = !Opaque(source);
    // Straight (not premultiplied) alpha, as PNG stores it.
    const QImage image = source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int channels = alpha ? 4 : 3;
    const int width = image.width();
    const int height = image.height();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;

    std::vector<unsigned char> raw((rowBytes + 1) * static_cast<std::size_t>(height));
    std::vector<unsigned char> row(rowBytes);
    unsigned char* out = raw.data();
    for (int y = 0; y < height; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        unsigned char* p = row.data();
        for (int x = 0; x < width; ++x) {
            *p++ = static_cast<unsigned char>(qRed(pixels[x]));
            *p++ = static_cast<unsigned char>(qGreen(pixels[x]));
            *p++ = static_cast<unsigned char>(qBlue(pixels[x]));
            if (alpha)
                *p++ = static_cast<unsigned char>(qAlpha(pixels[x]));
        }
        // Filter "Sub": each byte less the same channel of the pixel before.
        *out++ = 1;
        for (std::size_t i = 0; i < rowBytes; ++i)
            *out++ =
                static_cast<unsigned char>(row[i] - (i >= static_cast<std::size_t>(channels) ? row[i - channels] : 0));
    }

    z_stream stream {};
    if (deflateInit2(&stream, 1, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    std::vector<unsigned char> deflated(deflateBound(&stream, static_cast<uLong>(raw.size())));
    stream.next_in = raw.data();
    stream.avail_in = static_cast<uInt>(raw.size());
    stream.next_out = deflated.data();
    stream.avail_out = static_cast<uInt>(deflated.size());
    const int result = deflate(&stream, Z_FINISH);
    deflated.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        return {};

    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    std::vector<unsigned char> header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, static_cast<unsigned char>(alpha ? 6 : 2), 0, 0, 0});
    Chunk(png, "IHDR", header);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        std::vector<unsigned char> physical;
        PutBigEndian(physical, static_cast<std::uint32_t>(image.dotsPerMeterX()));
        PutBigEndian(physical, static_cast<std::uint32_t>(image.dotsPerMeterY()));
        physical.push_back(1);  // the unit is the metre
        Chunk(png, "pHYs", physical);
    }
    Chunk(png, "IDAT", deflated);
    Chunk(png, "IEND", {});
    return png;
}

}  // namespace orvane
