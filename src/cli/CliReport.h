#pragma once

#include "conversion/BatchFollower.h"
#include "conversion/RunSettings.h"

#include <QElapsedTimer>
#include <QMap>
#include <QStringList>

namespace tarnwick::cli {

// What the user or the calling program is told as the batch goes: on a
// terminal one status line redrawn in place; in a pipe or a log one plain
// line per file as it ends; with --json one JSON object a line. Failures
// are also named on standard error, with their reasons.
class CliReport
{
public:
    enum class Mode { Terminal, Plain, Json };

    explicit CliReport(Mode mode);

    void queued(const QStringList& sources);
    void started(int index, const QString& source);
    void progress(int index, double percent);
    void finished(int index, const ConversionResult& result);
    void summary(bool stopped);

    int converted() const { return m_follower.status().converted; }
    int failed() const { return m_follower.status().failed; }

    static QString clock(double seconds);

private:
    void drawStatus(bool force);
    void clearStatus();
    void json(const QString& event, const QVariantMap& fields);
    QString name(int index) const;

    Mode m_mode;
    QStringList m_sources;
    QMap<int, double> m_running; // index -> percent
    BatchFollower m_follower; // the whole batch, as the window follows it
    QElapsedTimer m_since;
    QElapsedTimer m_lastDraw;
    QMap<int, int> m_lastJsonPercent;
    bool m_statusShown = false;
};

} // namespace tarnwick::cli
