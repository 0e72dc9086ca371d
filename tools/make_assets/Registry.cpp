#include "Registry.h"

#include "FileFormats.h"
#include "Pictures.h"
#include "ShellPictures.h"
#include "Sounds.h"

#include <QBuffer>

namespace trelon::assets {
namespace {

struct PictureMaker {
    std::string_view name;
    QImage (*draw)();
};

struct SoundMaker {
    std::string_view name;
    std::vector<double> (*synthesise)();
};

constexpr PictureMaker kPictureMakers[] = {
    {"lake.bmp", lakePicture},  {"Splash1.bmp", splashFace},    {"Splash2.bmp", splashBear},
    {"AddGlyph.png", addGlyph}, {"ZEP_CUR.png", cursorPicture},
};

constexpr SoundMaker kSoundMakers[] = {
    {"Verno.wav", correctChime},
    {"1Sec.wav", secondTick},
    {"5Sec.wav", fiveSecondTick},
    {"Rez.wav", resultChime},
};

QByteArray png(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

GeneratedFile encode(const AssetFile& file, const QImage& drawn) {
    if (isStimulus(file.role)) {
        return {bmp24(drawn), drawn};
    }
    switch (file.role) {
    case Role::BasePalette:
        return {bmp8(drawn), drawn};
    case Role::Glyph:
    case Role::Cursor:
        return {png(drawn), drawn};
    default:
        return {bmp24(drawn), drawn};
    }
}

} // namespace

std::optional<GeneratedFile> generate(const AssetFile& file) {
    if (file.role == Role::Sound) {
        for (const auto& maker : kSoundMakers)
            if (maker.name == file.name)
                return GeneratedFile{wav16Mono(maker.synthesise(), kSampleRate), QImage()};
        return std::nullopt;
    }
    for (const auto& maker : kPictureMakers)
        if (maker.name == file.name)
            return encode(file, maker.draw());
    const auto picture =
        file.role == Role::Preview ? drawPreview(file.name) : drawStimulus(file.name);
    if (!picture)
        return std::nullopt;
    return encode(file, *picture);
}

} // namespace trelon::assets
