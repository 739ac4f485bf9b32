#include "form/TimeRangeDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnwick {

TimeRangeDialog::TimeRangeDialog(const TimeRangeRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request), m_start(new QLineEdit(request.start, this)),
      m_end(new QLineEdit(request.end, this)), m_problem(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("TimeRangeDialog"));
    setWindowTitle(tr("Time Range"));
    m_start->setObjectName(QStringLiteral("txtStart"));
    m_end->setObjectName(QStringLiteral("txtEnd"));
    m_start->setPlaceholderText(tr("the beginning"));
    m_end->setPlaceholderText(tr("the end"));

    auto* file = new QLabel(QFileInfo(request.file).fileName(), this);
    file->setToolTip(request.file);
    auto* hint =
        new QLabel(tr("Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty "
                      "for the beginning or the end."),
                   this);
    hint->setWordWrap(true);
    m_problem->setObjectName(QStringLiteral("lblProblem"));
    m_problem->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(tr("Start:"), m_start);
    form->addRow(tr("End:"), m_end);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_start, &QLineEdit::textChanged, this, &TimeRangeDialog::check);
    connect(m_end, &QLineEdit::textChanged, this, &TimeRangeDialog::check);
    check();
}

TimeRangeAnswer TimeRangeDialog::answer() const
{
    return {m_start->text(), m_end->text()};
}

void TimeRangeDialog::check()
{
    const QString problem =
        m_request.problem ? m_request.problem(m_start->text(), m_end->text()) : QString();
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

} // namespace tarnwick
