// The progress scan over encoder output cut into pieces as the runner cuts
// it: one line per piece, at most 1024 characters.
#include "FuzzCheck.h"

#include "conversion/Progress.h"

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

        const auto shown = parser.objDOS_ReceiveOutputs(piece);
        if (!shown)
            continue;
        FUZZ_CHECK(parser.TotalSeconds() > 0);
        FUZZ_CHECK(shown->percent >= 0 && shown->percent <= 100);
        FUZZ_CHECK(shown->widthTwips >= 0 && shown->widthTwips <= ProgressParser::kFullWidthTwips);
        FUZZ_CHECK(shown->label.endsWith(u'%'));
        bool ok = false;
        FUZZ_CHECK(shown->label.chopped(1).toDouble(&ok) == shown->percent && ok);
        // The text is the percentage cut short, never another number: it
        // stays within a tenth of the bar's exact share.
        const double exact = shown->widthTwips / ProgressParser::kFullWidthTwips * 100;
        FUZZ_CHECK(std::abs(shown->percent - exact) < 0.1);
    }
    parser.endRun();
    FUZZ_CHECK(parser.TotalSeconds() == 0);
    return 0;
}
