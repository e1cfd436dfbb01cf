#include "i18n/LanguageFlags.h"

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

namespace
{

void threeStripes(QPainter& p, const QColor& a, const QColor& b, const QColor& c, bool vertical)
{
    if (vertical) {
        p.fillRect(0, 0, 5, 11, a);
        p.fillRect(5, 0, 6, 11, b);
        p.fillRect(11, 0, 5, 11, c);
    } else {
        p.fillRect(0, 0, 16, 4, a);
        p.fillRect(0, 4, 16, 3, b);
        p.fillRect(0, 7, 16, 4, c);
    }
}

void unionFlag(QPainter& p)
{
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xC8, 0x10, 0x2E);
    p.fillRect(0, 0, 16, 11, blue);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(0, 0, 15, 10);
    p.drawLine(0, 10, 15, 0);
    p.setPen(QPen(red, 1));
    p.drawLine(0, 0, 15, 10);
    p.drawLine(0, 10, 15, 0);
    p.fillRect(6, 0, 4, 11, Qt::white);
    p.fillRect(0, 4, 16, 3, Qt::white);
    p.fillRect(7, 0, 2, 11, red);
    p.fillRect(0, 5, 16, 1, red);
}

void spain(QPainter& p)
{
    const QColor red(0xAA, 0x15, 0x1B);
    p.fillRect(0, 0, 16, 3, red);
    p.fillRect(0, 3, 16, 5, QColor(0xF1, 0xBF, 0x00));
    p.fillRect(0, 8, 16, 3, red);
    p.fillRect(4, 4, 2, 3, red);
}

void unknown(QPainter& p)
{
    p.fillRect(0, 0, 16, 11, Qt::cyan);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 16, 11), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

namespace i18n
{

QPixmap FlagPixmap(FlagIndex flag)
{
    QPixmap pixmap(kFlagWidth, kFlagHeight);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    switch (flag) {
    case flagUnitedKingdom:
        unionFlag(p);
        break;
    case flagGermany:
        threeStripes(p, Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00), false);
        break;
    case flagFrance:
        threeStripes(p, QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39), true);
        break;
    case flagItaly:
        threeStripes(p, QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xCE, 0x2B, 0x37), true);
        break;
    case flagNetherlands:
        threeStripes(p, QColor(0xAE, 0x1C, 0x28), Qt::white, QColor(0x21, 0x46, 0x8B), false);
        break;
    case flagSpain:
        spain(p);
        break;
    case flagUnknown:
        unknown(p);
        break;
    }
    return pixmap;
}

void PaintLanguageItem(QPainter& painter, const QRect& rect, const QString& name, const QPalette& palette)
{
    painter.save();
    painter.fillRect(rect, palette.color(QPalette::Base));
    painter.drawPixmap(rect.left() + 2, rect.top() + 2, FlagPixmap(FlagForLanguage(name.toStdString())));
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(QRect(rect.left() + 24, rect.top(), qMax(0, rect.width() - 24), rect.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    painter.restore();
}

} // namespace i18n
