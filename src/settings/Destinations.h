#pragma once

#include "media/OutputFormats.h"

#include <QList>
#include <QString>

namespace tarnwick {

// Where a file is going, as one choice: a place that takes files up to a
// size and plays one kind. Each record gives the format, the size and the
// options that suit it; "Made For" in the window and --for on the command
// line choose one.
struct Destination {
    QString name;      // --for's NAME, and what Tarnwick.conf keeps
    QString caption;   // the menu's entry, English; translated in kCaptionContext
    QString format;    // the format's -f name
    qint64 bytes = 0;  // the whole file at most this
    bool webOptimized = false; // the index first, so that it plays as it arrives

    static constexpr const char* kCaptionContext = "tarnwick::Destinations";
    // Its caption in the user's language.
    QString shownCaption() const;
    // The format it converts by; every record names one that exists.
    const OutputFormat& outputFormat() const;
};

const QList<Destination>& destinations();
// nullptr for a name no record has (case ignored).
const Destination* destinationNamed(const QString& name);
// The names, comma separated, in the records' order.
QString destinationNameList();

} // namespace tarnwick
