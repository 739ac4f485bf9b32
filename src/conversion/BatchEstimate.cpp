#include "conversion/BatchEstimate.h"

#include <algorithm>

namespace tarnwick {

void BatchEstimate::start(const QList<qint64>& sizes)
{
    m_files.clear();
    for (qint64 size : sizes)
        m_files.append(File{size, 0, 0});
}

void BatchEstimate::add(qint64 size)
{
    m_files.append(File{size, 0, 0});
}

void BatchEstimate::setLength(int index, qint32 seconds)
{
    if (index >= 0 && index < m_files.size() && seconds > 0)
        m_files[index].length = seconds;
}

void BatchEstimate::setProgress(int index, double percent)
{
    if (index >= 0 && index < m_files.size())
        m_files[index].done = std::clamp(percent / 100.0, 0.0, 1.0);
}

void BatchEstimate::setDone(int index)
{
    setProgress(index, 100);
}

double BatchEstimate::work(const File& file) const
{
    if (file.length > 0)
        return file.length;
    qint64 knownBytes = 0;
    double knownSeconds = 0;
    for (const File& f : m_files) {
        if (f.length > 0 && f.size > 0) {
            knownBytes += f.size;
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

std::optional<double> BatchEstimate::secondsLeft(double elapsedSeconds) const
{
    const double done = doneWork();
    if (done <= 0 || elapsedSeconds <= 0)
        return std::nullopt;
    const double rate = done / elapsedSeconds;
    return std::max(0.0, (totalWork() - done) / rate);
}

} // namespace tarnwick
