#pragma once

#include <QColor>
#include <QProgressBar>

// A progress gauge that shows its progress as a percentage of its maximum, horizontal
// or vertical, with the percentage written across the bar.
class Gauge : public QProgressBar {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent = nullptr);

    void setForeColor(const QColor& c);
    void setBackColor(const QColor& c);
    int percent() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fore_ { 0, 0, 160 };
    QColor back_ { Qt::white };
};
