#pragma once
// Scripted dialogs: records every text shown and answers from queues.
#include "platform/Dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

namespace trelon::test {

class FakeDialogs : public Dialogs {
public:
    QStringList informations;          // texts of information boxes, in order
    QStringList errors;                // "title|text" of error boxes
    QStringList confirmations;         // questions asked
    QStringList folderRequests;        // start folders of folder dialogs
    std::deque<bool> confirmAnswers;   // next answers; Yes when empty
    std::deque<QString> folderAnswers; // next chosen folders; cancel when empty
    // Runs while a box is open, as events that arrive then (the program losing the focus).
    std::function<void()> whileShown;

    void information(const QString& text) override {
        informations << text;
        shown();
    }
    void error(const QString& title, const QString& text) override {
        errors << title + QStringLiteral("|") + text;
        shown();
    }
    bool confirm(const QString& text) override {
        confirmations << text;
        shown();
        if (confirmAnswers.empty()) {
            return true;
        }
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    std::optional<QString> chooseFolder(const QString& startDir) override {
        folderRequests << startDir;
        if (folderAnswers.empty()) {
            return std::nullopt;
        }
        const QString answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
    void shown() {
        if (whileShown) {
            whileShown();
        }
    }
    int shownCount() const {
        return static_cast<int>(informations.size() + errors.size() + confirmations.size());
    }
};

} // namespace trelon::test
