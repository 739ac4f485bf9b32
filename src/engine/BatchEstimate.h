#pragma once

#include <QList>
#include <QtGlobal>

#include <optional>

namespace tarnwick {

// How far a batch is and how long it has left. Work is counted in seconds
// of video: a file's length once its probe has read it, and until then its
// size times the seconds per byte of the files already read. A lane's
// speed is the work done over the time the lanes spent on it; the time
// left is when the last lane would be through, each taking the next file
// as it comes free.
class BatchEstimate
{
public:
    // The sizes in bytes of the files in the batch, in order.
    void start(const QList<qint64>& sizes);
    // A file that joins the batch while it runs.
    void add(qint64 size);
    int count() const { return int(m_files.size()); }
    // `seconds` of video to convert, of a source `wholeSeconds` long (0:
    // all of it): a file cut to a time range is that much work, and its
    // bytes tell the seconds per byte only in that share.
    void setLength(int index, qint32 seconds, qint32 wholeSeconds = 0);
    // Times are seconds since any fixed moment, the same for every call.
    void setStarted(int index, double now);
    void setProgress(int index, double percent);
    void setDone(int index, double now);

    double overallPercent() const;
    // Seconds left at `now` with `lanes` converting at once; nullopt while
    // nothing has been measured.
    std::optional<double> secondsLeft(double now, int lanes = 1) const;

private:
    struct File {
        qint64 size = 0;
        qint32 length = 0;  // 0: not read yet
        double share = 1;   // of its bytes that the length converts
        double done = 0;    // 0 to 1
        double began = -1;  // when its lane took it; -1: waiting
        double ended = -1;  // -1: not over
    };
    double work(const File& file) const;
    double totalWork() const;
    double doneWork() const;

    QList<File> m_files;
};

} // namespace tarnwick
