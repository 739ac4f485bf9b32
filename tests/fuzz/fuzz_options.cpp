// The options.ini reader: whatever it reads, writing it and reading it again
// gives the same options.
#include "FuzzCheck.h"

#include "settings/SettingsFiles.h"

using namespace tarnwick;
using namespace tarnwick::SettingsFiles;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ReadOptions read = parseOptions(fuzz::bytes(data, size));
    Options options;
    options.SoundReminder = read.SoundReminder.value_or(0);
    options.MusicCutter = read.MusicCutter.value_or(0);
    options.CutFromSeconds = read.CutFromSeconds.value_or(0);
    options.CutToSeconds = read.CutToSeconds.value_or(0);
    const ReadOptions back = parseOptions(formatOptions(options));
    FUZZ_CHECK(back.SoundReminder == options.SoundReminder);
    FUZZ_CHECK(back.MusicCutter == options.MusicCutter);
    FUZZ_CHECK(back.CutFromSeconds == options.CutFromSeconds);
    FUZZ_CHECK(back.CutToSeconds == options.CutToSeconds);
    return 0;
}
