#pragma once

#include <QWidget>

namespace tarnwick {

class DOSOutputs;
class Messages;

// The main window. It owns the long-lived objects of the program and wires
// widgets to them; the rules live in the classes it owns.
class frmMain : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    // The client area is laid out in twips at 15 twips per pixel.
    static constexpr int kClientWidth = 8490 / 15;
    static constexpr int kClientHeight = 7050 / 15;

    frmMain(Messages& messages, const QString& programFolder, QWidget* parent = nullptr);
    ~frmMain() override;

    const QString& programFolder() const { return m_programFolder; }
    DOSOutputs& objDOS() { return *m_objDOS; }
    DOSOutputs& objffmpeg() { return *m_objffmpeg; }

private:
    Messages& m_messages;
    QString m_programFolder;
    DOSOutputs* m_objDOS;
    DOSOutputs* m_objffmpeg;
};

} // namespace tarnwick
