#pragma once

#include "engine/BatchProgress.h"
#include "job/ConversionResult.h"
#include "job/RunSettings.h"

#include <QElapsedTimer>
#include <QMap>
#include <QStringList>

#include <cstdio>

namespace tarnwick::cli {

// What the user or the calling program is told as the batch goes: on a
// terminal one status line redrawn in place; in a pipe or a log one plain
// line per file as it ends; with --json one JSON object a line. Failures
// are also named on standard error, with their reasons. The batch as a
// whole (file k of n, the time left, the counts) is read from the
// progress the session follows it with, as the window reads it.
class CliReport
{
public:
    enum class Mode { Terminal, Plain, Json };

    CliReport(Mode mode, const BatchProgress& batch, std::FILE* out = stdout, std::FILE* err = stderr);

    void queued(const QStringList& sources);
    void started(int index, const QString& source);
    void progress(int index, double percent);
    void finished(int index, const ConversionResult& result);
    void summary(bool stopped);

    int converted() const { return m_batch.status().converted; }
    int failed() const { return m_batch.status().failed; }

private:
    void drawStatus(bool force);
    void clearStatus();
    void json(const QString& event, const QVariantMap& fields);
    QString name(int index) const;

    Mode m_mode;
    const BatchProgress& m_batch;
    std::FILE* m_out;
    std::FILE* m_err;
    QStringList m_sources;
    QMap<int, double> m_running; // index -> percent
    QElapsedTimer m_since;
    QElapsedTimer m_lastDraw;
    QMap<int, int> m_lastJsonPercent;
    bool m_statusShown = false;
};

} // namespace tarnwick::cli
