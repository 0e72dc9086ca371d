#include "config/Settings.h"

namespace trelon {

namespace {
const char* const kLevelNames[kLevelCount] = {"High", "Middle", "Low"};
const char* const kChannelNames[3] = {"Red", "Green", "Blue"};
} // namespace

QString colourKeyName(int glasses, int level, CalibrationTarget target, ColourChannel channel) {
    const bool redGreen = glasses == GlassesRedGreen;
    const char* targetName = "";
    switch (target) {
    case TargetOther:
        targetName = redGreen ? "Green" : "Blue";
        break;
    case TargetRed:
        targetName = "Red";
        break;
    case TargetFon:
        targetName = "Fon";
        break;
    case TargetAll:
        targetName = "All";
        break;
    }
    return QStringLiteral("%1_%2_%3_in_%4")
        .arg(QLatin1String(redGreen ? "RG" : "RB"), QLatin1String(kLevelNames[level - 1]),
             QLatin1String(kChannelNames[channel]), QLatin1String(targetName));
}

CalibrationColours defaultCalibrationColours() {
    CalibrationColours c;
    // {red-filter colour, other-filter colour} per level; Fon and All are 100 grey everywhere.
    struct Pair {
        int red[3];
        int other[3];
    };
    const Pair rg[kLevelCount] = {{{240, 50, 100}, {50, 240, 100}},
                                  {{190, 140, 100}, {140, 190, 100}},
                                  {{190, 170, 100}, {170, 190, 100}}};
    const Pair rb[kLevelCount] = {{{240, 100, 50}, {50, 100, 240}},
                                  {{190, 100, 140}, {140, 100, 190}},
                                  {{190, 0, 170}, {170, 0, 190}}};
    for (int glasses = 0; glasses < 2; ++glasses) {
        const Pair* table = glasses == GlassesRedGreen ? rg : rb;
        for (int level = 1; level <= kLevelCount; ++level) {
            for (int ch = 0; ch < 3; ++ch) {
                const auto channel = static_cast<ColourChannel>(ch);
                c.at(glasses, level, TargetRed, channel) = table[level - 1].red[ch];
                c.at(glasses, level, TargetOther, channel) = table[level - 1].other[ch];
                c.at(glasses, level, TargetFon, channel) = 100;
                c.at(glasses, level, TargetAll, channel) = 100;
            }
        }
    }
    return c;
}

const std::array<PictureKey, kPictureCount> kPictureKeys = {{
    {"BigCat", "Кошка (Фузия)"},
    {"Star", "Звезда"},
    {"Dom", "Домик"},
    {"Fish", "Рыбка"},
    {"Lodka", "Лодка"},
    {"Flower", "Цветок"},
    {"Telephon", "Телефон"},
    {"Car", "Машина"},
    {"Svecha", "Свеча"},
    {"Pchela", "Пчела"},
    {"Crab", "Краб"},
    {"Egg", "Птенчик"},
    {"Konfeta", "Конфета"},
    {"Strelka", "Стрелка"},
    {"Butterfly", "Бабочка"},
    {"Grusha", "Груша"},
    {"Zayac", "Заяц"},
    {"Suslik", "Суслик"},
    {"Cat", "Кошка"},
    {"List", "Лист"},
    {"Sneg", "Снежинка"},
    {"Rat_Scotoma", "Мышка_Скотома"},
    {"Rat", "Мышка"},
    {"Samolet", "Самолет"},
    {"Morkov", "Морковь"},
    {"Pchela_Scotoma", "Пчела_Скотома"},
}};

} // namespace trelon
