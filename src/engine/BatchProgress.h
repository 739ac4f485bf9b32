#pragma once

#include "engine/BatchEstimate.h"
#include "job/ConversionResult.h"
#include "job/RunSettings.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>

#include <functional>
#include <optional>

namespace tarnwick {

class BatchDriver;
class ConversionQueue;

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

// The progress of a batch, from its files' events, and all a face shows of
// it: file k of n, the share done and the time left by the estimate,
// whatever number of lanes convert them; and the bar. With one lane the
// bar follows the file converting; with several it follows the batch, and
// each converting row of the queue shows its own file's share. Told by the
// batch driver it follows.
class BatchProgress : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BatchProgress)

public:
    // Seconds since some fixed moment; the real clock unless given.
    using Clock = std::function<double()>;

    explicit BatchProgress(QObject* parent = nullptr);
    // Follows the driver's batches; the rows it shows shares in are `queue`'s.
    void follow(BatchDriver& driver, ConversionQueue& queue);
    void setClock(Clock clock) { m_clock = std::move(clock); }
    const BatchStatus& status() const { return m_status; }

    void begin(const QStringList& sources, int lanes = 1);
    void fileStarted(int index, int count, const QString& source, quint64 entry = 0);
    void fileProgress(int index, double percent);
    void fileFinished(int index, const tarnwick::ConversionResult& result);
    // The queue is done or the batch stopped: the bar empties.
    void closing();
    void stopped();
    void end();

signals:
    void changed(const tarnwick::BatchStatus& status);
    // The batch is over, by itself or stopped.
    void ended(const tarnwick::BatchStatus& status);
    // The bar at a share from 0 to 100.
    void barChanged(double percent);
    // The bar empties; what its label says stays until the next share.
    void barEmptied();

private:
    bool barFollowsFile() const { return m_lanes == 1; }
    void setRowShare(int index, std::optional<double> percent);
    void publish();

    BatchEstimate m_estimate;
    BatchStatus m_status;
    QElapsedTimer m_wall;
    Clock m_clock;
    int m_lanes = 1;
    bool m_active = false;
    ConversionQueue* m_queue = nullptr;
    QHash<int, quint64> m_entries; // the run list entry of each file converting
};

} // namespace tarnwick
