#include "conversion/OutputNames.h"

#include "conversion/EncoderCommand.h"

namespace tarnwick {

QString OutputNames::reserve(const QString& outputFolder, const QString& sourcePath, const QString& extension,
                             const QTime& now)
{
    const QMutexLocker lock(&m_mutex);
    const QString path = availableOutputPath(outputFolder, sourcePath, extension, now,
                                             [this](const QString& p) { return m_reserved.contains(p); });
    m_reserved.insert(path);
    return path;
}

void OutputNames::release(const QString& path)
{
    const QMutexLocker lock(&m_mutex);
    m_reserved.remove(path);
}

} // namespace tarnwick
