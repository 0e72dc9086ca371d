#include "stimulus/ObjectCaptions.h"

namespace trelon {

const QStringList& testObjectCaptions() {
    static const QStringList captions = {QStringLiteral("Шкала"),   QStringLiteral("Домик"),
                                         QStringLiteral("Рыбка"),   QStringLiteral("Звезда"),
                                         QStringLiteral("Птенчик"), QStringLiteral("Лодка"),
                                         QStringLiteral("Свечка"),  QStringLiteral("Стрелка")};
    return captions;
}

const QStringList& scotomaObjectCaptions() {
    static const QStringList captions = {QStringLiteral("Мышеловка"), QStringLiteral("Пчелка"),
                                         QStringLiteral("Самолет (8)")};
    return captions;
}

const QStringList& trainingObjectCaptions() {
    static const QStringList captions = {
        QStringLiteral("Звезда"),  QStringLiteral("Домик"),  QStringLiteral("Цветок"),
        QStringLiteral("Телефон"), QStringLiteral("Машина"), QStringLiteral("Свеча"),
        QStringLiteral("Пчелка"),  QStringLiteral("Краб"),   QStringLiteral("Конфета"),
        QStringLiteral("Птенчик"), QStringLiteral("Стрелка")};
    return captions;
}

} // namespace trelon
