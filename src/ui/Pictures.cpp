#include "ui/Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace
{

constexpr qreal kScale = 2.0;

QPixmap drawn(int width, int height, const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(static_cast<int>(width * kScale), static_cast<int>(height * kScale));
    pixmap.setDevicePixelRatio(kScale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return pixmap;
}

void drawWheel(QPainter& p, QPointF centre, qreal radius, const QColor& tyre)
{
    p.setPen(QPen(tyre, radius * 0.28));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(120, 120, 120), 0.8));
    for (int i = 0; i < 6; ++i) {
        QLineF spoke(centre, centre + QPointF(radius, 0));
        spoke.setAngle(i * 30.0);
        p.drawLine(QLineF(spoke.pointAt(-1.0), spoke.p2()));
    }
}

} // namespace

QPixmap Pictures::programSymbol()
{
    return drawn(32, 32, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 84, 166));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
        p.setBrush(QColor(235, 242, 250));
        p.drawEllipse(QRectF(6, 6, 20, 20));
        p.setPen(QPen(QColor(0, 84, 166), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(16, 9));
        p.drawLine(QPointF(16, 16), QPointF(21, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 60, 40));
        p.drawEllipse(QPointF(16, 16), 2.0, 2.0);
    });
}

QPixmap Pictures::device()
{
    return drawn(127, 127, [](QPainter& p) {
        // A handlebar computer: a rounded case with a display.
        QLinearGradient shell(0, 10, 0, 117);
        shell.setColorAt(0, QColor(70, 75, 85));
        shell.setColorAt(1, QColor(25, 28, 34));
        p.setPen(QPen(QColor(15, 15, 20), 1.5));
        p.setBrush(shell);
        p.drawRoundedRect(QRectF(18, 8, 91, 111), 22, 22);
        QLinearGradient lcd(0, 24, 0, 84);
        lcd.setColorAt(0, QColor(196, 210, 180));
        lcd.setColorAt(1, QColor(160, 178, 146));
        p.setPen(QPen(QColor(40, 45, 40), 1));
        p.setBrush(lcd);
        p.drawRoundedRect(QRectF(28, 22, 71, 62), 6, 6);
        p.setPen(QColor(35, 40, 35));
        QFont big(QStringLiteral("Sans"));
        big.setPixelSize(22);
        big.setBold(true);
        p.setFont(big);
        p.drawText(QRectF(28, 26, 71, 30), Qt::AlignCenter, QStringLiteral("25.4"));
        QFont small(QStringLiteral("Sans"));
        small.setPixelSize(10);
        p.setFont(small);
        p.drawText(QRectF(28, 56, 71, 24), Qt::AlignCenter, QStringLiteral("km/h  12:30"));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 120, 215));
        p.drawEllipse(QPointF(47, 101), 7, 7);
        p.drawEllipse(QPointF(80, 101), 7, 7);
    });
}

QPixmap Pictures::sex(int index)
{
    const bool female = index == 1;
    return drawn(16, 16, [female](QPainter& p) {
        const QColor colour = female ? QColor(214, 51, 132) : QColor(0, 102, 204);
        p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        if (female) {
            p.drawEllipse(QPointF(8, 6), 4, 4);
            p.drawLine(QPointF(8, 10), QPointF(8, 15));
            p.drawLine(QPointF(5.5, 12.8), QPointF(10.5, 12.8));
        } else {
            p.drawEllipse(QPointF(6.5, 9.5), 4, 4);
            p.drawLine(QPointF(9.4, 6.6), QPointF(14, 2));
            p.drawLine(QPointF(10, 2), QPointF(14, 2));
            p.drawLine(QPointF(14, 2), QPointF(14, 6));
        }
    });
}

QIcon Pictures::wheelMark(int index)
{
    const QColor tyre = index == 0 ? QColor(30, 30, 30) : QColor(120, 70, 20);
    return QIcon(drawn(16, 16, [tyre](QPainter& p) { drawWheel(p, QPointF(8, 8), 6, tyre); }));
}

QIcon Pictures::dropDown()
{
    return QIcon(drawn(12, 12, [](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(2, 4);
        arrow.lineTo(10, 4);
        arrow.lineTo(6, 9);
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 40));
        p.drawPath(arrow);
    }));
}
