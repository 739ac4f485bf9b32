#pragma once

#include "job/TimeRange.h"
#include "media/OutputFormats.h"
#include "media/Rotation.h"
#include "media/SoundLevel.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace tarnwick::cli {

// The texts tarnwick-cli writes for people, in the user's language: Texts::tr().
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(tarnwick::cli)
};

// The rotation choices by short name.
struct RotationName {
    const char* name;
    RotationChoice choice;
};
const QList<RotationName>& rotationNames();

// What one call asks for.
struct Request {
    QStringList sources;
    QStringList discs;
    const OutputFormat* format = &outputFormats().first();
    std::optional<int> kilobits;    // nullopt: the format's default
    std::optional<int> quality;     // constant quality on the format's scale
    qint64 targetBytes = 0;         // the whole file at most this; 0: no size aimed at
    RotationChoice rotation = RotationChoice::None;
    TimeRange range;                // of every source; unset: all of each
    QString output = QStringLiteral("output");
    int jobs = 1;
    bool dryRun = false;
    bool web = false;
    bool sdr = false;
    bool crop = false;
    LoudnessTarget loudness;        // off: each source's sound keeps its level
    bool json = false;
    bool listFormats = false;
    bool help = false;
    bool version = false;
};

// Either a request, or why the arguments are not one (a message that names
// the bad option or value).
struct Parsed {
    std::optional<Request> request;
    QString error;
};
Parsed parse(const QStringList& arguments, int cores);

// The places of --for (their records in settings/Destinations).
// --for NAME: the record's format and size, and its options, into
// `request`. `alsoGiven`: the options given beside it that would choose
// the same things ("--size"). Why not, or empty when it applies.
QString applyMadeFor(const QString& name, const QStringList& alsoGiven, Request& request);

// --help's paragraph on --for, its records listed.
QString madeForHelp();
// --list-formats' lines for the records: name, caption, format.
QStringList madeForListing(int captionColumns);

QString usageLine();
QString helpText();

} // namespace tarnwick::cli
