// The options.ini reader: whatever it reads, writing it and reading it again
// gives the same options.
#include "FuzzCheck.h"

#include "settings/SettingsFiles.h"

using namespace tarnwick;
using namespace tarnwick::SettingsFiles;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ReadOptions read = parseOptions(fuzz::bytes(data, size));
    const Options options = read.appliedTo({});
    FUZZ_CHECK(parseOptions(formatOptions(options)).appliedTo({}) == options);
    return 0;
}
