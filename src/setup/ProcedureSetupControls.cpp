#include "setup/ProcedureSetupControls.h"

#include "stimulus/ObjectCaptions.h"

namespace trelon {

namespace {

using K = SetupControlKind;
using C = SetupControl;

constexpr int kSwatchWidth = 160;
constexpr int kSwatchGap = 20;
constexpr int kSwatchLabelX = 58;
constexpr int kButtonBottom = 540;
constexpr int kButtonsCentre = 375;
constexpr int kButtonSpacing = 30;

std::array<SetupControlDesign, kSetupControlCount> makeDesigns() {
    // Sizes are the design sizes of the screen; places are on the 780 x 550 area.
    return {{
        {C::RadioGroupAmbliop,
         K::RadioGroup,
         QStringLiteral("RadioGroupAmbliop"),
         QStringLiteral("         Положение фильтров"),
         {QStringLiteral("красный справа - синий слева"),
          QStringLiteral("синий справа - красный слева")},
         1,
         QRect(38, 8, 281, 81)},
        {C::RadioGroupDistant,
         K::RadioGroup,
         QStringLiteral("RadioGroupDistant"),
         QStringLiteral("        Расстояние от экрана"),
         {QStringLiteral("  50 см"), QStringLiteral("    1 м"), QStringLiteral("  2 м"),
          QStringLiteral("  3 м"), QStringLiteral("  4 м"), QStringLiteral("  5 м")},
         3,
         QRect(38, 100, 281, 70)},
        {C::RadioGroupWork,
         K::RadioGroup,
         QStringLiteral("RadioGroupWork"),
         QStringLiteral("Способ работы"),
         {QStringLiteral("Ручной"), QStringLiteral("Автоматический с паузами"),
          QStringLiteral("Автоматический равномерный")},
         1,
         QRect(36, 346, 289, 105)},
        {C::RadioGroupSamolet,
         K::RadioGroup,
         QStringLiteral("RadioGroupSamolet"),
         QStringLiteral("Направление"),
         {QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270"),
          QStringLiteral("45"), QStringLiteral("135"), QStringLiteral("225"),
          QStringLiteral("315")},
         2,
         QRect(608, 8, 140, 110)},
        {C::RadioGroupFrec,
         K::RadioGroup,
         QStringLiteral("RadioGroupFrec"),
         QStringLiteral("Частота мельканий, гц"),
         {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"),
          QStringLiteral("6"), QStringLiteral("8")},
         3,
         QRect(368, 8, 225, 65)},
        {C::RadioGroupObjFuz,
         K::RadioGroup,
         QStringLiteral("RadioGroupObjFuz"),
         QStringLiteral("Объект"),
         {QStringLiteral("Кошка"), QStringLiteral("Конфета"), QStringLiteral("Бабочка")},
         1,
         QRect(523, 8, 110, 90)},
        {C::RadioGroupSkorostKoleb,
         K::RadioGroup,
         QStringLiteral("RadioGroupSkorostKoleb"),
         QStringLiteral("Скорость колебаний"),
         {QStringLiteral("Большая"), QStringLiteral("Малая")},
         1,
         QRect(376, 120, 170, 65)},
        {C::RadioGroupMelkan,
         K::RadioGroup,
         QStringLiteral("RadioGroupMelkan"),
         QStringLiteral("Варианты мелькания"),
         {QStringLiteral("Только красный"), QStringLiteral("Только синий"),
          QStringLiteral("Оба одновременно"), QStringLiteral("Оба поочередно")},
         1,
         QRect(368, 80, 225, 165)},
        {C::RadioGroupFuz,
         K::RadioGroup,
         QStringLiteral("RadioGroupFuz"),
         QStringLiteral("Варианты измерений"),
         {QStringLiteral("Фузионные резервы - положительные"),
          QStringLiteral("Фузионные резервы - отрицательные"),
          QStringLiteral("Границы фузии - скрещенные"),
          QStringLiteral("Границы фузии - нескрещенные")},
         1,
         QRect(374, 211, 300, 120)},
        {C::RadioGroupFuzTren,
         K::RadioGroup,
         QStringLiteral("RadioGroupFuzTren"),
         QStringLiteral("Развитие фузионных резервов"),
         {QStringLiteral("положительных "), QStringLiteral("отрицательных")},
         1,
         QRect(360, 256, 230, 65)},
        {C::RadioGroupTrenFuzObj,
         K::RadioGroup,
         QStringLiteral("RadioGroupTrenFuzObj"),
         QStringLiteral("Объекты"),
         {QStringLiteral("Груша"), QStringLiteral("Заяц"), QStringLiteral("Суслик"),
          QStringLiteral("Кошка"), QStringLiteral("Лист"), QStringLiteral("Снежинка"),
          QStringLiteral("Свеча"), QStringLiteral("Мышка"), QStringLiteral("Самолет"),
          QStringLiteral("Морковь")},
         1,
         QRect(632, 8, 100, 270)},
        {C::RadioGroupTrenObj, K::RadioGroup, QStringLiteral("RadioGroupTrenObj"), QString(),
         trainingObjectCaptions(), 1, QRect(632, 8, 100, 290)},
        {C::RadioGroupBifixMove,
         K::RadioGroup,
         QStringLiteral("RadioGroupBifixMove"),
         QStringLiteral("Колебания"),
         {QStringLiteral("к центру"), QStringLiteral("по горизонтали"),
          QStringLiteral("по вертикали")},
         1,
         QRect(384, 360, 150, 90)},
        {C::RadioGroupShagMove,
         K::RadioGroup,
         QStringLiteral("RadioGroupShagMove"),
         QStringLiteral("Шаг перемещения"),
         {QStringLiteral("   1 пикс. "), QStringLiteral("   2 пикс."),
          QStringLiteral("   3 пикс.")},
         1,
         QRect(444, 346, 130, 90)},
        {C::RadioGroupSkorost,
         K::RadioGroup,
         QStringLiteral("RadioGroupSkorost"),
         QStringLiteral("Перемещение"),
         {QStringLiteral("Медленное"), QStringLiteral("Быстрое")},
         1,
         QRect(376, 346, 130, 65)},
        {C::RadioGroupPause,
         K::RadioGroup,
         QStringLiteral("RadioGroupPause"),
         QStringLiteral("Пауза"),
         {QStringLiteral("15 сек"), QStringLiteral("10 сек"), QStringLiteral("5 сек")},
         1,
         QRect(344, 346, 90, 90)},
        {C::RadioGroupTestObj, K::RadioGroup, QStringLiteral("RadioGroupTestObj"),
         QStringLiteral("Объект"), testObjectCaptions(), 1, QRect(523, 8, 120, 200)},
        {C::RadioGroupSizeScotoma,
         K::RadioGroup,
         QStringLiteral("RadioGroupSizeScotoma"),
         QStringLiteral("Размер"),
         {QStringLiteral("Большой"), QStringLiteral("Маленький")},
         1,
         QRect(368, 132, 130, 85)},
        {C::RadioGroupScotomObj, K::RadioGroup, QStringLiteral("RadioGroupScotomObj"),
         QStringLiteral("Объекты"), scotomaObjectCaptions(), 1, QRect(608, 32, 140, 90)},
        {C::RadioGroupSizeFuz,
         K::RadioGroup,
         QStringLiteral("RadioGroupSizeFuz"),
         QStringLiteral("Размер"),
         {QStringLiteral("6 град."), QStringLiteral("4 град."), QStringLiteral("3 град.")},
         1,
         QRect(368, 112, 110, 85)},
        {C::StartButton,
         K::Button,
         QStringLiteral("BitBtn1"),
         QStringLiteral("Начать работу"),
         {},
         0,
         QRect(0, 0, 300, 50)},
        {C::BackButton,
         K::Button,
         QStringLiteral("BitBtn2"),
         QStringLiteral("Возврат"),
         {},
         0,
         QRect(0, 0, 180, 50)},
        {C::FlickerRedSquare,
         K::PreviewLabel,
         QStringLiteral("Label1"),
         {},
         {},
         0,
         QRect(344, 102, 26, 26)},
        {C::FlickerBlueSquare,
         K::PreviewLabel,
         QStringLiteral("Label2"),
         {},
         {},
         0,
         QRect(344, 139, 26, 26)},
        {C::FlickerBothRedHalf,
         K::PreviewLabel,
         QStringLiteral("Label3"),
         {},
         {},
         0,
         QRect(344, 174, 26, 13)},
        {C::FlickerBothBlueHalf,
         K::PreviewLabel,
         QStringLiteral("Label4"),
         {},
         {},
         0,
         QRect(344, 186, 26, 13)},
        {C::FlickerCheckerRed1,
         K::PreviewLabel,
         QStringLiteral("Label5"),
         {},
         {},
         0,
         QRect(344, 209, 13, 13)},
        {C::FlickerCheckerBlue1,
         K::PreviewLabel,
         QStringLiteral("Label6"),
         {},
         {},
         0,
         QRect(344, 221, 13, 13)},
        {C::FlickerCheckerRed2,
         K::PreviewLabel,
         QStringLiteral("Label7"),
         {},
         {},
         0,
         QRect(357, 221, 13, 13)},
        {C::FlickerCheckerBlue2,
         K::PreviewLabel,
         QStringLiteral("Label8"),
         {},
         {},
         0,
         QRect(357, 209, 13, 13)},
        {C::SwatchName1,
         K::SwatchLabel,
         QStringLiteral("Label9"),
         QStringLiteral("Палитра 1"),
         {},
         0,
         QRect(0, 0, 72, 16)},
        {C::SwatchName2,
         K::SwatchLabel,
         QStringLiteral("Label10"),
         QStringLiteral("Палитра 2"),
         {},
         0,
         QRect(0, 0, 72, 16)},
        {C::SwatchName3,
         K::SwatchLabel,
         QStringLiteral("Label11"),
         QStringLiteral("Палитра 3"),
         {},
         0,
         QRect(0, 0, 72, 16)},
        {C::FrameTop, K::FrameBar, QStringLiteral("lt"), {}, {}, 0, QRect(0, 0, 174, 3)},
        {C::FrameLeft, K::FrameBar, QStringLiteral("ll"), {}, {}, 0, QRect(0, 0, 3, 50)},
        {C::FrameBottom, K::FrameBar, QStringLiteral("lb"), {}, {}, 0, QRect(0, 0, 174, 3)},
        {C::FrameRight, K::FrameBar, QStringLiteral("lr"), {}, {}, 0, QRect(0, 0, 3, 50)},
    }};
}

SetupControlState& at(SetupControlStates& controls, SetupControl id) {
    return controls[static_cast<int>(id)];
}

} // namespace

const std::array<SetupControlDesign, kSetupControlCount>& setupControlDesigns() {
    static const std::array<SetupControlDesign, kSetupControlCount> designs = makeDesigns();
    return designs;
}

const SetupControlDesign& designOf(SetupControl id) {
    return setupControlDesigns()[static_cast<int>(id)];
}

int swatchX(const SetupControlStates& controls) {
    return rightEdge(controls[static_cast<int>(SetupControl::RadioGroupAmbliop)].rect) -
           kSwatchWidth;
}

int swatchY(const SetupControlStates& controls) {
    return bottomEdge(controls[static_cast<int>(SetupControl::RadioGroupDistant)].rect) +
           kSwatchGap;
}

SetupControlStates layOutSetupControls(QSize screenSize) {
    const int a = (screenSize.width() - kSetupDesignWidth) / 2;
    const int b = (screenSize.height() - kSetupDesignHeight) / 2;
    SetupControlStates controls;
    for (const SetupControlDesign& design : setupControlDesigns()) {
        SetupControlState& state = at(controls, design.id);
        state.rect = design.rect.translated(a, b);
        state.items = design.items;
    }

    const int top = swatchY(controls);
    const SetupControl names[] = {C::SwatchName1, C::SwatchName2, C::SwatchName3};
    for (int level = 0; level < 3; ++level) {
        at(controls, names[level]).rect.moveTo(a + kSwatchLabelX, top + 10 + 50 * level);
    }

    QRect& start = at(controls, C::StartButton).rect;
    QRect& back = at(controls, C::BackButton).rect;
    start.moveTo(a + kButtonsCentre - (start.width() + back.width()) / 2,
                 b + kButtonBottom - start.height());
    back.moveTo(rightEdge(start) + kButtonSpacing, start.y());
    return controls;
}

void showWorkModeGroups(SetupControlStates& controls) {
    const int mode = at(controls, C::RadioGroupWork).itemIndex;
    at(controls, C::RadioGroupPause).visible = mode == 1;
    at(controls, C::RadioGroupShagMove).visible = mode == 1;
    at(controls, C::RadioGroupSkorost).visible = mode == 2;
}

void resetFlickerSquares(SetupControlStates& controls) {
    for (C square : kFlickerSquares) {
        at(controls, square).visible = true;
    }
    if (at(controls, C::RadioGroupMelkan).itemIndex == 3 &&
        at(controls, C::RadioGroupFrec).itemIndex > 0) {
        at(controls, C::FlickerCheckerRed1).visible = false;
        at(controls, C::FlickerCheckerRed2).visible = false;
    }
}

void enableAirplaneDirections(SetupControlStates& controls) {
    at(controls, C::RadioGroupSamolet).enabled =
        at(controls, C::RadioGroupScotomObj).itemIndex == kAirplaneItem;
}

} // namespace trelon
