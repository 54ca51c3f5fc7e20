#include "platform/Gauge.h"

#include <QPainter>

Gauge::Gauge(QWidget* parent)
    : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
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
    p.fillRect(r, back_);
    QRect bar = r;
    if (orientation() == Qt::Horizontal)
        bar.setWidth(r.width() * percent() / 100);
    else
        bar.setTop(r.bottom() - r.height() * percent() / 100);
    p.fillRect(bar, fore_);
    p.setPen(Qt::black);
    p.drawRect(r);
    const QString text = QStringLiteral("%1%").arg(percent());
    // The text is drawn twice, clipped, so it stays readable over both parts of the bar.
    p.save();
    p.setClipRect(bar);
    p.setPen(back_);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
    p.setClipRegion(QRegion(r).subtracted(bar));
    p.setPen(fore_);
    p.drawText(r, Qt::AlignCenter, text);
}
