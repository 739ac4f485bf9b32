#pragma once

#include "settings/Options.h"

#include <QString>

#include <array>
#include <optional>

namespace tarnwick {

// The options dialog without its widgets: the beep, the cut's
// switch and its six time boxes, the checks of OK, and options.ini.
class OptionsEditor
{
public:
    enum Box { FromH, FromM, FromS, ToH, ToM, ToS };

    // What OK refuses: the message, its title and the box to focus.
    struct Refusal {
        QString text;
        QString title;
        Box box;
    };

    explicit OptionsEditor(const Options& record);

    bool beep = true;
    bool cutOn = false;
    std::array<QString, 6> boxes{"0", "0", "0", "0", "0", "0"};
    bool boxesEnabled() const { return cutOn; }

    // Checks the boxes; on success updates the record and writes the file
    // (a file that cannot be written is not reported: the record holds the values).
    std::optional<Refusal> accept(Options& record, const QString& optionsFile);

private:
    qint32 seconds(Box hours) const;
};

} // namespace tarnwick
