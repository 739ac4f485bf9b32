#pragma once

#include "form/BatchWindowSteps.h"
#include "session/Session.h"

#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QTemporaryDir>
#include <QTest>

namespace tarnwick::test {

// What the window's steps around the batch told the window, in order.
struct RecordingWindow {
    QString path;
    QStringList events;
};

// A session over recording seams, with the steps the window takes around
// its batches, its sources and outputs in a temporary folder; the stand-in
// encoder unless another program folder is given.
struct Batch {
    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    ScriptedDrives drives;
    RecordingWindow window;
    Session session;
    Queue& queue;
    Converter& converter;
    ProcessRunner& objDOS;
    ProcessRunner& objffmpeg;
    ConversionMonitor& monitor;
    OutputPresets& presets;
    Options& options;
    BatchDriver& driver;
    BatchWindowSteps steps;
    QString log;

    explicit Batch(const QString& programFolder = standinProgramFolder())
        : session(Services{messages, dialogs, shell, drives}, programFolder), queue(session.queue()),
          converter(session.converter()), objDOS(converter.encoderRunner()), objffmpeg(converter.probeRunner()),
          monitor(converter.monitor()), presets(session.presets()), options(session.options()),
          driver(session.batch()), steps(session)
    {
        presets.visibleFormat.select(0);
        session.rotation().choices.select(5);
        window.path = dir.filePath("out");
        log = dir.filePath("standin.log");
        qputenv("STANDIN_LOG", log.toLocal8Bit());
        QObject::connect(&steps, &BatchWindowSteps::settingsEnabledChanged, &driver,
                         [this](bool on) { window.events << (on ? "settings on" : "settings off"); });
        QObject::connect(&steps, &BatchWindowSteps::queueControlsEnabledChanged, &driver,
                         [this](bool on) { window.events << (on ? "queue on" : "queue off"); });
        QObject::connect(&steps, &BatchWindowSteps::batchEnded, &driver,
                         [this](const QString& caption) { window.events << caption; });
        QObject::connect(&session, &Session::outputFolderChanged, &driver,
                         [this](const QString& folder) { window.path = folder; });
    }
    ~Batch() { qunsetenv("STANDIN_LOG"); }

    QString source(const QString& name, const QByteArray& script = "#standin\n")
    {
        const QString path = dir.filePath(name);
        writeFile(path, script);
        return path;
    }
    // The start image and the start button, with the window's folder.
    void start()
    {
        session.setOutputFolder(window.path);
        session.startBatch();
    }
    void command3()
    {
        session.setOutputFolder(window.path);
        steps.startOrStop();
    }
    void run()
    {
        start();
        QTRY_VERIFY_WITH_TIMEOUT(driver.state() == BatchDriver::State::Idle, 60000);
    }
    QStringList calls() const
    {
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    QStringList outputs() const { return QDir(dir.filePath("out")).entryList(QDir::Files, QDir::Name); }
};

} // namespace tarnwick::test
