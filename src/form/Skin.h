#pragma once

#include <QCursor>
#include <QList>
#include <QObject>

class QLabel;
class QWidget;

namespace tarnwick {

struct MainWidgets;

// The window's own pictures, drawn at start-up for the screen's pixel ratio
// so they stay sharp on high-density screens: the hover and press pictures
// of the hot-spots, kept in picture holders that are never shown, the cover
// panel's picture and the hand pointer.
class Skin : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Skin)

public:
    Skin(QWidget* window, MainWidgets& widgets);

    QList<QLabel*> imgButtonData; // hover pictures of imgToolbar 0 to 6
    QLabel* imgBrowseLight;
    QLabel* imgBrowseDark;
    QLabel* imgConvertData;
    QLabel* imgExitLight;
    QLabel* imgHelpLight;
    QLabel* imgMinLight;
    QCursor hand;

    // Hooks every hot-spot's moves and presses to the pictures below.
    void connectHotSpots();
    // The hot-spot moves and presses, and the background move.
    void hover(QLabel* hotSpot);
    void press(QLabel* hotSpot);
    void toolbarHover(int index);
    void toolbarPress();
    void backgroundMove();
    static void clear(QLabel* hotSpot);

private:
    QLabel* holder(QWidget* window, const char* name, const QString& caption, int style);
    MainWidgets& m_w;
    qreal m_ratio;
};

// The 32 x 32 monochrome hand with a pointing finger, hot spot at (6, 0).
QCursor handCursor();

} // namespace tarnwick
