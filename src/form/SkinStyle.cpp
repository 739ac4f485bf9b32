#include "form/SkinStyle.h"

#include "form/MainWidgets.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace tarnwick {

namespace {

const QColor kAccent(0x2a, 0x6f, 0xc2);
const QColor kInk(0x22, 0x2b, 0x3a);

QPixmap canvas(const QSize& size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A page with a folded corner, optionally a folder, with a sign on it.
QIcon toolIcon(int kind, qreal ratio)
{
    const QSize size(28, 28);
    QPixmap pixmap = canvas(size, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.4));
    if (kind == 1) {
        QPainterPath folder;
        folder.moveTo(3, 8);
        folder.lineTo(11, 8);
        folder.lineTo(13, 10);
        folder.lineTo(25, 10);
        folder.lineTo(25, 23);
        folder.lineTo(3, 23);
        folder.closeSubpath();
        p.setBrush(QColor(0xf3, 0xc9, 0x5c));
        p.drawPath(folder);
    } else {
        QPainterPath page;
        page.moveTo(7, 3);
        page.lineTo(18, 3);
        page.lineTo(23, 8);
        page.lineTo(23, 25);
        page.lineTo(7, 25);
        page.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.drawLine(QPointF(18, 3), QPointF(18, 8));
        p.drawLine(QPointF(18, 8), QPointF(23, 8));
    }
    const bool add = kind == 0 || kind == 1;
    const QColor sign = add ? QColor(0x2e, 0x9e, 0x4f) : QColor(0xc8, 0x3a, 0x3a);
    p.setPen(Qt::NoPen);
    p.setBrush(sign);
    p.drawEllipse(QPointF(20, 20), 6.5, 6.5);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16.5, 20), QPointF(23.5, 20));
    if (add)
        p.drawLine(QPointF(20, 16.5), QPointF(20, 23.5));
    if (kind == 5) { // remove all: a second page behind
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(4, 6), QPointF(4, 27));
        p.drawLine(QPointF(4, 27), QPointF(19, 27));
    }
    return QIcon(pixmap);
}

QPixmap coverPicture(const QSize& size, qreal ratio)
{
    QPixmap pixmap = canvas(size, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x1d, 0x4f, 0x8f));
    sky.setColorAt(1, QColor(0x2f, 0x7d, 0xd1));
    p.fillRect(QRect(QPoint(0, 0), size), sky);

    // A film strip across the middle.
    const QRectF strip(0, size.height() * 0.30, size.width(), 70);
    p.fillRect(strip, QColor(0, 0, 0, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    for (qreal x = 8; x < size.width(); x += 22) {
        p.drawRoundedRect(QRectF(x, strip.top() + 6, 12, 8), 2, 2);
        p.drawRoundedRect(QRectF(x, strip.bottom() - 14, 12, 8), 2, 2);
    }

    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSizeF(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(strip.adjusted(0, 14, 0, -14), Qt::AlignCenter, QStringLiteral("Tarnwick"));

    QFont body = p.font();
    body.setPointSizeF(kCoverTextPoints);
    body.setBold(false);
    p.setFont(body);
    const QRectF lines(0, strip.bottom() + 24, size.width(), 60);
    p.drawText(lines, Qt::AlignHCenter | Qt::AlignTop, coverText());
    return pixmap;
}

} // namespace

void applySkinStyle(QWidget* window, MainWidgets& w)
{
    const qreal ratio = window->devicePixelRatioF();
    window->setStyleSheet(QStringLiteral(
        "QWidget#frmMain { background: #eef2f7; }"
        "QLabel { color: #222b3a; }"
        "QLabel#lblFileList, QLabel#lblDrive, QLabel#lblOutputFormat, QLabel#lblBitrate, QLabel#lblOutputPath"
        " { font-weight: bold; }"
        "QTreeView#LV { background: white; border: 1px solid #b8c3d3; alternate-background-color: #f5f8fc; }"
        "QLabel#lblText { color: #7d8899; font-style: italic; }"
        "QPushButton#Command3 { background: #2a6fc2; color: white; font-weight: bold; font-size: 10pt;"
        " border: 1px solid #1d4f8f; border-radius: 5px; }"
        "QPushButton#Command3:hover { background: #3a80d4; }"
        "QPushButton#Command3:pressed { background: #1d4f8f; }"
        "QPushButton#Command3:disabled { background: #9db3cf; border-color: #8aa0bd; }"
        "QProgressBar#pb { border: 1px solid #b8c3d3; border-radius: 3px; background: white; }"
        "QProgressBar#pb::chunk { background: #2a6fc2; }"
        "QLabel#lblPB { font-weight: bold; }"
        "QLabel#lblWeb, QLabel#lblFeed { color: #2a6fc2; text-decoration: underline; }"
        "QToolButton#CmdToolsBar { border: 1px solid transparent; border-radius: 4px; }"
        "QToolButton#CmdToolsBar:hover { border-color: #9db3cf; background: #dde7f4; }"));
    // Bold captions are wider than the plain text they were sized for.
    for (QLabel* label : {w.lblDrive, w.lblFileList, w.lblOutputFormat, w.lblBitrate, w.lblOutputPath, w.lblFeed}) {
        label->ensurePolished();
        label->adjustSize();
    }
    for (int i = 0; i < w.CmdToolsBar.size(); ++i) {
        if (i == 3 || i == 4)
            continue; // captioned buttons, out of sight
        w.CmdToolsBar.at(i)->setIcon(toolIcon(i, ratio));
        w.CmdToolsBar.at(i)->setIconSize(QSize(28, 28));
    }
    w.lblPB->setAlignment(Qt::AlignCenter);
    w.picDoor->setPixmap(coverPicture(w.picDoor->size(), ratio));
    // Not a link: the standard arrow, as every control that is not one.
    w.picDoor->setCursor(Qt::ArrowCursor);
}

} // namespace tarnwick
