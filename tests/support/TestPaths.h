#pragma once

#include <QString>

namespace tarnwick::test {

// A program folder whose data/conv.exe is the stand-in encoder.
inline QString standinProgramFolder()
{
    return QStringLiteral(TARNWICK_STANDIN_PROGRAM_DIR);
}
inline QString standinEncoder()
{
    return standinProgramFolder() + QStringLiteral("/data/conv.exe");
}

// The program folder of the build, whose data/conv.exe links to FFmpeg.
inline QString realProgramFolder()
{
    return QStringLiteral(TARNWICK_REAL_PROGRAM_DIR);
}

} // namespace tarnwick::test
