// The progress scan over encoder output cut into pieces as the runner cuts
// it: one line per piece, at most 1024 characters.
#include "FuzzCheck.h"

#include "engine/Progress.h"

#include <cmath>

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString output = fuzz::text(data, size);
    ProgressParser parser;
    qsizetype start = 0;
    while (start < output.size()) {
        qsizetype end = start;
        while (end < output.size() && end - start < 1024 && output[end] != u'\n' && output[end] != u'\r')
            ++end;
        if (end < output.size() && end - start < 1024)
            ++end; // the line end belongs to its piece
        const QString piece = output.mid(start, end - start);
        start = end;

        const auto percent = parser.receiveOutputs(piece);
        if (!percent)
            continue;
        FUZZ_CHECK(parser.TotalSeconds() > 0);
        FUZZ_CHECK(*percent >= 0 && *percent <= 100);
        // The label is the percentage cut short, never another number: it
        // stays within a tenth of the exact share, and never above it.
        bool ok = false;
        const double shown = ProgressParser::percentText(*percent).toDouble(&ok);
        FUZZ_CHECK(ok && shown <= *percent + 1e-9 && *percent - shown < 0.1);
        // The bar says what the label says.
        FUZZ_CHECK(ProgressParser::wholePercent(*percent) == int(shown));
    }
    parser.endRun();
    FUZZ_CHECK(parser.TotalSeconds() == 0);
    return 0;
}
