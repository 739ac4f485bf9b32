// The rotation scan over a probe's output, piece by piece, and the filter
// the job ends with.
#include "FuzzCheck.h"

#include "media/Rotation.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int choice = data[0] % 6;
    const QString output = fuzz::text(data + 1, size - 1);

    const QString base = Rotation::filterFor(choice, QStringLiteral("0"));
    FUZZ_CHECK(base == Rotation::baseFilter(choice).value());

    bool declared = false;
    RotationScan scan;
    for (const QString& piece : output.split(u'\n')) {
        const QString chunk = piece.left(1024);
        const auto value = Rotation::scanChunk(chunk);
        if (value) {
            FUZZ_CHECK(*value == u"90" || *value == u"180" || *value == u"270");
            FUZZ_CHECK(chunk.contains(QStringLiteral("rotate          : ")));
            declared = true;
        }
        scan.feed(chunk);
    }
    const QString filter = Rotation::filterFor(choice, scan.declared);
    if (declared)
        FUZZ_CHECK(filter == Rotation::declaredFilter(scan.declared, choice).value());
    else
        FUZZ_CHECK(filter == base && scan.declared == u"0");
    return 0;
}
