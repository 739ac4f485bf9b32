#pragma once

// Boxes that phones and cameras write into an MP4's video sample entry and
// FFmpeg 5.1 reads, but writes only when a source already had them: the
// mastering display, the light levels, the Dolby Vision record. A test
// source gets them added after FFmpeg made it.

#include <QFile>
#include <QList>
#include <QtEndian>

namespace tarnwick::test {

inline QByteArray mp4Box(const char* type, const QByteArray& payload)
{
    QByteArray box(4, '\0');
    qToBigEndian<quint32>(quint32(8 + payload.size()), box.data());
    return box + QByteArray(type, 4) + payload;
}

inline void appendBigEndian16(QByteArray& bytes, quint16 value)
{
    bytes += char(value >> 8);
    bytes += char(value & 0xff);
}

inline void appendBigEndian32(QByteArray& bytes, quint32 value)
{
    appendBigEndian16(bytes, quint16(value >> 16));
    appendBigEndian16(bytes, quint16(value & 0xffff));
}

// SMPTE ST 2086 as ISO/IEC 23001-8 boxes it: green, blue, red and white in
// steps of 0.00002, luminance in steps of 0.0001 cd/m². These are the
// BT.2020 primaries with a 1000 nit display.
inline QByteArray masteringDisplayBox()
{
    QByteArray payload;
    for (const quint16 value : {13250, 34500, 7500, 3000, 34000, 16000, 15635, 16450})
        appendBigEndian16(payload, value);
    appendBigEndian32(payload, 10000000);
    appendBigEndian32(payload, 1);
    return mp4Box("mdcv", payload);
}

inline QByteArray lightLevelBox(quint16 maxCll, quint16 maxFall)
{
    QByteArray payload;
    appendBigEndian16(payload, maxCll);
    appendBigEndian16(payload, maxFall);
    return mp4Box("clli", payload);
}

// A Dolby Vision configuration record for HEVC: version 1.0, the RPU and
// the base layer present, no enhancement layer.
inline QByteArray dolbyVisionBox(int profile, int level, int compatibility)
{
    QByteArray payload;
    payload += char(1);
    payload += char(0);
    appendBigEndian16(payload, quint16(profile << 9 | level << 3 | 1 << 2 | 0 << 1 | 1));
    payload += char(compatibility << 4);
    payload += QByteArray(19, '\0');
    return mp4Box("dvcC", payload);
}

// Adds `boxes` at the end of the first video sample entry of the MP4 at
// `path` and grows every box around it. FFmpeg writes the index after the
// pictures, so no chunk offset moves. False when the file is not laid out so.
inline bool appendSampleEntryBoxes(const QString& path, const QByteArray& boxes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray data = file.readAll();
    file.close();
    const auto size = [&](qsizetype at) { return qsizetype(qFromBigEndian<quint32>(data.constData() + at)); };
    const auto type = [&](qsizetype at) { return data.mid(at + 4, 4); };
    // Looks for `path` of box types below [from, to): the offsets found.
    QList<qsizetype> chain;
    const auto find = [&](auto&& self, qsizetype from, qsizetype to, QList<QByteArray> names) -> bool {
        for (qsizetype at = from; at + 8 <= to && size(at) >= 8; at += size(at)) {
            if (type(at) != names.first())
                continue;
            chain << at;
            if (names.size() == 1)
                return true;
            const QByteArray inside = names.takeFirst();
            // stsd holds a version, flags and a count before its entries.
            if (self(self, at + 8 + (inside == "stsd" ? 8 : 0), at + size(at), names))
                return true;
            names.prepend(inside);
            chain.removeLast();
        }
        return false;
    };
    const QList<QByteArray> videoEntries{"hvc1", "hev1", "av01", "avc1"};
    bool found = false;
    for (const QByteArray& entry : videoEntries) {
        chain.clear();
        if (find(find, 0, data.size(), {"moov", "trak", "mdia", "minf", "stbl", "stsd", entry})) {
            found = true;
            break;
        }
    }
    const qsizetype mdat = data.indexOf("mdat");
    if (!found || mdat < 0 || mdat > chain.first())
        return false;
    const qsizetype end = chain.last() + size(chain.last());
    for (const qsizetype at : std::as_const(chain))
        qToBigEndian<quint32>(quint32(size(at) + boxes.size()), data.data() + at);
    data.insert(end, boxes);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(data) == data.size();
}

} // namespace tarnwick::test
