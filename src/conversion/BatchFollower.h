#pragma once

#include "conversion/BatchEstimate.h"
#include "conversion/RunSettings.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <optional>

namespace tarnwick {

class BatchDriver;

// Where a batch stands as a whole.
struct BatchStatus {
    int file = 0;  // 1-based, the one converting now
    int count = 0; // files in the batch so far
    double percent = 0;
    std::optional<double> secondsLeft;
    int converted = 0;
    int failed = 0;
    bool stopped = false; // ended early, by the user or a full disk
};

// Follows a batch's files into one status for the whole batch: file k of
// n, the share done, and the time left by the estimate. Told by a batch
// driver it follows, or by whoever runs the batch.
class BatchFollower : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BatchFollower)

public:
    // Seconds since some fixed moment; the real clock unless given.
    using Clock = std::function<double()>;

    explicit BatchFollower(QObject* parent = nullptr);
    void follow(BatchDriver& driver);
    void setClock(Clock clock) { m_clock = std::move(clock); }
    const BatchStatus& status() const { return m_status; }

    void begin(const QStringList& sources);
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
    double elapsed() const { return m_clock() - m_start; }

    BatchEstimate m_estimate;
    BatchStatus m_status;
    QElapsedTimer m_wall;
    Clock m_clock;
    double m_start = 0;
    bool m_active = false;
};

} // namespace tarnwick
