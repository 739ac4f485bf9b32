#include "engine/BatchEstimate.h"

#include <algorithm>
#include <vector>

namespace tarnwick {

void BatchEstimate::start(const QList<qint64>& sizes)
{
    m_files.clear();
    for (qint64 size : sizes)
        m_files.append(File{size, 0, 1, 0, -1, -1});
}

void BatchEstimate::add(qint64 size)
{
    m_files.append(File{size, 0, 1, 0, -1, -1});
}

void BatchEstimate::setStarted(int index, double now)
{
    if (index >= 0 && index < m_files.size())
        m_files[index].began = now;
}

void BatchEstimate::setLength(int index, qint32 seconds, qint32 wholeSeconds)
{
    if (index < 0 || index >= m_files.size() || seconds <= 0)
        return;
    m_files[index].length = seconds;
    m_files[index].share = wholeSeconds > seconds ? double(seconds) / wholeSeconds : 1.0;
}

void BatchEstimate::setProgress(int index, double percent)
{
    if (index >= 0 && index < m_files.size())
        m_files[index].done = std::clamp(percent / 100.0, 0.0, 1.0);
}

void BatchEstimate::setDone(int index, double now)
{
    setProgress(index, 100);
    if (index >= 0 && index < m_files.size())
        m_files[index].ended = now;
}

double BatchEstimate::work(const File& file) const
{
    if (file.length > 0)
        return file.length;
    qint64 knownBytes = 0;
    double knownSeconds = 0;
    for (const File& f : m_files) {
        if (f.length > 0 && f.size > 0) {
            knownBytes += qint64(double(f.size) * f.share);
            knownSeconds += f.length;
        }
    }
    if (knownBytes > 0)
        return double(file.size) * knownSeconds / double(knownBytes);
    return 0;
}

double BatchEstimate::totalWork() const
{
    double total = 0;
    for (const File& f : m_files)
        total += work(f);
    return total;
}

double BatchEstimate::doneWork() const
{
    double done = 0;
    for (const File& f : m_files)
        done += work(f) * f.done;
    return done;
}

double BatchEstimate::overallPercent() const
{
    const double total = totalWork();
    if (total <= 0) {
        // Nothing read yet: count files.
        if (m_files.isEmpty())
            return 0;
        double done = 0;
        for (const File& f : m_files)
            done += f.done;
        return 100.0 * done / double(m_files.size());
    }
    return 100.0 * doneWork() / total;
}

std::optional<double> BatchEstimate::secondsLeft(double now, int lanes) const
{
    double done = 0;
    double spent = 0;
    for (const File& f : m_files) {
        if (f.began < 0)
            continue;
        done += work(f) * f.done;
        spent += (f.ended >= 0 ? f.ended : now) - f.began;
    }
    if (done <= 0 || spent <= 0)
        return std::nullopt;
    const double speed = done / spent; // seconds of video a lane converts a second

    // The files under way keep their lanes; the others go, in order, to
    // whichever lane comes free first.
    std::vector<double> free(size_t(qMax(1, lanes)), 0.0);
    const auto take = [&](const File& f) {
        *std::min_element(free.begin(), free.end()) += work(f) * (1 - f.done) / speed;
    };
    for (const File& f : m_files) {
        if (f.began >= 0 && f.ended < 0)
            take(f);
    }
    for (const File& f : m_files) {
        if (f.began < 0)
            take(f);
    }
    return *std::max_element(free.begin(), free.end());
}

} // namespace tarnwick
