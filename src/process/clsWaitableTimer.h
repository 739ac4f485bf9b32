#pragma once

#include <QString>

#include <stdexcept>

class QEventLoop;

namespace tarnwick {

// An error raised by a wait. Its description starts with the name of the
// routine that raised it, so a caller several levels up can tell where it came from.
class WaitError : public std::runtime_error
{
public:
    WaitError(int number, const QString& source, const QString& description);
    int number() const { return m_number; }
    const QString& source() const { return m_source; }
    const QString& description() const { return m_description; }

private:
    int m_number;
    QString m_source;
    QString m_description;
};

// A pause that keeps the user interface alive: events that arrive while it
// waits are dispatched at once, and the call returns when the time is up.
// The wait itself blocks in the event dispatcher, so it costs no processor
// time beyond the events it handles.
class clsWaitableTimer
{
public:
    clsWaitableTimer() = default;
    ~clsWaitableTimer();
    clsWaitableTimer(const clsWaitableTimer&) = delete;
    clsWaitableTimer& operator=(const clsWaitableTimer&) = delete;

    // Returns after at least MilliSeconds; throws WaitError.
    void Wait(qint32 MilliSeconds);

    // Like Wait, but returns early once Wake() is called (from an event
    // handled during the wait, or before it started). Used by the console
    // runner so that output and the child's end are seen at once.
    void WaitAtMost(qint32 MilliSeconds);
    void Wake();

    // True when no wait is in progress and nothing is held open.
    bool isIdle() const { return m_loop == nullptr; }

private:
    void run(qint32 milliSeconds, bool wakeable);

    QEventLoop* m_loop = nullptr;
    bool m_woken = false;
};

} // namespace tarnwick
