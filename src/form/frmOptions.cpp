#include "form/frmOptions.h"

#include "form/MainWidgets.h"
#include "form/ReadingDirection.h"
#include "platform/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

namespace tarnwick {

frmOptions::frmOptions(Options& record, const QString& optionsFile, Messages& messages, QWidget* parent)
    : QDialog(parent), m_record(record), m_optionsFile(optionsFile), m_messages(messages), m_editor(record)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Setting"));
    setModal(true);
    setFixedSize(MainWidgets::px(4575), MainWidgets::px(1800));

    auto* label = new QLabel(tr("Sound Reminder"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(MainWidgets::px(240), MainWidgets::px(180));
    m_cmbSR = new QComboBox(this);
    m_cmbSR->setObjectName(QStringLiteral("cmbSR"));
    m_cmbSR->addItems({tr("ON"), tr("OFF")});
    m_cmbSR->setGeometry(MainWidgets::px(240), MainWidgets::px(480), MainWidgets::px(4095), MainWidgets::px(330));
    m_cmbSR->setCurrentIndex(m_editor.beep ? 0 : 1); // "ON", "OFF"
    label->setBuddy(m_cmbSR); // the list is called by its caption

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(MainWidgets::px(1560), MainWidgets::px(1140), MainWidgets::px(1275), MainWidgets::px(420));
    ok->setDefault(true);
    auto* back = new QPushButton(tr("Back"), this);
    back->setObjectName(QStringLiteral("Command2"));
    back->setGeometry(MainWidgets::px(3060), MainWidgets::px(1140), MainWidgets::px(1275), MainWidgets::px(420));

    m_chkMC = new QCheckBox(tr("Music Cutter"), this);
    m_chkMC->setObjectName(QStringLiteral("chkMC"));
    m_chkMC->setChecked(m_editor.cutOn);
    m_chkMC->hide();
    const char* names[6] = {"txtFromH", "txtFromM", "txtFromS", "txtToH", "txtToM", "txtToS"};
    for (int i = 0; i < 6; ++i) {
        auto* box = new QLineEdit(m_editor.boxes[i], this);
        box->setObjectName(QLatin1String(names[i]));
        box->setEnabled(m_editor.boxesEnabled());
        box->hide();
        m_boxes.append(box);
    }
    connect(m_chkMC, &QCheckBox::toggled, this, [this](bool on) {
        for (QLineEdit* box : std::as_const(m_boxes))
            box->setEnabled(on);
    });
    connect(ok, &QPushButton::clicked, this, &frmOptions::Command1_Click);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    mirrorLayout(this);
}

void frmOptions::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && windowHandle() && !childAt(event->position().toPoint()))
        windowHandle()->startSystemMove();
    QDialog::mousePressEvent(event);
}

void frmOptions::Command1_Click()
{
    m_editor.beep = m_cmbSR->currentIndex() == 0;
    m_editor.cutOn = m_chkMC->isChecked();
    for (int i = 0; i < 6; ++i)
        m_editor.boxes[i] = m_boxes.at(i)->text();
    if (const auto refusal = m_editor.accept(m_record, m_optionsFile)) {
        m_messages.show(refusal->text, refusal->title, MessageIcon::Exclamation);
        m_boxes.at(refusal->box)->setFocus();
        return;
    }
    m_chkMC->setChecked(m_editor.cutOn);
    accept();
}

} // namespace tarnwick
