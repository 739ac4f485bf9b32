#include "process/OutputFramer.h"

#include <algorithm>

namespace tarnwick {

OutputFramer::OutputFramer() : m_decoder(QStringDecoder::System) {}

void OutputFramer::append(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    // Compact only when the consumed front is large, so a long run costs
    // linear time and not one copy per piece.
    if (m_offset > 0 && m_offset >= m_bytes.size() / 2) {
        m_bytes.remove(0, m_offset);
        m_offset = 0;
    }
    m_bytes.append(bytes);
}

qint64 OutputFramer::partialAge() const
{
    return m_partialSince.isValid() ? m_partialSince.elapsed() : 0;
}

qsizetype OutputFramer::nextCut(bool flush) const
{
    const qsizetype window = std::min(kPieceBytes, waiting());
    const char* begin = m_bytes.constData() + m_offset;
    for (qsizetype i = window; i > 0; --i) {
        const char c = begin[i - 1];
        if (c == '\n' || c == '\r')
            return i;
    }
    if (waiting() >= kPieceBytes)
        return kPieceBytes; // a line too long for one piece
    return flush ? waiting() : 0;
}

void OutputFramer::takePieces(bool flush, const std::function<void(const QString&)>& deliver)
{
    while (waiting() > 0) {
        const qsizetype cut = nextCut(flush);
        if (cut == 0)
            break;
        const QString text = m_decoder.decode(QByteArrayView(m_bytes.constData() + m_offset, cut));
        m_offset += cut;
        m_partialSince.invalidate();
        deliver(text);
    }
    if (waiting() > 0 && !m_partialSince.isValid())
        m_partialSince.start();
}

} // namespace tarnwick
