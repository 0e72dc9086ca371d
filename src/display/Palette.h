#pragma once
// A 256-entry colour table of the 8-bit display. The whole table is read or written at once;
// a write to the palette the screen is shown through recolours the screen at once.
#include "display/ColourWord.h"

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace trelon {

struct ScreenLink;

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;

    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

inline constexpr int kPaletteSize = 256;
using PaletteTable = std::array<PaletteEntry, kPaletteSize>;

// The 3-3-2 table: entry i is red ((i >> 5) & 7) * 255 / 7, green ((i >> 2) & 7) * 255 / 7,
// blue (i & 3) * 255 / 3.
PaletteTable defaultPaletteTable();

// The table a screen shows before any palette is set: black, red, blue and white at entries
// 0, 249, 252 and 255 among the twenty fixed colours of an 8-bit screen, black elsewhere.
PaletteTable systemPaletteTable();

// The entry of table nearest to colour: an exact match if there is one, else the smallest
// Euclidean distance in red, green, blue; ties go to the lowest entry. Flags are ignored.
std::uint8_t nearestEntry(const PaletteTable& table, ColourWord colour);

class Palette {
public:
    // Palettes are made by DisplayDevice::createPalette; link may be null for a palette that
    // is never shown.
    Palette(const PaletteTable& table, std::shared_ptr<ScreenLink> link);
    ~Palette();
    Palette(const Palette&) = delete;
    Palette& operator=(const Palette&) = delete;

    void getEntries(PaletteTable& out) const { out = table_; }
    const PaletteTable& entries() const { return table_; }
    // Replaces all 256 entries; the screen recolours at once when it shows this palette.
    void setEntries(const PaletteTable& table);

    // The entry a colour word draws with (nearestEntry), cached until the next write.
    std::uint8_t nearestIndex(ColourWord colour) const;
    // Grows by one with every write, so callers can tell palette states apart.
    std::uint64_t version() const { return version_; }

private:
    PaletteTable table_;
    std::shared_ptr<ScreenLink> link_;
    std::uint64_t version_ = 0;
    mutable std::unordered_map<ColourWord, std::uint8_t> nearestCache_;
};

} // namespace trelon
