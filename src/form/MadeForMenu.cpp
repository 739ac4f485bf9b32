#include "form/MadeForMenu.h"

#include "session/Session.h"
#include "settings/Destinations.h"
#include "settings/ProgramSettings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <utility>

namespace tarnwick {

MadeForMenu::MadeForMenu(QMenu* menu, Session& session, QAction* webOptimized, QObject* parent)
    : QObject(parent), m_session(session), m_web(webOptimized)
{
    m_menu = menu->addMenu(tr("Made For"));
    m_menu->setObjectName(QStringLiteral("menuMadeFor"));
    m_menu->setToolTip(tr("Where the files go: the format and the largest file that place takes"));
    m_group = new QActionGroup(m_menu);
    QAction* none = m_menu->addAction(tr("None", "no place chosen"));
    none->setObjectName(QStringLiteral("actMadeForNone"));
    none->setCheckable(true);
    none->setChecked(true);
    m_group->addAction(none);
    connect(none, &QAction::triggered, this, [this] { choose(nullptr); });
    for (const Destination& place : destinations()) {
        QAction* entry = m_menu->addAction(place.shownCaption());
        entry->setObjectName(QStringLiteral("actMadeFor_") + place.name);
        entry->setCheckable(true);
        m_group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, &place] { choose(&place); });
    }
    connect(&m_session.rate(), &RateChoice::changed, this, &MadeForMenu::follow);
    connect(m_web, &QAction::toggled, this, &MadeForMenu::follow);
}

void MadeForMenu::restore()
{
    m_watching = true;
    if (const Destination* kept = destinationNamed(ProgramSettings().madeFor()))
        choose(kept);
}

void MadeForMenu::choose(const Destination* place)
{
    const Destination* before = std::exchange(m_place, place);
    ProgramSettings().setMadeFor(place ? place->name : QString());
    // Its choices set with the place already chosen: none of them leaves it.
    if (place) {
        const bool watching = std::exchange(m_watching, false);
        m_session.setFormat(place->outputFormat());
        m_session.rate().setTargetBytes(place->bytes);
        if (place->webOptimized)
            m_web->setChecked(true);
        m_watching = watching;
    } else if (before && m_session.rate().targetBytes() == before->bytes) {
        m_session.rate().setTargetBytes(0);
    }
    show();
}

// A choice the place did not make ends it.
void MadeForMenu::follow()
{
    if (!m_watching || !m_place)
        return;
    const OutputFormat* format = m_session.format();
    if (format != &m_place->outputFormat() || m_session.rate().targetBytes() != m_place->bytes ||
        (m_place->webOptimized && !m_web->isChecked())) {
        m_place = nullptr;
        ProgramSettings().setMadeFor(QString());
        show();
    }
}

void MadeForMenu::show()
{
    const QString name = m_place ? QStringLiteral("actMadeFor_") + m_place->name : QStringLiteral("actMadeForNone");
    for (QAction* entry : m_group->actions())
        entry->setChecked(entry->objectName() == name);
}

} // namespace tarnwick
