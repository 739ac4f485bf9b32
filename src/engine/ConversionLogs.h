#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tarnwick {

// What one conversion's log holds.
struct LogRecord {
    QString source;
    QString output;
    QString probeCommand;
    QString conversionCommand;
    QString probeOutput;
    QString conversionOutput;
    QDateTime started;
    QDateTime ended;
    QString outcome; // "converted", or why it failed
    QStringList added; // why each option beyond the format's own was added
    QStringList unlooked; // what the look before converting could not see
};

// A folder with one log a conversion, named after its output: the commands,
// the start and end times and everything the encoder printed. A log keeps
// at most kMaxBytes (its head and its tail, with a line saying how much was
// cut), and the folder at most kMaxLogs logs, none older than kMaxDays.
class ConversionLogs
{
public:
    static constexpr qint64 kMaxBytes = 2 * 1024 * 1024;
    static constexpr int kMaxLogs = 500;
    static constexpr int kMaxDays = 30;

    explicit ConversionLogs(QString folder) : m_folder(std::move(folder)) {}
    const QString& folder() const { return m_folder; }

    // Writes the log and returns its path; empty when it could not be written.
    QString write(const LogRecord& record) const;
    // Removes the logs over the limits, oldest first.
    void prune(const QDateTime& now = QDateTime::currentDateTime()) const;

    // The text cut to at most `limit` bytes: its head and its tail.
    static QByteArray capped(const QByteArray& text, qint64 limit = kMaxBytes);

private:
    QString m_folder;
};

} // namespace tarnwick
