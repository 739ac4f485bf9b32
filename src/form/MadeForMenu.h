#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

namespace tarnwick {

class Session;
struct Destination;

// "Made For" in the window's menu: None, then one entry a place. A place
// chosen sets what it stands for where the window shows it: its format in
// the format list, its size as the target size, "Made for the Web" on.
// Each stays the user's to change, and a change that leaves the place's
// choices puts the menu back at None, as does None itself, which also
// takes back the place's size. The place is kept in Tarnwick.conf and
// chosen again when the window opens.
class MadeForMenu : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MadeForMenu)

public:
    MadeForMenu(QMenu* menu, Session& session, QAction* webOptimized, QObject* parent);

    QMenu* menu() const { return m_menu; }
    // The place kept from the last run chosen again, once the window's
    // other settings are loaded; until then their loading is no change.
    void restore();

private:
    void choose(const Destination* place);
    void follow();
    void show();

    Session& m_session;
    QAction* m_web;
    QMenu* m_menu;
    QActionGroup* m_group;
    const Destination* m_place = nullptr;
    bool m_watching = false;
};

} // namespace tarnwick
