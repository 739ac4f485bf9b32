// Several files at once in the window: the choice in its menu, kept in
// Tarnwick.conf, and what the window shows while two lanes convert.

#include "settings/ProgramSettings.h"
#include "form/frmMain.h"
#include "process/ProcessRunner.h"
#include "sources/Queue.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QAction* entry(const frmMain& form, const QString& name)
{
    return form.lanesMenu()->findChild<QAction*>(name);
}

// Scripts of one size: the estimate weighs files by their size until their
// lengths are known.
QByteArray sized(const QByteArray& script)
{
    return script + QByteArray(qMax<qsizetype>(0, 255 - script.size()), 'x') + '\n';
}

QString checkedEntry(const frmMain& form)
{
    for (QAction* action : form.lanesMenu()->actions()) {
        if (action->isChecked())
            return action->objectName();
    }
    return {};
}

} // namespace

class tst_frmMainLanes : public QObject
{
    Q_OBJECT

private slots:
    // 1 up to the cores, and Automatic; one at a time unless chosen; the
    // choice kept for the next start in Tarnwick.conf.
    void theChoiceIsKeptInTarnwickConf()
    {
        const int cores = qMax(1, QThread::idealThreadCount());
        const QString several = cores > 1 ? "actLanes2" : "actLanesAutomatic";
        {
            TestWindow w;
            QCOMPARE(w.form->lanesMenu()->actions().size(), cores + 1);
            QCOMPARE(checkedEntry(*w.form), QString("actLanes1"));
            QCOMPARE(w.form->batch().lanes(), 1);
            entry(*w.form, several)->trigger();
            QCOMPARE(w.form->batch().lanes(), cores > 1 ? 2 : 0);
        }
        QCOMPARE(ProgramSettings().conversionsAtOnce(), cores > 1 ? 2 : 0);
        {
            TestWindow w;
            QCOMPARE(checkedEntry(*w.form), several);
            QCOMPARE(w.form->batch().lanes(), cores > 1 ? 2 : 0);
            entry(*w.form, "actLanesAutomatic")->trigger();
            QCOMPARE(w.form->batch().laneCount(), cores);
            QCOMPARE(ProgramSettings().conversionsAtOnce(), 0);
            QFile setup(w.program.filePath("setup.ini"));
            entry(*w.form, "actLanes1")->trigger();
            w.form->close();
            QVERIFY(setup.open(QIODevice::ReadOnly));
            QVERIFY(!setup.readAll().contains("Conversions"));
        }
        QCOMPARE(ProgramSettings().conversionsAtOnce(), 1);
    }

    // Two lanes: each converting row shows its own share, the bar and the
    // title the batch's, "file k of n" counts finished files, and a row
    // leaves when its conversion ends, whichever lane it was in.
    void twoLanesShowEachRowAndTheBatch()
    {
        if (QThread::idealThreadCount() < 2)
            QSKIP("one core: the menu offers no second lane");
        QTemporaryDir dir;
        TestWindow w(standinProgramFolder());
        w.form->show();
        entry(*w.form, "actLanes2")->trigger();
        const QString gate = dir.filePath("gate");
        const QStringList sources{dir.filePath("held.mp4"), dir.filePath("quick.mp4"), dir.filePath("last.mp4")};
        QVERIFY(writeFile(sources.at(0), sized("#standin\nwait-for " + gate.toUtf8() + "\n")));
        QVERIFY(writeFile(sources.at(1), sized("#standin\nprogress 4\nsleep 20\n")));
        QVERIFY(writeFile(sources.at(2), sized("#standin\n")));
        for (const QString& s : sources)
            w.form->queue().addEntry(s);
        w.c().txtPath->setText(dir.filePath("out"));

        Queue& queue = w.form->queue();
        const auto rowShare = [&](int row) { return queue.index(row, 1).data(Queue::ProgressRole); };
        QVariant heldShare, quickShare;
        QString whileBothRun;
        QObject::connect(&w.form->batch().laneConverter(1).encoderRunner(), &ProcessRunner::outputReceived, this,
                         [&](const QString& piece) {
                             if (whileBothRun.isEmpty() && piece.contains("time=00:00:01") &&
                                 queue.displayPath(1) == sources.at(1)) {
                                 heldShare = rowShare(0);
                                 quickShare = rowShare(1);
                                 whileBothRun = w.c().lblBatch->text();
                             }
                         });
        QStringList rowsAfter;
        QString afterTwo;
        QList<int> bars;
        QObject::connect(&w.form->batch(), &BatchDriver::fileFinished, this, [&](int index, const ConversionResult&) {
            QStringList rows;
            for (int row = 0; row < queue.displayCount(); ++row)
                rows << QFileInfo(queue.displayPath(row)).fileName();
            rowsAfter << rows.join(' ');
            if (index == 2) {
                afterTwo = w.c().lblBatch->text() + " | " + w.form->windowTitle();
                bars << w.c().pb->value();
                writeFile(gate);
            }
        });
        w.c().Command3->click();
        QVERIFY(!w.form->lanesMenu()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(w.c().lblPB->text() == "Done.", 30000);

        QCOMPARE(heldShare, QVariant(0.0));
        QCOMPARE(quickShare, QVariant(50.0));
        QVERIFY2(whileBothRun.startsWith("file 1 of 3"), qPrintable(whileBothRun));
        QCOMPARE(rowsAfter, QStringList({"held.mp4 last.mp4", "held.mp4"}) << QString());
        // Two of three done while the first is held at its start: the
        // batch's share is two thirds, whatever the file in lane 0 shows.
        QVERIFY2(afterTwo.startsWith("file 3 of 3") && afterTwo.endsWith("66% \u2014 Tarnwick"),
                 qPrintable(afterTwo));
        QCOMPARE(bars, QList<int>{66});
        QCOMPARE(w.c().pb->value(), 0);
        QCOMPARE(w.form->windowTitle(), QString("Tarnwick"));
        QVERIFY(w.form->lanesMenu()->isEnabled());
        QCOMPARE(w.form->queue().pending(), sources);
        entry(*w.form, "actLanes1")->trigger();
        QString why;
        QVERIFY2(w.done(&why), qPrintable(why));
    }
};

QTEST_MAIN(tst_frmMainLanes)
#include "tst_frmMainLanes.moc"
