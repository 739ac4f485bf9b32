#pragma once

#include "platform/Dialogs.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace tarnwick {

// Asks for the part of one queued file to convert: a start and an end,
// each typed as seconds, m:ss or h:mm:ss, either left empty. OK takes only
// times the request's rule accepts, and says why it does not.
class TimeRangeDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimeRangeDialog)

public:
    TimeRangeDialog(const TimeRangeRequest& request, QWidget* parent = nullptr);

    TimeRangeAnswer answer() const;

private:
    void check();

    TimeRangeRequest m_request;
    QLineEdit* m_start;
    QLineEdit* m_end;
    QLabel* m_problem;
    QDialogButtonBox* m_buttons;
};

} // namespace tarnwick
