#pragma once

#include <QString>

#include <optional>

namespace tarnwick {

// How the encoder spends its bits on the picture: at a bitrate, at a
// constant quality on the format's own scale, or so that the whole file
// fits a size.
struct RateControl {
    enum class Mode { Bitrate, Quality, Size };
    Mode mode = Mode::Bitrate;
    int kilobits = 0;       // the picture's rate; 0: the format's own. With a size: the rate planned for it
    int quality = -1;       // on the format's scale; -1: the format's own
    qint64 targetBytes = 0; // with a size: the whole file, sound and container included, at most this

    static RateControl bitrate(int kilobits) { return {Mode::Bitrate, kilobits, -1, 0}; }
    static RateControl constantQuality(int quality) { return {Mode::Quality, 0, quality, 0}; }
    static RateControl size(qint64 bytes) { return {Mode::Size, 0, -1, bytes}; }
    // What wins of what was asked: a size over a quality over a bitrate.
    static RateControl chosen(qint64 targetBytes, std::optional<int> quality, int kilobits)
    {
        if (targetBytes > 0)
            return size(targetBytes);
        return quality ? constantQuality(*quality) : bitrate(kilobits);
    }
    friend bool operator==(const RateControl&, const RateControl&) = default;
};

// A size as people write it: "25M", "700MB", "4G", "1.5 GB", "800K", in
// decimal units as file managers count them (1 MB = 1,000,000 bytes); a
// bare number is megabytes; KiB, MiB and GiB are binary. nullopt for
// anything else, nothing and sizes above a petabyte.
std::optional<qint64> parseSize(const QString& text);

// "25 MB", "4 GB", "1.25 MB", "813 KB": three figures at most, in the
// units parseSize reads. `roundUp`: never below the size, for a smallest
// size that works.
QString sizeText(qint64 bytes, bool roundUp = false);

} // namespace tarnwick
