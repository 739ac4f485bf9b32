#include "session/Session.h"

#include "base/Text.h"
#include "engine/TemporaryFolder.h"
#include "media/OutputFormats.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsFiles.h"
#include "platform/Messages.h"

#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarnwick {

Session::Session(const Services& services, const QString& programFolder, QObject* parent)
    : QObject(parent), m_services(services), m_programFolder(programFolder), m_queue(this),
      m_openFileDialog(services.dialogs),
      m_sources(m_queue, m_openFileDialog, services.dialogs, services.drives, services.messages, programFolder,
                this),
      m_converter(services.messages, programFolder, this),
      m_batch({m_queue, m_converter, services.messages}, this), m_progress(this),
      // Read before any view is built, so that a view shows it from the start.
      m_webOptimized(ProgramSettings().webOptimized()), m_hdrToSdr(ProgramSettings().hdrToSdr()),
      m_cropBlackBars(ProgramSettings().cropBlackBars()), m_loudness(ProgramSettings().loudness())
{
    // The progress follows the batch before any face does: a face hears
    // the bar emptied before the controls come back.
    m_progress.follow(m_batch, m_queue);
    m_presets.formatChosen = [this] { m_rate.formatChosen(format()); };
    connect(&m_queue, &Queue::changed, &m_batch, &BatchDriver::runListChanged);
    // As a batch takes the folder, it ends in a separator here too, where
    // the window shows it: the session's own value, not the batch's copy.
    connect(&m_batch, &BatchDriver::outputFolderTaken, this,
            [this] { setOutputFolder(withTrailingSeparator(m_outputFolder)); });
}

void Session::setOutputFolder(const QString& folder)
{
    if (folder == m_outputFolder)
        return;
    m_outputFolder = folder;
    emit outputFolderChanged(folder);
}

QString Session::defaultOutputFolder() const
{
    return m_programFolder + QDir::separator() + QStringLiteral("output");
}

RunSettings Session::runSettings() const
{
    RunSettings settings;
    settings.outputFolder = m_outputFolder;
    settings.format = formatForIndex(m_presets.internalFormat.position());
    settings.rate = m_rate.control(kilobitsFromText(m_presets.bitrate.text()));
    settings.rotationChoice = rotationChoiceAt(m_rotation.choices.position()).value_or(RotationChoice::None);
    settings.beep = m_options.beep;
    settings.countedSeconds = m_options.cut.countedLength();
    settings.webOptimized = m_webOptimized;
    settings.hdrToSdr = m_hdrToSdr;
    settings.cropBlackBars = m_cropBlackBars;
    settings.loudness = m_loudness;
    return settings;
}

void Session::setWebOptimized(bool on)
{
    m_webOptimized = on;
    ProgramSettings().setWebOptimized(on);
}

void Session::setHdrToSdr(bool on)
{
    m_hdrToSdr = on;
    ProgramSettings().setHdrToSdr(on);
}

void Session::setCropBlackBars(bool on)
{
    m_cropBlackBars = on;
    ProgramSettings().setCropBlackBars(on);
}

void Session::setLoudness(const LoudnessTarget& target)
{
    m_loudness = target;
    ProgramSettings().setLoudness(target);
}

bool Session::pictureChoicesApply() const
{
    const OutputFormat* chosen = format();
    return !chosen || chosen->takesPictureChoices();
}

const OutputFormat* Session::format() const
{
    return formatForIndex(m_presets.internalFormat.position());
}

void Session::setFormat(const OutputFormat& format)
{
    m_presets.visibleFormat.select(format.position);
}

void Session::setKilobits(int kilobits)
{
    m_presets.bitrate.setText(QString::number(kilobits));
}

void Session::setRotationChoice(RotationChoice choice)
{
    m_rotation.choices.select(int(choice));
}

void Session::startBatch()
{
    m_batch.arm(runSettings());
}

QString Session::settingsFile(const QString& name) const
{
    return settingsFolder(m_programFolder, QFileInfo(m_programFolder).isWritable()) + QDir::separator() + name;
}

void Session::loadSettings()
{
    m_presets.bitrate.select(2);
    m_rotation.choices.select(0);
    m_presets.audioBitrate.select(7);
    m_presets.sampleRate.select(1);
    m_presets.channels.select(1);
    m_presets.internalFormat.select(0);
    setOutputFolder(defaultOutputFolder());

    // What can be read is applied; a position naming no entry leaves its list alone.
    if (const auto content = SettingsFiles::readFile(settingsFile(SettingsFiles::kSetupFile))) {
        const SettingsFiles::ReadSetup read = SettingsFiles::parseSetup(*content);
        const auto apply = [](EditableList& list, std::optional<qint16> position) {
            if (position && *position >= 0 && *position < list.count())
                list.select(*position);
        };
        apply(m_presets.audioBitrate, read.audioBitrate);
        apply(m_presets.sampleRate, read.sampleRate);
        apply(m_presets.channels, read.channels);
        if (read.outputFolder)
            setOutputFolder(*read.outputFolder);
        apply(m_presets.internalFormat, read.internalFormat);
    }
    if (m_outputFolder.isEmpty())
        setOutputFolder(defaultOutputFolder());

    if (const auto content = SettingsFiles::readFile(settingsFile(SettingsFiles::kOptionsFile))) {
        m_options = SettingsFiles::parseOptions(*content).appliedTo(m_options);
    }
    // The record's reminder and cutter always start off, whatever was stored.
    m_options.beep = true;
    m_options.cut.on = false;
    m_presets.visibleFormat.select(0);
    m_presets.internalFormat.select(4);
    setRotationChoice(RotationChoice::None);
}

void Session::saveWindowSettings()
{
    SettingsFiles::WindowSettings settings;
    settings.audioBitrate = m_presets.audioBitrate.position();
    settings.sampleRate = m_presets.sampleRate.position();
    settings.channels = m_presets.channels.position();
    settings.outputFolder = m_outputFolder;
    settings.internalFormat = m_presets.internalFormat.position();
    SettingsFiles::writeFileAtomically(settingsFile(SettingsFiles::kSetupFile), SettingsFiles::formatSetup(settings));
}

void Session::keepJournal(const QString& path)
{
    m_journal = std::make_unique<BatchJournal>(path);
    m_journal->keepRangesOf(&m_queue);
    m_batch.setJournal(m_journal.get());
}

void Session::keepLogs(const QString& folder)
{
    m_logs = std::make_unique<ConversionLogs>(folder);
    m_converter.setLogs(m_logs.get());
}

QString Session::logsFolder() const
{
    return m_logs ? m_logs->folder() : QString();
}

bool Session::offerInterruptedBatch()
{
    if (!m_journal)
        return false;
    const auto entry = m_journal->read();
    if (!entry)
        return false;
    for (const QString& half : BatchJournal::halfWrittenOutputs(*entry))
        QFile::remove(half);
    m_journal->clear();
    const qsizetype left = entry->remaining.size();
    const QString question =
        left == 1 ? tr("The last batch was interrupted with 1 file left. Queue it again?")
                  : tr("The last batch was interrupted with %n files left. Queue them again?",
                       nullptr, int(left));
    if (!m_services.messages.ask(question, kProgramTitle))
        return false;
    applyRunSettings(entry->settings);
    const int first = m_queue.displayCount();
    m_sources.addFiles(entry->remaining);
    for (int row = first; row < m_queue.displayCount(); ++row)
        m_queue.setRange(row, entry->ranges.value(row - first));
    return true;
}

void Session::applyRunSettings(const RunSettings& settings)
{
    // The format first: it brings its own bitrate, which the run's replaces.
    if (settings.format)
        setFormat(*settings.format);
    if (settings.rate.mode == RateControl::Mode::Bitrate && settings.rate.kilobits > 0)
        setKilobits(settings.rate.kilobits);
    m_rate.apply(settings.rate);
    setRotationChoice(settings.rotationChoice);
    setOutputFolder(settings.outputFolder);
    setWebOptimized(settings.webOptimized);
    setHdrToSdr(settings.hdrToSdr);
    setCropBlackBars(settings.cropBlackBars);
    setLoudness(settings.loudness);
    m_options.beep = settings.beep;
    m_options.cut.on = settings.countedSeconds.has_value();
    m_options.cut.toSeconds = settings.countedSeconds.value_or(m_options.cut.toSeconds);
}

void Session::shutDown()
{
    m_batch.abort();
    DeleteFolderTree(temporaryFolderPath());
}

} // namespace tarnwick
