#pragma once
// Stands in for the stimulus window around a run.
#include "procedures/StimulusHost.h"

namespace trelon::test {

class FakeStimulusHost : public StimulusHost {
public:
    QString title = QStringLiteral("Stimulus");
    int refreshes = 0;
    int closeRequests = 0;

    QString caption() const override { return title; }
    void refresh() override { ++refreshes; }
    void closeWindow() override { ++closeRequests; }
};

} // namespace trelon::test
