#include "state/SharedTexts.h"

namespace trelon {

void SetSharedTexts(SharedTexts& texts) {
    texts.DeleteSelectedQuestion = QStringLiteral("Удалить выделенные данные?");
    texts.FolderNotWritable = QStringLiteral("В эту папку или файл нельзя записать!");
    texts.NoPatientName = QStringLiteral("Не введена фамилия!");
    texts.DeletingPatient = QStringLiteral("Удаляется пациент");
    texts.NoPatientContinue = QStringLiteral("Не выбрана фамилия. Продолжить?");
}

} // namespace trelon
