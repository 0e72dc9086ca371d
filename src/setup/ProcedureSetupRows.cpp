#include "setup/ProcedureSetupRows.h"

#include "stimulus/PictureFiles.h"

namespace trelon {

namespace {

using C = SetupControl;
using K = ProcedureKind;

SetupControlState& at(SetupControlStates& controls, SetupControl id) {
    return controls[static_cast<int>(id)];
}

// Left edge that centres a control of width inner on the control outer.
int centredOn(const QRect& outer, int inner) {
    return outer.x() + (outer.width() - inner) / 2;
}

// The size group left of the test objects, disabled for the scale (it has no size).
void arrangeDiagKosogl(SetupControlStates& controls) {
    SetupControlState& test = at(controls, C::RadioGroupTestObj);
    SetupControlState& size = at(controls, C::RadioGroupSizeScotoma);
    test.itemIndex = 0;
    size.rect.moveTo(test.rect.x() - 20 - size.rect.width(), test.rect.y());
    size.enabled = test.itemIndex + 1 != kAngleScaleObject;
}

// The angular sizes under the reserves, the objects right-aligned with them.
void arrangeDiagFuzia(SetupControlStates& controls) {
    const QRect reserves = at(controls, C::RadioGroupFuz).rect;
    QRect& object = at(controls, C::RadioGroupObjFuz).rect;
    SetupControlState& sizeFuz = at(controls, C::RadioGroupSizeFuz);
    sizeFuz.itemIndex = 0;
    sizeFuz.rect.moveTo(reserves.x(), object.y());
    object.moveLeft(rightEdge(reserves) - object.width());
}

// The three-item size group centred under the objects, the direction group under it.
void arrangeTrenScotoma(SetupControlStates& controls) {
    const QRect objects = at(controls, C::RadioGroupScotomObj).rect;
    SetupControlState& size = at(controls, C::RadioGroupSizeScotoma);
    size.items = {QStringLiteral("Большой"), QStringLiteral("Средний"),
                  QStringLiteral("Маленький")};
    size.itemIndex = 0;
    size.rect.moveTo(centredOn(objects, size.rect.width()), bottomEdge(objects) + 20);
    at(controls, C::RadioGroupSamolet).rect.moveTo(objects.x(), bottomEdge(size.rect) + 20);
    enableAirplaneDirections(controls);
}

// The size group under the flicker variants, centred on the frequency group.
void arrangeTrenKosogl(SetupControlStates& controls) {
    QRect& size = at(controls, C::RadioGroupSizeScotoma).rect;
    size.moveTo(centredOn(at(controls, C::RadioGroupFrec).rect, size.width()),
                bottomEdge(at(controls, C::RadioGroupMelkan).rect) + 10);
    showWorkModeGroups(controls);
    resetFlickerSquares(controls);
}

// The size group level with the objects, centred on the swing speed.
void arrangeTrenBifics(SetupControlStates& controls) {
    QRect& size = at(controls, C::RadioGroupSizeScotoma).rect;
    size.moveTo(centredOn(at(controls, C::RadioGroupSkorostKoleb).rect, size.width()),
                at(controls, C::RadioGroupTrenFuzObj).rect.y());
}

// The speed group bottom-aligned with the objects, the size group above it and the reserves
// centred in the gap between them.
void arrangeTrenCvetotest(SetupControlStates& controls) {
    const QRect objects = at(controls, C::RadioGroupTrenFuzObj).rect;
    QRect& speed = at(controls, C::RadioGroupSkorost).rect;
    QRect& size = at(controls, C::RadioGroupSizeScotoma).rect;
    QRect& reserves = at(controls, C::RadioGroupFuzTren).rect;
    speed.moveTop(bottomEdge(objects) - speed.height());
    size.moveTo(centredOn(speed, size.width()), objects.y());
    const int gapTop = bottomEdge(size);
    reserves.moveTop(gapTop + (speed.y() - gapTop - reserves.height()) / 2);
}

constexpr C kDiagKosoglGroups[] = {C::RadioGroupTestObj};
constexpr C kDiagFuziaGroups[] = {C::RadioGroupFuz, C::RadioGroupObjFuz, C::RadioGroupSizeFuz};
constexpr C kTrenScotomaGroups[] = {C::RadioGroupScotomObj, C::RadioGroupSamolet,
                                    C::RadioGroupMelkan, C::RadioGroupFrec};
constexpr C kTrenKosoglGroups[] = {C::RadioGroupMelkan, C::RadioGroupFrec, C::RadioGroupTrenObj,
                                   C::RadioGroupWork};
constexpr C kTrenBificsGroups[] = {C::RadioGroupTrenFuzObj, C::RadioGroupSkorostKoleb};
constexpr C kTrenCvetotestGroups[] = {C::RadioGroupFuzTren, C::RadioGroupTrenFuzObj,
                                      C::RadioGroupSkorost};

} // namespace

constexpr SetupRow kNoProcedureSetup{};
constexpr SetupRow kDiagCvetotestSetup{
    .caption = " Диагностика: оценка характера зрения ",
    .hidesSize = true,
};
constexpr SetupRow kDiagKosoglSetup{
    .caption = " Диагностика: измерение угла косоглазия ",
    .shown = kDiagKosoglGroups,
    .preview = C::RadioGroupTestObj,
    .arrange = arrangeDiagKosogl,
};
constexpr SetupRow kDiagScotomaSetup{
    .caption = " Диагностика: выявление функциональной скотомы ",
    .hidesSize = true,
};
constexpr SetupRow kDiagFuziaSetup{
    .caption = " Диагностика: определение фузионных резервов ",
    .shown = kDiagFuziaGroups,
    .hidesSize = true,
    .arrange = arrangeDiagFuzia,
};
constexpr SetupRow kTrenScotomaSetup{
    .caption = " Ликвидация функциональной скотомы ",
    .shown = kTrenScotomaGroups,
    .flickerSquares = true,
    .arrange = arrangeTrenScotoma,
};
constexpr SetupRow kTrenKosoglSetup{
    .caption = " Тренировка: устранение косоглазия ",
    .shown = kTrenKosoglGroups,
    .flickerSquares = true,
    .preview = C::RadioGroupTrenObj,
    .arrange = arrangeTrenKosogl,
};
constexpr SetupRow kTrenBificsSetup{
    .caption = " Тренировка: закрепление слияния ",
    .shown = kTrenBificsGroups,
    .preview = C::RadioGroupTrenFuzObj,
    .arrange = arrangeTrenBifics,
};
constexpr SetupRow kTrenCvetotestSetup{
    .caption = " Тренировка: развитие фузионных резервов ",
    .shown = kTrenCvetotestGroups,
    .preview = C::RadioGroupTrenFuzObj,
    .arrange = arrangeTrenCvetotest,
};

const SetupRow& setupRowOf(ProcedureKind kind) {
    static constexpr std::pair<K, const SetupRow*> kRows[] = {
        {K::DiagCvetotest, &kDiagCvetotestSetup}, {K::DiagKosogl, &kDiagKosoglSetup},
        {K::DiagScotoma, &kDiagScotomaSetup},     {K::DiagFuzia, &kDiagFuziaSetup},
        {K::TrenScotoma, &kTrenScotomaSetup},     {K::TrenKosogl, &kTrenKosoglSetup},
        {K::TrenBifics, &kTrenBificsSetup},       {K::TrenCvetotest, &kTrenCvetotestSetup},
    };
    for (const auto& [rowKind, row] : kRows) {
        if (rowKind == kind) {
            return *row;
        }
    }
    return kNoProcedureSetup;
}

} // namespace trelon
