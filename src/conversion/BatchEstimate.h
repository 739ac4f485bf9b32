#pragma once

#include <QList>
#include <QtGlobal>

#include <optional>

namespace tarnwick {

// How far a batch is and how long it has left. Work is counted in seconds
// of video: a file's length once its probe has read it, and until then its
// size times the seconds per byte of the files already read. The speed is
// the work done over the time spent so far.
class BatchEstimate
{
public:
    // The sizes in bytes of the files in the batch, in order.
    void start(const QList<qint64>& sizes);
    // A file that joins the batch while it runs.
    void add(qint64 size);
    int count() const { return int(m_files.size()); }
    void setLength(int index, qint32 seconds);
    void setProgress(int index, double percent);
    void setDone(int index);

    double overallPercent() const;
    // Seconds left, given the seconds since the start; nullopt while
    // nothing has been measured.
    std::optional<double> secondsLeft(double elapsedSeconds) const;

private:
    struct File {
        qint64 size = 0;
        qint32 length = 0; // 0: not read yet
        double done = 0;   // 0 to 1
    };
    double work(const File& file) const;
    double totalWork() const;
    double doneWork() const;

    QList<File> m_files;
};

} // namespace tarnwick
