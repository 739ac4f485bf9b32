#pragma once

#include <QElapsedTimer>

namespace tarnwick {

// Lets pending window events run from inside a long loop. Called as often as
// the loop likes, it dispatches at most every few milliseconds: the window
// repaints and takes input at once to the user's eye, while a loop over
// tens of thousands of entries does not spend its time repainting.
class UiYield
{
public:
    explicit UiYield(int intervalMs = 8) : m_intervalMs(intervalMs) { m_since.start(); }
    void operator()();
    // Dispatches now, whatever the interval.
    void now();

private:
    int m_intervalMs;
    QElapsedTimer m_since;
};

} // namespace tarnwick
