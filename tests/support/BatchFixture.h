#pragma once

#include "conversion/BatchDriver.h"
#include "conversion/ConversionMonitor.h"
#include "conversion/Options.h"
#include "conversion/OutputPresets.h"
#include "conversion/Rotation.h"
#include "process/DOSOutputs.h"
#include "sources/Queue.h"

#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QTemporaryDir>
#include <QTest>

namespace tarnwick::test {


class RecordingWindow final : public BatchWindow
{
public:
    QString path;
    QStringList events;
    QString txtPath() const override { return path; }
    void setTxtPath(const QString& text) override { path = text; }
    void setSettingsEnabled(bool enabled) override { events << (enabled ? "settings on" : "settings off"); }
    void setQueueControlsEnabled(bool enabled) override { events << (enabled ? "queue on" : "queue off"); }
    void showBatchDone() override { events << "Done."; }
};

// A batch driver with every part it needs over recording seams, its
// sources and outputs in a temporary folder; the stand-in encoder unless
// another program folder is given.
struct Batch {
    QTemporaryDir dir;
    ScriptedMessages messages;
    RecordingShell shell;
    RecordingWindow window;
    Queue queue;
    DOSOutputs objDOS{messages};
    DOSOutputs objffmpeg{messages};
    ConversionMonitor monitor{queue};
    Rotation rotation;
    OutputPresets presets;
    Options options;
    BatchDriver driver;
    QString log;

    explicit Batch(const QString& programFolder = standinProgramFolder())
        : driver({queue, objDOS, objffmpeg, monitor, rotation, presets, options, window, shell, messages},
                 programFolder)
    {
        presets.cmbOF1.select(0);
        rotation.cmbRotate.select(5);
        window.path = dir.filePath("out");
        log = dir.filePath("standin.log");
        qputenv("STANDIN_LOG", log.toLocal8Bit());
    }
    ~Batch() { qunsetenv("STANDIN_LOG"); }

    QString source(const QString& name, const QByteArray& script = "#standin\n")
    {
        const QString path = dir.filePath(name);
        writeFile(path, script);
        return path;
    }
    void run()
    {
        driver.StartConversion();
        QTRY_VERIFY_WITH_TIMEOUT(driver.state() == BatchDriver::State::Idle, 60000);
    }
    QStringList calls() const
    {
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    QStringList outputs() const
    {
        return QDir(dir.filePath("out")).entryList(QDir::Files, QDir::Name);
    }
};


} // namespace tarnwick::test
