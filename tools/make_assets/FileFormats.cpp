#include "FileFormats.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace trelon::assets {
namespace {

void put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void put32(QByteArray& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

int rowStride(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// File header and info header; pixelOffset counts both headers and the colour table.
void putBmpHeaders(QByteArray& out, int width, int height, int bitsPerPixel, int colours) {
    const std::uint32_t pixelOffset = 14 + 40 + 4 * static_cast<std::uint32_t>(colours);
    const std::uint32_t imageSize =
        static_cast<std::uint32_t>(rowStride(width, bitsPerPixel) * height);
    out.append("BM");
    put32(out, pixelOffset + imageSize);
    put32(out, 0); // reserved
    put32(out, pixelOffset);
    put32(out, 40); // BITMAPINFOHEADER
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height)); // positive: bottom-up rows
    put16(out, 1);                                  // planes
    put16(out, static_cast<std::uint16_t>(bitsPerPixel));
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, 3780); // 96 dots per inch
    put32(out, 3780);
    put32(out, static_cast<std::uint32_t>(colours)); // colours used
    put32(out, 0);                                   // all colours important
}

void padRow(QByteArray& out, int written, int stride) {
    for (int i = written; i < stride; ++i)
        out.append('\0');
}

} // namespace

QByteArray bmp24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QByteArray out;
    putBmpHeaders(out, image.width(), image.height(), 24, 0);
    const int stride = rowStride(image.width(), 24);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        padRow(out, image.width() * 3, stride);
    }
    return out;
}

QByteArray bmp8(const QImage& image) {
    Q_ASSERT(image.format() == QImage::Format_Indexed8 && image.colorCount() == 256);
    QByteArray out;
    putBmpHeaders(out, image.width(), image.height(), 8, 256);
    for (const QRgb c : image.colorTable()) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    const int stride = rowStride(image.width(), 8);
    for (int y = image.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
        padRow(out, image.width(), stride);
    }
    return out;
}

QByteArray wav16Mono(const std::vector<double>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate * 2)); // bytes per second
    put16(out, 2);                                          // block align
    put16(out, 16);                                         // bits per sample
    out.append("data");
    put32(out, dataBytes);
    for (const double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
        put16(out, static_cast<std::uint16_t>(value));
    }
    return out;
}

} // namespace trelon::assets
