#pragma once

#include <QObject>
#include <QString>

class QAction;
class QComboBox;
class QMenu;

namespace tarnwick {

struct MainWidgets;
class Session;

// "Constant Quality" and "Target Size..." in the window's menu, and what
// they do to the bitrate box: with constant quality on, a list of the
// format's quality levels takes its place (the format's default chosen);
// with a target size, the size stands there, greyed. With both off the
// window is as it always was: the list of its own, made when first needed,
// stays out of sight and the caption is its own again.
class RateMenu : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RateMenu)

public:
    RateMenu(QMenu* menu, MainWidgets& widgets, Session& session, QWidget* window);

    QAction* constantQualityAction() const { return m_quality; }
    QAction* targetSizeAction() const { return m_size; }
    // The list in the bitrate box's place; nullptr until first needed.
    QComboBox* rateBox() const { return m_box; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show();
    void askTargetSize();
    QComboBox* box();
    void setCaption(const QString& caption, QComboBox* input);

    MainWidgets& m_w;
    Session& m_session;
    QWidget* m_window;
    QAction* m_quality;
    QAction* m_size;
    QComboBox* m_box = nullptr;
    QString m_bitrateCaption; // the caption of the bitrate box, as the window has it
};

} // namespace tarnwick
