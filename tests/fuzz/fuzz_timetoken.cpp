// The "hh:mm:ss.ff" reader: arbitrary tokens, and tokens built from numbers
// whose value is known.
#include "FuzzCheck.h"

#include "engine/Progress.h"

#include <cmath>

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString token = fuzz::text(data, size);
    if (const auto seconds = readTimeToken(token)) {
        FUZZ_CHECK(*seconds >= 0);
        FUZZ_CHECK(token.count(u':') >= 2);
    }

    if (size >= 4) {
        const int hours = data[0] % 100;
        const int minutes = data[1] % 60;
        const int seconds = data[2] % 60;
        const int hundredths = data[3] % 100;
        const QString built = QStringLiteral("%1:%2:%3.%4,")
                                  .arg(hours, 2, 10, QChar(u'0'))
                                  .arg(minutes, 2, 10, QChar(u'0'))
                                  .arg(seconds, 2, 10, QChar(u'0'))
                                  .arg(hundredths, 2, 10, QChar(u'0'));
        const double exact = hours * 3600 + minutes * 60 + seconds + hundredths / 100.0;
        const auto read = readTimeToken(built);
        FUZZ_CHECK(read.has_value());
        FUZZ_CHECK(std::abs(*read - exact) <= 0.5);
    }
    return 0;
}
