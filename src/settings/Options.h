#pragma once

#include <QtGlobal>

#include <optional>

namespace tarnwick {

// The options record, held by the session from start-up to exit and stored
// in options.ini.
struct Options {
    // While on, each run's length is counted as the cut's end, whatever the
    // source's description says. Both times are kept for the dialog.
    struct Cut {
        bool on = false;
        qint32 fromSeconds = 0;
        qint32 toSeconds = 0;
        // The seconds a run counts as its length; nullopt: its own.
        std::optional<qint32> countedLength() const { return on ? std::optional<qint32>(toSeconds) : std::nullopt; }
        friend bool operator==(const Cut&, const Cut&) = default;
    };

    bool beep = true; // at the end of a batch
    Cut cut;
    friend bool operator==(const Options&, const Options&) = default;
};

} // namespace tarnwick
