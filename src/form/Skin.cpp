#include "form/Skin.h"

#include "form/EventHooks.h"

#include "form/MainWidgets.h"
#include "form/ReadingDirection.h"

#include <QBitmap>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace tarnwick {

namespace {

enum Style { Hover, Press };

QPixmap drawButton(const QSize& size, qreal ratio, const QString& caption, int style)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    if (style == Hover) {
        fill.setColorAt(0, QColor(0x5b, 0x9b, 0xe6));
        fill.setColorAt(1, QColor(0x2a, 0x6f, 0xc2));
    } else {
        fill.setColorAt(0, QColor(0x1d, 0x4f, 0x8f));
        fill.setColorAt(1, QColor(0x2a, 0x6f, 0xc2));
    }
    p.setPen(QPen(QColor(0x18, 0x3e, 0x70), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, 4, 4);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, caption);
    return pixmap;
}

} // namespace

QCursor handCursor()
{
    // Drawn as a bitmap: 1 = black, mask 1 = painted.
    static const char* rows[32] = {
        "      ##                        ", "     #..#                       ",
        "     #..#                       ", "     #..#                       ",
        "     #..#                       ", "     #..###                     ",
        "     #..#..###                  ", "     #..#..#..##                ",
        "     #..#..#..#.#               ", " ### #..#..#..#..#              ",
        " #..##........#..#              ", " #...#...........#              ",
        "  #..#...........#              ", "   #.............#              ",
        "   #.............#              ", "    #............#              ",
        "    #...........#               ", "     #..........#               ",
        "     #..........#               ", "      #........#                ",
        "      #........#                ", "      ##########                ",
    };
    QBitmap shape(32, 32);
    QBitmap mask(32, 32);
    shape.fill(Qt::color0);
    mask.fill(Qt::color0);
    QPainter ps(&shape);
    QPainter pm(&mask);
    for (int y = 0; y < 32; ++y) {
        const char* row = y < 22 ? rows[y] : nullptr;
        for (int x = 0; row && x < 32 && row[x]; ++x) {
            if (row[x] == '#') {
                ps.setPen(Qt::color1);
                ps.drawPoint(x, y);
            }
            if (row[x] != ' ') {
                pm.setPen(Qt::color1);
                pm.drawPoint(x, y);
            }
        }
    }
    ps.end();
    pm.end();
    return QCursor(shape, mask, 6, 0);
}

Skin::Skin(QWidget* window, MainWidgets& widgets)
    : QObject(window), hand(handCursor()), m_w(widgets), m_ratio(window->devicePixelRatioF())
{
    for (int i = 0; i < 7; ++i)
        imgButtonData.append(holder(window, "imgButtonData", QString::number(i + 1), Hover));
    imgBrowseLight = holder(window, "imgBrowseLight", QStringLiteral("Browse"), Hover);
    imgBrowseDark = holder(window, "imgBrowseDark", QStringLiteral("Browse"), Press);
    imgConvertData = holder(window, "imgConvertData", QStringLiteral("Convert"), Hover);
    imgExitLight = holder(window, "imgExitLight", QStringLiteral("Exit"), Hover);
    imgHelpLight = holder(window, "imgHelpLight", QStringLiteral("Help"), Hover);
    imgMinLight = holder(window, "imgMinLight", QStringLiteral("_"), Hover);
    for (QWidget* pointed : {static_cast<QWidget*>(m_w.imgExit), static_cast<QWidget*>(m_w.imgHelp),
                             static_cast<QWidget*>(m_w.imgMin), static_cast<QWidget*>(m_w.lblFeed),
                             static_cast<QWidget*>(m_w.lblWeb)})
        pointed->setCursor(hand);
}

QLabel* Skin::holder(QWidget* window, const char* name, const QString& caption, int style)
{
    auto* label = new QLabel(window);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(drawButton(m_w.imgAdd->size(), m_ratio, caption, style));
    label->hide();
    return label;
}

void Skin::clear(QLabel* hotSpot)
{
    hotSpot->setPixmap(QPixmap());
}

void Skin::hover(QLabel* hotSpot)
{
    const std::pair<QLabel*, QLabel*> pairs[] = {{m_w.imgBrowse, imgBrowseLight}, {m_w.imgConvert, imgConvertData},
                                                 {m_w.imgExit, imgExitLight},     {m_w.imgHelp, imgHelpLight},
                                                 {m_w.imgMin, imgMinLight}};
    for (const auto& [spot, picture] : pairs) {
        if (spot == hotSpot)
            spot->setPixmap(picture->pixmap());
    }
}

void Skin::press(QLabel* hotSpot)
{
    if (hotSpot == m_w.imgBrowse)
        hotSpot->setPixmap(imgBrowseDark->pixmap());
    else if (hotSpot == m_w.imgConvert || hotSpot == m_w.imgAdd || hotSpot == m_w.imgRemove ||
             hotSpot == m_w.imgStart)
        clear(hotSpot);
}

void Skin::toolbarHover(int index)
{
    toolbarPress();
    if (index >= 0 && index < m_w.imgToolbar.size())
        m_w.imgToolbar.at(index)->setPixmap(imgButtonData.at(index)->pixmap());
}

void Skin::toolbarPress()
{
    for (QLabel* element : std::as_const(m_w.imgToolbar))
        clear(element);
}

void Skin::backgroundMove()
{
    QFont font = m_w.lblFeed->font();
    font.setBold(false);
    m_w.lblFeed->setFont(font);
    resizeFromStart(m_w.lblFeed, m_w.lblFeed->sizeHint());
    for (QLabel* spot : {m_w.imgHelp, m_w.imgExit, m_w.imgBrowse, m_w.imgMin, m_w.imgStart, m_w.imgAdd, m_w.imgRemove})
        clear(spot);
    toolbarPress();
    clear(m_w.imgConvert);
}

void Skin::connectHotSpots()
{
    for (QLabel* spot : {m_w.imgBrowse, m_w.imgConvert, m_w.imgExit, m_w.imgHelp, m_w.imgMin})
        hooks::onMouseMove(spot, [this, spot](QMouseEvent*) { hover(spot); });
    for (QLabel* spot : {m_w.imgBrowse, m_w.imgConvert, m_w.imgAdd, m_w.imgRemove, m_w.imgStart})
        hooks::onPress(spot, [this, spot] { press(spot); });
    for (int i = 0; i < m_w.imgToolbar.size(); ++i) {
        hooks::onMouseMove(m_w.imgToolbar.at(i), [this, i](QMouseEvent*) { toolbarHover(i); });
        hooks::onPress(m_w.imgToolbar.at(i), [this] { toolbarPress(); });
    }
    QLabel* feed = m_w.lblFeed;
    hooks::onMouseMove(feed, [feed](QMouseEvent*) {
        QFont font = feed->font();
        font.setBold(true);
        feed->setFont(font);
        resizeFromStart(feed, feed->sizeHint()); // the bold text is wider, in any language
    });
}

} // namespace tarnwick
