#pragma once

#include "cli/CliOptions.h"

namespace tarnwick::cli {

// --for NAME: the record's format and size, and its options, into
// `request`. `alsoGiven`: the options given beside it that would choose
// the same things ("--size"). Why not, or empty when it applies.
QString applyMadeFor(const QString& name, const QStringList& alsoGiven, Request& request);

// --help's paragraph on --for, its records listed.
QString madeForHelp();
// --list-formats' lines for the records: name, caption, format.
QStringList madeForListing(int captionColumns);

} // namespace tarnwick::cli
