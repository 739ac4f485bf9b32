#include "process/clsWaitableTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>

using tarnwick::clsWaitableTimer;
using tarnwick::WaitError;

namespace {
// Counts one custom event, to see that posted events run inside a wait.
class EventCounter : public QObject
{
public:
    int seen = 0;
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User) {
            ++seen;
            return true;
        }
        return QObject::event(e);
    }
};
} // namespace

class tst_clsWaitableTimer : public QObject
{
    Q_OBJECT

private slots:
    void waitsAtLeastAndDispatchesEvents()
    {
        clsWaitableTimer timer;
        EventCounter counter;
        bool timerFired = false;
        QTimer::singleShot(5, this, [&] { timerFired = true; });
        QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
        QElapsedTimer clock;
        clock.start();
        timer.Wait(50);
        QVERIFY(clock.elapsed() >= 50);
        QVERIFY(timerFired);
        QCOMPARE(counter.seen, 1);
        QVERIFY(timer.isIdle());
    }

    void zeroStillDispatches()
    {
        clsWaitableTimer timer;
        EventCounter counter;
        QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
        timer.Wait(0);
        QCOMPARE(counter.seen, 1);
    }

    void errorsCarryTheRoutineName()
    {
        clsWaitableTimer timer;
        try {
            timer.Wait(-1);
            QFAIL("a negative pause must raise");
        } catch (const WaitError& e) {
            QVERIFY(e.description().startsWith("[clsWaitableTimer.Wait]"));
            QVERIFY(QString::fromUtf8(e.what()).startsWith("[clsWaitableTimer.Wait]"));
        }
        QVERIFY(timer.isIdle());
    }

    // A wait started from inside the same timer's wait cannot share its loop.
    void nestedWaitOnOneTimerRaises()
    {
        clsWaitableTimer timer;
        QString raised;
        QTimer::singleShot(1, this, [&] {
            try {
                timer.Wait(1);
            } catch (const WaitError& e) {
                raised = e.description();
            }
        });
        timer.Wait(30);
        QVERIFY(raised.startsWith("[clsWaitableTimer.Wait]"));
        QVERIFY(timer.isIdle());
    }

    void wakeEndsAWaitEarly()
    {
        clsWaitableTimer timer;
        QTimer::singleShot(10, this, [&] { timer.Wake(); });
        QElapsedTimer clock;
        clock.start();
        timer.WaitAtMost(60000);
        QVERIFY(clock.elapsed() < 30000);

        timer.Wake(); // a wake that arrives before the wait is not lost
        clock.restart();
        timer.WaitAtMost(60000);
        QVERIFY(clock.elapsed() < 30000);
        QVERIFY(timer.isIdle());
    }
};

QTEST_GUILESS_MAIN(tst_clsWaitableTimer)
#include "tst_clsWaitableTimer.moc"
