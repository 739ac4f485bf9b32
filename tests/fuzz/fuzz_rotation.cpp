// The rotation scan over a probe's output, piece by piece, and the filter
// the job ends with.
#include "FuzzCheck.h"

#include "conversion/Rotation.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int choice = data[0] % 6;
    const QString output = fuzz::text(data + 1, size - 1);

    Rotation rotation;
    rotation.cmbRotate.select(choice);
    rotation.startJob();
    const QString base = rotation.RotateFilter();
    FUZZ_CHECK(base == Rotation::baseFilter(choice).value());

    bool declared = false;
    for (const QString& piece : output.split(u'\n')) {
        const QString chunk = piece.left(1024);
        const auto value = Rotation::scanChunk(chunk);
        if (value) {
            FUZZ_CHECK(*value == u"90" || *value == u"180" || *value == u"270");
            FUZZ_CHECK(chunk.contains(QStringLiteral("rotate          : ")));
            declared = true;
        }
        rotation.objffmpeg_ReceiveOutputs(chunk);
    }
    rotation.objffmpeg_CommandOver();
    if (declared)
        FUZZ_CHECK(rotation.RotateFilter() == Rotation::declaredFilter(rotation.DetectedRotation(), choice).value());
    else
        FUZZ_CHECK(rotation.RotateFilter() == base && rotation.DetectedRotation() == u"0");
    return 0;
}
