#include "platform/Gauge.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

Gauge::Gauge(QWidget* parent)
    : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
}

void Gauge::setShape(Shape shape)
{
    shape_ = shape;
    update();
}

void Gauge::setForeColor(const QColor& c)
{
    fore_ = c;
    update();
}

void Gauge::setBackColor(const QColor& c)
{
    back_ = c;
    update();
}

int Gauge::percent() const
{
    const int span = maximum() - minimum();
    if (span <= 0)
        return 0;
    return static_cast<int>(100LL * (value() - minimum()) / span);
}

void Gauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    QPainterPath whole;
    QPainterPath done;
    if (shape_ == Shape::Pie) {
        p.setRenderHint(QPainter::Antialiasing);
        const int side = std::min(r.width(), r.height());
        const QRectF disc(r.x() + (r.width() - side) / 2.0, r.y() + (r.height() - side) / 2.0, side, side);
        whole.addEllipse(disc);
        // Clockwise from twelve o'clock.
        done.moveTo(disc.center());
        done.arcTo(disc, 90, -360.0 * percent() / 100);
        done.closeSubpath();
    } else {
        QRect bar = r;
        if (orientation() == Qt::Horizontal)
            bar.setWidth(r.width() * percent() / 100);
        else
            bar.setTop(r.bottom() - r.height() * percent() / 100);
        whole.addRect(r);
        done.addRect(bar);
    }
    p.fillPath(whole, back_);
    p.fillPath(done, fore_);
    p.setPen(Qt::black);
    p.drawPath(whole);
    const QString text = QStringLiteral("%1%").arg(percent());
    // The text is drawn twice, the second time clipped to the done part, so it stays
    // readable over both parts of the gauge.
    p.setPen(fore_);
    p.drawText(r, Qt::AlignCenter, text);
    p.setClipPath(done);
    p.setPen(back_);
    p.drawText(r, Qt::AlignCenter, text);
}
