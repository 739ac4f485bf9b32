#include "form/frmMain.h"

#include "process/DOSOutputs.h"
#include "process/Messages.h"

namespace tarnwick {

frmMain::frmMain(Messages& messages, const QString& programFolder, QWidget* parent)
    : QWidget(parent), m_messages(messages), m_programFolder(programFolder),
      m_objDOS(new DOSOutputs(messages, this)), m_objffmpeg(new DOSOutputs(messages, this))
{
    setObjectName(QStringLiteral("frmMain"));
    m_objDOS->setObjectName(QStringLiteral("objDOS"));
    m_objffmpeg->setObjectName(QStringLiteral("objffmpeg"));
    setWindowTitle(kProgramTitle);
    setFixedSize(kClientWidth, kClientHeight);
}

frmMain::~frmMain() = default;

} // namespace tarnwick
