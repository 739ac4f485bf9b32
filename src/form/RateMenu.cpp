#include "form/RateMenu.h"

#include "form/MainWidgets.h"
#include "form/ReadingDirection.h"
#include "session/Session.h"
#include "platform/Dialogs.h"
#include "platform/Messages.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>

namespace tarnwick {

namespace {

QString withoutTrailingColon(QString caption)
{
    caption = caption.trimmed();
    if (caption.endsWith(u':') || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace

RateMenu::RateMenu(QMenu* menu, MainWidgets& widgets, Session& session, QWidget* window)
    : QObject(window), m_w(widgets), m_session(session), m_window(window), m_bitrateCaption(widgets.lblBitrate->text())
{
    m_quality = menu->addAction(tr("Constant Quality"));
    m_quality->setObjectName(QStringLiteral("actConstantQuality"));
    m_quality->setCheckable(true);
    m_quality->setToolTip(tr("The same quality whatever the size: the format's quality levels instead of bitrates"));
    connect(m_quality, &QAction::toggled, this, [this](bool on) { m_session.rate().setConstantQuality(on); });

    m_size = menu->addAction(tr("Target Size..."));
    m_size->setObjectName(QStringLiteral("actTargetSize"));
    m_size->setCheckable(true);
    m_size->setToolTip(tr("The largest the whole file may be, sound included; it comes out at most that and close to it"));
    connect(m_size, &QAction::triggered, this, &RateMenu::askTargetSize);

    connect(&m_session.rate(), &RateChoice::changed, this, &RateMenu::show);
    // The box in the bitrate list's place is locked and freed with it.
    m_w.cmbBitrate->installEventFilter(this);
    show();
}

bool RateMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_w.cmbBitrate && event->type() == QEvent::EnabledChange && m_box)
        show();
    return QObject::eventFilter(watched, event);
}

QComboBox* RateMenu::box()
{
    if (!m_box) {
        m_box = new QComboBox(m_w.cmbBitrate->parentWidget());
        m_box->setObjectName(QStringLiteral("cmbQuality"));
        m_box->setGeometry(m_w.cmbBitrate->geometry());
        m_box->setFont(m_w.cmbBitrate->font());
        // In the bitrate box's place among the controls, under the cover panel as it is.
        m_box->stackUnder(m_w.cmbBitrate);
        QWidget::setTabOrder(m_w.cmbOF1, m_box);
        QWidget::setTabOrder(m_box, m_w.txtPath);
        connect(m_box, &QComboBox::activated, this, [this](int index) {
            bool ok = false;
            const int level = m_box->itemText(index).toInt(&ok);
            if (ok && m_session.rate().targetBytes() == 0)
                m_session.rate().setQuality(level);
        });
    }
    return m_box;
}

void RateMenu::setCaption(const QString& caption, QComboBox* input)
{
    if (m_w.lblBitrate->text() != caption) {
        m_w.lblBitrate->setText(caption);
        m_w.lblBitrate->ensurePolished();
        resizeFromStart(m_w.lblBitrate, m_w.lblBitrate->sizeHint());
    }
    m_w.lblBitrate->setBuddy(input);
    input->setAccessibleName(withoutTrailingColon(caption));
}

// The session's choice as the menu and the box show it.
void RateMenu::show()
{
    const RateChoice& rate = m_session.rate();
    const qint64 target = rate.targetBytes();
    {
        const QSignalBlocker quiet(m_quality);
        m_quality->setChecked(rate.constantQuality());
    }
    m_size->setChecked(target > 0);
    m_size->setText(target > 0 ? tr("Target Size: %1...").arg(sizeText(target)) : tr("Target Size..."));
    const OutputFormat* format = m_session.format();
    const bool scaled = format && format->quality.isKnown();
    // The copy encodes nothing, so neither applies: it shows the bitrate
    // box as it always has, greyed.
    if (!scaled || (target == 0 && !rate.constantQuality())) {
        if (m_box) {
            m_box->hide();
            m_w.cmbBitrate->show();
            setCaption(m_bitrateCaption, m_w.cmbBitrate);
        }
        return;
    }
    QComboBox* list = box();
    QStringList items;
    int current = -1;
    if (target > 0) {
        items << sizeText(target);
        current = 0;
        setCaption(tr("Target Size (the whole file):"), list);
    } else {
        const QualityScale& scale = format->quality;
        for (int level : scale.levels())
            items << QString::number(level);
        if (!items.contains(QString::number(rate.quality())) && scale.takes(rate.quality()))
            items << QString::number(rate.quality());
        current = int(items.indexOf(QString::number(rate.quality())));
        //: The caption of the quality list in the bitrate list's place; %1 is the scale, CRF or quantiser.
        setCaption(tr("Video Quality (%1):")
                       .arg(QCoreApplication::translate(OutputPresets::kCaptionContext, scale.name.toUtf8().constData())),
                   list);
    }
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    if (shown != items) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(items);
    }
    list->setCurrentIndex(current);
    list->setToolTip(target > 0 ? tr("Target size, set in the menu") : tr("Constant quality: lower numbers look better and take more space"));
    list->setEnabled(m_w.cmbBitrate->isEnabled() && target == 0);
    m_w.cmbBitrate->hide();
    list->show();
}

void RateMenu::askTargetSize()
{
    RateChoice& rate = m_session.rate();
    const TextRequest request{
        tr("Target Size"),
        tr("The most the whole file may take, sound included, in megabytes as file managers count them "
           "(1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.\n"
           "Empty: no target, the bitrate or quality again."),
        rate.targetBytes() > 0 ? sizeText(rate.targetBytes()) : QString()};
    const auto answer = m_session.services().dialogs.askText(request);
    if (!answer) {
        show();
        return;
    }
    if (answer->trimmed().isEmpty()) {
        rate.setTargetBytes(0);
        return;
    }
    if (const auto bytes = parseSize(*answer)) {
        rate.setTargetBytes(*bytes);
        return;
    }
    m_session.services().messages.show(
        tr("\"%1\" is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.")
            .arg(*answer),
        kProgramTitle, MessageIcon::Exclamation);
    show();
}

} // namespace tarnwick
