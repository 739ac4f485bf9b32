// The time range a person types: arbitrary text as a start and an end, and
// times built from numbers whose value is known.
#include "FuzzCheck.h"

#include "base/Text.h"
#include "job/TimeRange.h"

#include <cmath>

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString typed = fuzz::text(data, size);
    if (const auto seconds = parseTime(typed)) {
        FUZZ_CHECK(std::isfinite(*seconds) && *seconds >= 0);
        // What is shown of it reads back as the same time.
        FUZZ_CHECK(parseTime(timeText(*seconds)) == seconds);
        if (*seconds < 1e9) // the encoder's seconds: as many digits as it takes
            FUZZ_CHECK(parseTime(secondsArgument(*seconds)) == seconds);
    }
    // Split anywhere, the two halves are a range or say why not; a range
    // read always ends after it starts.
    const qsizetype half = typed.size() / 2;
    const ParsedRange parsed = parseRange(typed.left(half), typed.mid(half));
    FUZZ_CHECK(parsed.error.isEmpty() || !parsed.range.isSet());
    if (parsed.range.end)
        FUZZ_CHECK(*parsed.range.end > parsed.range.from());
    FUZZ_CHECK(parsed.range.lengthWithin(100) >= 0 && parsed.range.lengthWithin(100) <= 100);

    if (size >= 5) {
        const int hours = data[0] % 100;
        const int minutes = data[1] % 60;
        const int seconds = data[2] % 60;
        const int thousandths = (data[3] << 8 | data[4]) % 1000;
        const QString built = QStringLiteral("%1:%2:%3.%4")
                                  .arg(hours)
                                  .arg(minutes, 2, 10, QChar(u'0'))
                                  .arg(seconds, 2, 10, QChar(u'0'))
                                  .arg(thousandths, 3, 10, QChar(u'0'));
        const auto read = parseTime(built);
        FUZZ_CHECK(read.has_value());
        FUZZ_CHECK(std::abs(*read -
                            (hours * 3600 + minutes * 60 + seconds + thousandths / 1000.0)) < 1e-6);
    }
    return 0;
}
