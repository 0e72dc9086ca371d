#include "display/Palette.h"

#include "display/ScreenLink.h"

#include <limits>

namespace trelon {

PaletteTable defaultPaletteTable() {
    PaletteTable table{};
    for (int i = 0; i < kPaletteSize; ++i) {
        table[i].red = static_cast<std::uint8_t>(((i >> 5) & 7) * 255 / 7);
        table[i].green = static_cast<std::uint8_t>(((i >> 2) & 7) * 255 / 7);
        table[i].blue = static_cast<std::uint8_t>((i & 3) * 255 / 3);
    }
    return table;
}

PaletteTable systemPaletteTable() {
    // The twenty fixed colours of an 8-bit screen: ten at the start, ten at the end.
    static constexpr std::uint8_t low[10][3] = {
        {0, 0, 0},     {128, 0, 0},   {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {192, 220, 192}, {166, 202, 240}};
    static constexpr std::uint8_t high[10][3] = {
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255}};
    PaletteTable table{};
    for (int i = 0; i < 10; ++i) {
        table[i] = {low[i][0], low[i][1], low[i][2], 0};
        table[246 + i] = {high[i][0], high[i][1], high[i][2], 0};
    }
    return table;
}

std::uint8_t nearestEntry(const PaletteTable& table, ColourWord colour) {
    const int red = redOf(colour);
    const int green = greenOf(colour);
    const int blue = blueOf(colour);
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < kPaletteSize; ++i) {
        const int dr = table[i].red - red;
        const int dg = table[i].green - green;
        const int db = table[i].blue - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) { // strict: ties keep the lower entry
            best = i;
            bestDistance = distance;
            if (distance == 0) {
                break;
            }
        }
    }
    return static_cast<std::uint8_t>(best);
}

Palette::Palette(const PaletteTable& table, std::shared_ptr<ScreenLink> link)
    : table_(table), link_(std::move(link)) {}

Palette::~Palette() {
    if (link_ && link_->shownPalette == this) {
        link_->shownPalette = nullptr;
    }
}

void Palette::setEntries(const PaletteTable& table) {
    table_ = table;
    ++version_;
    nearestCache_.clear();
    if (link_ && link_->shownPalette == this) {
        link_->notifyPaletteChanged();
    }
}

std::uint8_t Palette::nearestIndex(ColourWord colour) const {
    colour &= 0xFFFFFFu;
    const auto found = nearestCache_.find(colour);
    if (found != nearestCache_.end()) {
        return found->second;
    }
    const std::uint8_t index = nearestEntry(table_, colour);
    nearestCache_.emplace(colour, index);
    return index;
}

} // namespace trelon
