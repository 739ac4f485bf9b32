#pragma once

#include "conversion/EditableList.h"

#include <QString>

#include <functional>
#include <optional>

namespace tarnwick {

// The rotation choice and the filter it gives. Before each file the encoder
// is run on the file alone; if its description declares a rotation, the
// filter is replaced so that the chosen turn is reached counting from the
// declared one.
class Rotation
{
public:
    // Lets pending window events run; the scan calls it as it goes.
    using Yield = std::function<void()>;

    explicit Rotation(Yield yield = {});
    Rotation(const Rotation&) = delete;
    Rotation& operator=(const Rotation&) = delete;

    EditableList cmbRotate;

    const QString& RotateFilter() const { return m_rotateFilter; }
    void setRotateFilter(const QString& filter) { m_rotateFilter = filter; }
    const QString& DetectedRotation() const { return m_detectedRotation; }

    // The filter for a choice when the file declares nothing; nullopt
    // outside 0 to 5.
    static std::optional<QString> baseFilter(int choice);
    // The filter for a choice on a file that declares "90", "180" or "270".
    static std::optional<QString> declaredFilter(const QString& declared, int choice);

    void cmbRotate_Click();
    // The start of a file's job: the base filter and no rotation found yet.
    void startJob();
    void objffmpeg_ReceiveOutputs(const QString& CommandOutputs);
    void objffmpeg_CommandOver();

    // The value the first key of a chunk gives: "90", "180", "270" or nothing.
    static std::optional<QString> scanChunk(const QString& chunk, const Yield& yield = {});

private:
    Yield m_yield;
    QString m_rotateFilter;
    QString m_detectedRotation = QStringLiteral("0");
};

} // namespace tarnwick
