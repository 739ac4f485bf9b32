#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QStringDecoder>

#include <functional>

namespace tarnwick {

// Cuts a child's raw output into the pieces the runner hands to its owner.
// A piece is one line, ended by LF or CR, or the first 1024 bytes of a
// longer one: the encoder writes a line in several calls, and the scans
// downstream look at one piece at a time. A partial line is held
// back until its end arrives or the caller flushes it. Bytes are decoded with
// one decoder for the whole run, so a character is never split between pieces.
class OutputFramer
{
public:
    static constexpr qsizetype kPieceBytes = 1024;

    OutputFramer();

    void append(const QByteArray& bytes);

    // Hands every whole piece to `deliver`; with `flush`, the held partial
    // line too. The callback may run nested event loops that append more.
    void takePieces(bool flush, const std::function<void(const QString&)>& deliver);

    bool isEmpty() const { return waiting() == 0; }
    // Milliseconds a held partial line has waited; 0 when none is held.
    qint64 partialAge() const;

private:
    qsizetype waiting() const { return m_bytes.size() - m_offset; }
    qsizetype nextCut(bool flush) const;

    QByteArray m_bytes;
    qsizetype m_offset = 0;
    QStringDecoder m_decoder;
    QElapsedTimer m_partialSince;
};

} // namespace tarnwick
