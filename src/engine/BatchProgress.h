#pragma once

#include "engine/BatchEstimate.h"
#include "job/RunSettings.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <optional>

namespace tarnwick {

class BatchDriver;

// Where a batch stands as a whole.
struct BatchStatus {
    int file = 0;  // 1-based: the files finished, and one
    int count = 0; // files in the batch so far
    double percent = 0;
    std::optional<double> secondsLeft;
    int converted = 0;
    int failed = 0;
    bool stopped = false; // ended early, by the user or a full disk
};

// A time left or taken as the faces show it: "m:ss", or "h:mm:ss" from an
// hour on, to the nearest second.
QString clockText(double seconds);

// The progress of a whole batch, from its files' events: file k of n, the
// share done, and the time left by the estimate, whatever number of lanes
// convert them. Told by the batch driver it follows.
class BatchProgress : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BatchProgress)

public:
    // Seconds since some fixed moment; the real clock unless given.
    using Clock = std::function<double()>;

    explicit BatchProgress(QObject* parent = nullptr);
    void follow(BatchDriver& driver);
    void setClock(Clock clock) { m_clock = std::move(clock); }
    const BatchStatus& status() const { return m_status; }

    void begin(const QStringList& sources, int lanes = 1);
    void fileStarted(int index, int count, const QString& source);
    void fileProgress(int index, double percent);
    void fileFinished(int index, const tarnwick::ConversionResult& result);
    void stopped();
    void end();

signals:
    void changed(const tarnwick::BatchStatus& status);
    // The batch is over, by itself or stopped.
    void ended(const tarnwick::BatchStatus& status);

private:
    void publish();

    BatchEstimate m_estimate;
    BatchStatus m_status;
    QElapsedTimer m_wall;
    Clock m_clock;
    int m_lanes = 1;
    bool m_active = false;
};

} // namespace tarnwick
