#pragma once
// What a run asks of the window it runs in.
#include <QString>

namespace trelon {

class StimulusHost {
public:
    virtual ~StimulusHost() = default;
    // The window's caption, the title of its error boxes.
    virtual QString caption() const = 0;
    // Repaints the window now.
    virtual void refresh() = 0;
    // Asks the window to close; the window then runs the run's FormClose.
    virtual void closeWindow() = 0;
};

} // namespace trelon
