#include "app/artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <iterator>

namespace pistaro {

namespace {

const QColor kGroundTop(16, 24, 56);
const QColor kGroundBottom(4, 6, 20);

QPixmap blank(const QSize& size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    return pm;
}

void paintGround(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kGroundTop);
    g.setColorAt(1, kGroundBottom);
    p.fillRect(r, g);
}

// A waving chequered flag: each square is a quadrilateral whose corners follow a sine wave.
void paintFlag(QPainter& p, const QRectF& r, int cols, int rows, qreal wave) {
    auto corner = [&](int c, int row) {
        const qreal x = r.left() + r.width() * c / cols;
        const qreal y = r.top() + r.height() * row / rows + wave * qSin(c * M_PI / cols * 2.0);
        return QPointF(x, y);
    };
    p.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        for (int c = 0; c < cols; ++c) {
            QPolygonF q;
            q << corner(c, row) << corner(c + 1, row) << corner(c + 1, row + 1)
              << corner(c, row + 1);
            p.setBrush((row + c) % 2 == 0 ? QColor(245, 245, 245) : QColor(20, 20, 20));
            p.drawPolygon(q);
        }
    }
}

} // namespace

QPixmap logoPixmap(const QSize& size) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    paintGround(p, all);

    const qreal h = size.height();
    const qreal w = size.width();
    paintFlag(p, QRectF(w * 0.08, h * 0.10, w * 0.84, h * 0.38), 12, 4, h * 0.03);

    QFont big(QStringLiteral("DejaVu Sans"));
    big.setBold(true);
    big.setItalic(true);
    big.setPixelSize(qMax(8, int(h * 0.24)));
    p.setFont(big);
    const QRectF title(0, h * 0.50, w, h * 0.30);
    p.setPen(QColor(200, 20, 20));
    p.drawText(title.translated(2, 2), Qt::AlignCenter, QStringLiteral("Pistaro"));
    p.setPen(Qt::white);
    p.drawText(title, Qt::AlignCenter, QStringLiteral("Pistaro"));

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(qMax(6, int(h * 0.07)));
    p.setFont(small);
    p.setPen(QColor(0xC0, 0xC0, 0xC0));
    p.drawText(QRectF(0, h * 0.80, w, h * 0.12), Qt::AlignCenter,
               QCoreApplication::translate("artwork", "circuits and lap times"));
    return pm;
}

QPixmap circuitPixmap(const QSize& size) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    paintGround(p, QRectF(QPointF(0, 0), QSizeF(size)));

    // A closed outline of straights, a hairpin and a chicane, in relative coordinates.
    const QPointF pts[] = {{0.15, 0.75}, {0.70, 0.80}, {0.88, 0.65}, {0.80, 0.45},
                           {0.62, 0.50}, {0.55, 0.30}, {0.75, 0.18}, {0.40, 0.12},
                           {0.25, 0.30}, {0.30, 0.45}, {0.12, 0.55}};
    QPainterPath path;
    const int n = int(std::size(pts));
    auto at = [&](int i) { return QPointF(pts[i % n].x() * w, pts[i % n].y() * h); };
    path.moveTo((at(0) + at(1)) / 2);
    for (int i = 1; i <= n; ++i)
        path.quadTo(at(i), (at(i) + at(i + 1)) / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(
        QPen(QColor(90, 90, 100), qMax(3.0, h * 0.07), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), qMax(1.0, h * 0.012)));
    p.drawPath(path);

    // Start line across the main straight.
    const QPointF s = (at(0) + at(1)) / 2;
    paintFlag(p, QRectF(s.x() - h * 0.02, s.y() - h * 0.05, h * 0.04, h * 0.10), 2, 5, 0);
    return pm;
}

QPixmap flagPixmap(const QSize& size) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    paintGround(p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.setPen(QPen(QColor(150, 110, 60), qMax(2.0, w * 0.03), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.15, h * 0.10), QPointF(w * 0.15, h * 0.92));
    paintFlag(p, QRectF(w * 0.16, h * 0.12, w * 0.72, h * 0.45), 8, 5, h * 0.04);
    return pm;
}

QPixmap stopwatchPixmap(const QSize& size) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    paintGround(p, QRectF(QPointF(0, 0), QSizeF(size)));

    const qreal r = qMin(w, h) * 0.34;
    const QPointF c(w / 2, h * 0.55);
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(c.x() - r * 0.15, c.y() - r * 1.35, r * 0.30, r * 0.30));
    p.setBrush(QColor(235, 235, 235));
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), qMax(2.0, r * 0.12)));
    p.drawEllipse(c, r, r);

    p.setPen(QPen(QColor(40, 40, 40), qMax(1.0, r * 0.04)));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(c + QPointF(qSin(a), -qCos(a)) * r * 0.78,
                   c + QPointF(qSin(a), -qCos(a)) * r * 0.90);
    }
    p.setPen(QPen(QColor(200, 20, 20), qMax(1.5, r * 0.06), Qt::SolidLine, Qt::RoundCap));
    const qreal a = M_PI * 0.35;
    p.drawLine(c, c + QPointF(qSin(a), -qCos(a)) * r * 0.75);
    return pm;
}

} // namespace pistaro
