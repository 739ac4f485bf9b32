#pragma once

#include "settings/OptionsEditor.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tarnwick {

class Messages;

// The options dialog: the sound reminder choice, OK and Back. The cutter
// switch and its six time boxes are part of it but never shown.
class frmOptions : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmOptions)

public:
    frmOptions(Options& record, const QString& optionsFile, Messages& messages, QWidget* parent = nullptr);

    QComboBox* cmbSR() const { return m_cmbSR; }
    QCheckBox* chkMC() const { return m_chkMC; }
    QLineEdit* timeBox(OptionsEditor::Box box) const { return m_boxes.at(box); }

    void Command1_Click();

protected:
    // A press on the dialog's background drags it.
    void mousePressEvent(QMouseEvent* event) override;

private:
    Options& m_record;
    QString m_optionsFile;
    Messages& m_messages;
    OptionsEditor m_editor;
    QComboBox* m_cmbSR;
    QCheckBox* m_chkMC;
    QList<QLineEdit*> m_boxes;
};

} // namespace tarnwick
