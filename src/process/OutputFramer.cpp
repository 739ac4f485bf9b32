#include "process/OutputFramer.h"

#include <algorithm>
#include <cstring>

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
    // One line a piece: the progress scan lets the first "time=" of a piece
    // decide, so lines merged into one piece would show a stale position.
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', size_t(window)));
    const qsizetype crWindow = lf ? lf - begin : window;
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', size_t(crWindow)));
    if (cr)
        return cr - begin + 1;
    if (lf)
        return lf - begin + 1;
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
