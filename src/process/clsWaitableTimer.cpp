#include "process/clsWaitableTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace tarnwick {

namespace {
const QString kSource = QStringLiteral("clsWaitableTimer.Wait");
const QString kPrefix = QStringLiteral("[clsWaitableTimer.Wait]");

[[noreturn]] void raise(int number, const QString& what)
{
    throw WaitError(number, kSource, kPrefix + u' ' + what);
}
} // namespace

WaitError::WaitError(int number, const QString& source, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_source(source),
      m_description(description)
{
}

clsWaitableTimer::~clsWaitableTimer()
{
    // Released while a wait is still pending: end it, as closing the timer would.
    if (m_loop)
        m_loop->quit();
}

void clsWaitableTimer::Wait(qint32 MilliSeconds)
{
    run(MilliSeconds, false);
}

void clsWaitableTimer::WaitAtMost(qint32 MilliSeconds)
{
    run(MilliSeconds, true);
}

void clsWaitableTimer::Wake()
{
    m_woken = true;
    if (m_loop)
        m_loop->quit();
}

void clsWaitableTimer::run(qint32 milliSeconds, bool wakeable)
{
    if (milliSeconds < 0)
        raise(5, QStringLiteral("Invalid pause length: %1 ms").arg(milliSeconds));
    if (!QCoreApplication::instance())
        raise(91, QStringLiteral("No application event loop to dispatch events"));
    if (m_loop)
        raise(5, QStringLiteral("A wait is already in progress on this timer"));
    if (QThread::currentThread() != QCoreApplication::instance()->thread())
        raise(5, QStringLiteral("Waits run on the user-interface thread only"));

    if (wakeable && m_woken) {
        m_woken = false;
        QCoreApplication::processEvents();
        return;
    }
    m_woken = false;

    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_loop = &loop;
    // A timer can fire a fraction of a millisecond early; go round again
    // until the whole pause has passed.
    for (;;) {
        const qint64 left = qint64(milliSeconds) - elapsed.elapsed();
        if (left <= 0 || (wakeable && m_woken))
            break;
        timer.start(int(left));
        if (loop.exec() == -1) {
            // The application is exiting: no event loop runs any more, and
            // going round would only spin.
            m_loop = nullptr;
            m_woken = false;
            raise(91, QStringLiteral("The application is exiting"));
        }
    }
    m_loop = nullptr;
    m_woken = false;
    if (milliSeconds == 0)
        QCoreApplication::processEvents();
}

} // namespace tarnwick
