#include "settings/ProgramSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QThread>

namespace tarnwick {

namespace {

const QString kWebOptimized = QStringLiteral("Output/WebOptimized");
const QString kHdrToSdr = QStringLiteral("Output/HdrToSdr");
const QString kConstantQuality = QStringLiteral("Output/ConstantQuality");
const QString kMadeFor = QStringLiteral("Output/MadeFor");
const QString kCropBlackBars = QStringLiteral("Output/CropBlackBars");
const QString kLoudness = QStringLiteral("Output/Loudness");
const QString kConversionsAtOnce = QStringLiteral("Batch/ConversionsAtOnce");

int cores()
{
    return qMax(1, QThread::idealThreadCount());
}

} // namespace

ProgramSettings::ProgramSettings(QString path) : m_path(path.isEmpty() ? defaultPath() : std::move(path)) {}

QString ProgramSettings::defaultPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Tarnwick/Tarnwick.conf");
}

bool ProgramSettings::webOptimized() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    return settings.value(kWebOptimized, false).toBool();
}

void ProgramSettings::setWebOptimized(bool on)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kWebOptimized, on);
}

bool ProgramSettings::hdrToSdr() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    return settings.value(kHdrToSdr, false).toBool();
}

void ProgramSettings::setHdrToSdr(bool on)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kHdrToSdr, on);
}

bool ProgramSettings::cropBlackBars() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    return settings.value(kCropBlackBars, false).toBool();
}

void ProgramSettings::setCropBlackBars(bool on)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kCropBlackBars, on);
}

// A value that is not one of the choices is off, as if never set.
LoudnessTarget ProgramSettings::loudness() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    return parseLoudness(settings.value(kLoudness, QStringLiteral("off")).toString()).target;
}

void ProgramSettings::setLoudness(const LoudnessTarget& target)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kLoudness, target.settingText());
}

bool ProgramSettings::constantQuality() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    return settings.value(kConstantQuality, false).toBool();
}

void ProgramSettings::setConstantQuality(bool on)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kConstantQuality, on);
}

QString ProgramSettings::madeFor() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    return settings.value(kMadeFor).toString();
}

void ProgramSettings::setMadeFor(const QString& name)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kMadeFor, name);
}

int ProgramSettings::conversionsAtOnce() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    bool ok = false;
    const int lanes = settings.value(kConversionsAtOnce, 1).toInt(&ok);
    // A value from another machine with more cores is held to this one's.
    if (!ok || lanes < 0)
        return 1;
    return qMin(lanes, cores());
}

void ProgramSettings::setConversionsAtOnce(int lanes)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kConversionsAtOnce, qBound(0, lanes, cores()));
}

} // namespace tarnwick
