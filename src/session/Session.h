#pragma once

#include "engine/BatchDriver.h"
#include "engine/BatchProgress.h"
#include "engine/BatchJournal.h"
#include "engine/ConversionLogs.h"
#include "engine/Converter.h"
#include "settings/Options.h"
#include "settings/OutputPresets.h"
#include "settings/RateChoice.h"
#include "media/Rotation.h"
#include "job/RunSettings.h"
#include "sources/OpenFileDialog.h"
#include "sources/Queue.h"
#include "sources/SourceCommands.h"

#include <QObject>

#include <memory>

namespace tarnwick {

class Dialogs;
class Drives;
class Messages;
class Shell;

// The seams a session reaches the desktop through.
struct Services {
    Messages& messages;
    Dialogs& dialogs;
    Shell& shell;
    Drives& drives;
};

// One session of the program: the queue and the ways into it, the output
// settings, the options record, the converter and the batch driver, and
// the two settings files. Both faces drive it: the window reflects its
// state in widgets, the command line sets it from its arguments. It needs
// no display.
class Session : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Session)

public:
    Session(const Services& services, const QString& programFolder, QObject* parent = nullptr);

    const QString& programFolder() const { return m_programFolder; }
    const Services& services() const { return m_services; }
    Queue& queue() { return m_queue; }
    OpenFileDialog& openFileDialog() { return m_openFileDialog; }
    SourceCommands& sources() { return m_sources; }
    OutputPresets& presets() { return m_presets; }
    // Constant quality or a target size instead of the bitrate.
    RateChoice& rate() { return m_rate; }
    Rotation& rotation() { return m_rotation; }
    Options& options() { return m_options; }
    Converter& converter() { return m_converter; }
    BatchDriver& batch() { return m_batch; }
    BatchProgress& progress() { return m_progress; }

    const QString& outputFolder() const { return m_outputFolder; }
    void setOutputFolder(const QString& folder);
    QString defaultOutputFolder() const;

    // Made for the web: kept in Tarnwick.conf between runs.
    bool webOptimized() const { return m_webOptimized; }
    void setWebOptimized(bool on);
    // HDR to SDR in every format: kept in Tarnwick.conf between runs.
    bool hdrToSdr() const { return m_hdrToSdr; }
    void setHdrToSdr(bool on);
    // Black bars cropped, and every file's sound at one loudness: kept in Tarnwick.conf.
    bool cropBlackBars() const { return m_cropBlackBars; }
    void setCropBlackBars(bool on);
    const LoudnessTarget& loudness() const { return m_loudness; }
    void setLoudness(const LoudnessTarget& target);
    // The chosen format takes a bitrate and a rotation (a copy does not).
    bool pictureChoicesApply() const;
    // The output settings as every face chooses them. A format comes with
    // its default bitrate, as picking it in the list gives.
    const OutputFormat* format() const;
    void setFormat(const OutputFormat& format);
    void setKilobits(int kilobits);
    void setRotationChoice(RotationChoice choice);

    // The settings a batch started now would convert by.
    RunSettings runSettings() const;
    // The start image: a batch with the settings as they are now.
    void startBatch();

    // The start-up values of every list, then what setup.ini and
    // options.ini hold, in the order the window has always applied them.
    void loadSettings();
    // setup.ini: three preset positions, the output folder, the format index.
    void saveWindowSettings();
    QString settingsFile(const QString& name) const;
    // The program is ending: a running batch stopped with its unfinished
    // output removed, the temporary folder deleted.
    void shutDown();

    // Batches keep a journal at this path while they run (the window's do;
    // many command lines at once could not share one).
    void keepJournal(const QString& path);
    // Each conversion's log goes to this folder.
    void keepLogs(const QString& folder);
    QString logsFolder() const;
    // A batch the journal shows cut short: its half-written output removed,
    // and the files it had left queued again with its settings if the user
    // wants them. True when they were.
    bool offerInterruptedBatch();
    // The session's choices set as a run had them.
    void applyRunSettings(const RunSettings& settings);

signals:
    void outputFolderChanged(const QString& folder);

private:
    Services m_services;
    QString m_programFolder;
    Queue m_queue;
    OpenFileDialog m_openFileDialog;
    SourceCommands m_sources;
    OutputPresets m_presets;
    RateChoice m_rate;
    Rotation m_rotation;
    Options m_options;
    Converter m_converter;
    BatchDriver m_batch;
    BatchProgress m_progress;
    QString m_outputFolder;
    bool m_webOptimized = false;
    bool m_hdrToSdr = false;
    bool m_cropBlackBars = false;
    LoudnessTarget m_loudness;
    std::unique_ptr<BatchJournal> m_journal;
    std::unique_ptr<ConversionLogs> m_logs;
};

} // namespace tarnwick
