#include "form/frmMain.h"
#include "process/ProcessRunner.h"
#include "sources/Queue.h"
#include "sources/SourceCommands.h"

#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"
#include "support/Media.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QAction>
#include <QComboBox>
#include <QJsonArray>
#include <QMenu>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

class tst_frmMainBatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_mp4, m_vob, m_mkv;

    QStringList lavfi(double seconds) const
    {
        return {"-nostdin", "-v", "error", "-f", "lavfi", "-i",
                QString("testsrc=size=320x240:rate=25:duration=%1").arg(seconds), "-f", "lavfi", "-i",
                QString("sine=frequency=440:duration=%1").arg(seconds)};
    }

    // Runs one batch through the window's own start button.
    void convert(frmMain& form, ScriptedMessages& messages, const QStringList& sources, int format,
                 QStringList& files, int rotation = 5) // -1: as the window has it
    {
        QTemporaryDir* out = new QTemporaryDir;
        out->setAutoRemove(true);
        m_outputs.emplace_back(out);
        const MainWidgets& c = form.widgets();
        for (const QString& s : sources)
            form.queue().addEntry(s);
        form.presets().visibleFormat.select(format);
        if (rotation >= 0)
            form.rotation().choices.select(rotation);
        c.txtPath->setText(out->path());
        QList<int> bars;
        auto watch = connect(c.pb, &QProgressBar::valueChanged, this, [&](int v) { bars << v; });
        c.Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(form.batch().state() == BatchDriver::State::Idle &&
                                     c.lblPB->text() == "Done.", 120000);
        disconnect(watch);
        QVERIFY2(bars.contains(100), qPrintable(QString("progress %1").arg(bars.size())));
        for (const ConversionResult& r : form.batch().results())
            files << r.output;
        form.sources().removeAll();
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
    }

    std::vector<std::unique_ptr<QTemporaryDir>> m_outputs;

private slots:
    void initTestCase()
    {
        m_mp4 = m_dir.filePath("clip.mp4");
        m_vob = m_dir.filePath("VTS_01_1.VOB");
        m_mkv = m_dir.filePath("clip.mkv");
        QVERIFY(runTool(TARNWICK_FFMPEG, lavfi(3) << "-c:v" << "mpeg4" << m_mp4));
        QVERIFY(runTool(TARNWICK_FFMPEG, lavfi(3) << "-target" << "ntsc-dvd" << "-f" << "vob" << m_vob));
        QVERIFY(runTool(TARNWICK_FFMPEG, lavfi(3) << m_mkv));
    }

    void everyFormatThroughTheStartButton_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("codec");
        QTest::newRow("MP4 MPEG-4") << 0 << ".mp4" << "mov,mp4" << "mpeg4";
        QTest::newRow("MP4 H.264") << 1 << ".mp4" << "mov,mp4" << "h264";
        QTest::newRow("AVI") << 2 << ".avi" << "avi" << "";
        QTest::newRow("MOV") << 3 << ".mov" << "mov,mp4" << "";
        QTest::newRow("FLV name holding MP4") << 4 << ".flv" << "mov,mp4" << "";
        QTest::newRow("WMV as ASF") << 5 << ".wmv" << "asf" << "";
        QTest::newRow("MPEG-1 in MPG") << 6 << ".mpg" << "mpeg" << "mpeg1video";
    }
    void everyFormatThroughTheStartButton()
    {
        QFETCH(int, format);
        QFETCH(QString, extension);
        QFETCH(QString, container);
        QFETCH(QString, codec);
        TestWindow w(realProgramFolder());
        frmMain& form = *w.form;
        ScriptedMessages& messages = w.messages;
        RecordingShell& shell = w.shell;
        form.options().beep = false;
        form.show();
        QStringList outputs;
        convert(form, messages, {m_mp4}, format, outputs);
        QCOMPARE(outputs.size(), 1);
        QVERIFY(outputs.first().endsWith(extension));
        const Probe probe = ffprobe(outputs.first());
        QVERIFY2(probe.format.startsWith(container), qPrintable(probe.format));
        if (!codec.isEmpty())
            QCOMPARE(probe.videoCodec, codec);
        QVERIFY(!probe.videoCodec.isEmpty());
        QVERIFY2(qAbs(probe.duration - 3.0) < 0.5, qPrintable(QString::number(probe.duration)));
        QCOMPARE(form.widgets().pb->value(), 0);
        QCOMPARE(shell.beeps, 0);
    }

    // The rotation the layout keeps out of sight, chosen from the context
    // menu; the choice is locked while a batch runs.
    void rotationFromTheMenu_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("90 Degree Clockwise") << "actRotate0" << 240 << 320;
        QTest::newRow("None") << "actRotate5" << 320 << 240;
    }
    void rotationFromTheMenu()
    {
        QFETCH(QString, entry);
        QFETCH(int, width);
        QFETCH(int, height);
        TestWindow w(realProgramFolder());
        frmMain& form = *w.form;
        ScriptedMessages& messages = w.messages;
        form.show();
        QAction* choice = form.rotateMenu()->findChild<QAction*>(entry);
        QVERIFY(choice);
        form.rotation().choices.select(entry == "actRotate5" ? 0 : 5); // start from the other one
        QVERIFY(!choice->isChecked());
        choice->trigger();
        QVERIFY(choice->isChecked());
        QCOMPARE(form.widgets().cmbRotate->currentText(), choice->text());
        QList<bool> enabledDuringBatch;
        connect(&form.objDOS(), &ProcessRunner::outputReceived, this,
                [&] { enabledDuringBatch << form.rotateMenu()->isEnabled(); });
        QStringList outputs;
        convert(form, messages, {m_mp4}, 0, outputs, -1);
        QVERIFY(!enabledDuringBatch.isEmpty() && !enabledDuringBatch.contains(true));
        QVERIFY(form.rotateMenu()->isEnabled());
        const Probe probe = ffprobe(outputs.value(0));
        QCOMPARE(probe.width, width);
        QCOMPARE(probe.height, height);
    }

    // The next batch's first file shows nothing of the last batch: "Done."
    // stays until the file's own first report.
    void nextBatchShowsNothingOfTheLast()
    {
        TestWindow w(realProgramFolder());
        frmMain& form = *w.form;
        ScriptedMessages& messages = w.messages;
        form.show();
        QStringList outputs;
        convert(form, messages, {m_mp4}, 0, outputs);
        QStringList duringProbe;
        auto watch = connect(&form.objffmpeg(), &ProcessRunner::outputReceived, this,
                             [&] { duringProbe << form.widgets().lblPB->text(); });
        convert(form, messages, {m_mp4}, 0, outputs);
        disconnect(watch);
        QVERIFY(!duringProbe.isEmpty());
        QCOMPARE(duringProbe, QStringList(duringProbe.size(), "Done."));
    }

    void dvdAndMatroskaSourcesAndARotation_data()
    {
        QTest::addColumn<int>("lanes");
        QTest::newRow("one after another") << 1;
        QTest::newRow("two at once") << 2;
    }
    void dvdAndMatroskaSourcesAndARotation()
    {
        QFETCH(int, lanes);
        TestWindow w(realProgramFolder());
        frmMain& form = *w.form;
        form.batch().setLanes(lanes);
        ScriptedMessages& messages = w.messages;
        RecordingShell& shell = w.shell;
        form.show();
        QStringList outputs;
        convert(form, messages, {m_vob, m_mkv}, 1, outputs);
        QCOMPARE(outputs.size(), 2);
        for (const QString& out : outputs) {
            const Probe probe = ffprobe(out);
            QCOMPARE(probe.videoCodec, QString("h264"));
            QVERIFY2(qAbs(probe.duration - 3.0) < 0.5, qPrintable(QString::number(probe.duration)));
        }
        QCOMPARE(shell.beeps, 1);

        QStringList turned;
        convert(form, messages, {m_mp4}, 0, turned, 0); // 90 Degree Clockwise
        const Probe probe = ffprobe(turned.first());
        QCOMPARE(probe.width, 240);
        QCOMPARE(probe.height, 320);
        QVERIFY(form.objDOS().commandLine().contains(" -vb 5000k -vf \"transpose=1\" \""));
    }
};

QTEST_MAIN(tst_frmMainBatch)
#include "tst_frmMainBatch.moc"
