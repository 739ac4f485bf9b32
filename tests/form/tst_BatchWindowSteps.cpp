// What the window is told around a batch, pressed through the start button
// at each turn: the controls locked and given back, and what the end says.

#include "form/BatchWindowSteps.h"

#include "support/BatchFixture.h"

#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

class tst_BatchWindowSteps : public QObject
{
    Q_OBJECT

private slots:
    void startButtonAtEachTurn_data()
    {
        QTest::addColumn<QString>("secondPress"); // "", "armed": before Timer1, "converting"
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<int>("opened"); // output folders opened
        QTest::addColumn<int>("left");   // files left in the run list
        QTest::newRow("pressed once: converted")
            << "" << QStringList{"settings off", "queue off", "settings on", "queue on", "Done."} << 1 << 1;
        QTest::newRow("pressed again before the batch begins")
            << "armed" << QStringList{"settings off", "queue off", "settings on", "queue on"} << 0 << 1;
        QTest::newRow("pressed again while converting")
            << "converting" << QStringList{"settings off", "queue off", "settings on", "queue on", "Stopped."} << 0
            << 1;
    }
    void startButtonAtEachTurn()
    {
        QFETCH(QString, secondPress);
        QFETCH(QStringList, told);
        QFETCH(int, opened);
        QFETCH(int, left);
        Batch b;
        b.queue.addEntry(b.source("clip.mp4", "#standin\nwrite-early\nprogress 50\nsleep 20\n"));
        QObject::connect(&b.objDOS, &ProcessRunner::outputReceived, &b.driver, [&](const QString& piece) {
            if (secondPress == "converting" && piece.contains("time=") && b.driver.busy())
                b.steps.startOrStop();
        });
        b.command3();
        QCOMPARE(b.driver.state(), BatchDriver::State::Armed);
        if (secondPress == "armed")
            b.steps.startOrStop();
        QTRY_VERIFY_WITH_TIMEOUT(b.driver.state() == BatchDriver::State::Idle, 60000);
        QCOMPARE(b.window.events, told);
        QCOMPARE(b.shell.opened.size(), opened);
        QCOMPARE(b.queue.runCount(), left);
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
    }
};

QTEST_GUILESS_MAIN(tst_BatchWindowSteps)
#include "tst_BatchWindowSteps.moc"
