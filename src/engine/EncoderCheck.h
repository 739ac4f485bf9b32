#pragma once

#include <QString>

namespace tarnwick {

// Why the encoder at <program folder>/data/conv.exe cannot be run (not
// there, a link to nothing, not a program) and how to get it; empty when it
// can be run. Every file of a batch would fail alike, so a batch asks this
// once before it sets anything up.
QString encoderProblem(const QString& programFolder);

} // namespace tarnwick
