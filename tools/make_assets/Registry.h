#pragma once
// Makes the bytes of each file of the manifest from its drawing or synthesis function.
#include "AssetManifest.h"

#include <QByteArray>
#include <QImage>
#include <optional>

namespace trelon::assets {

struct GeneratedFile {
    QByteArray bytes;
    QImage picture; // what the contact sheet shows; null for sounds
};

// The file of that manifest entry, or nothing when no function makes it.
std::optional<GeneratedFile> generate(const AssetFile& file);

} // namespace trelon::assets
