#pragma once

#include <QColor>
#include <QProgressBar>

// A progress gauge that shows its progress as a percentage of its maximum, as a
// horizontal or vertical bar or as a pie, with the percentage written across it.
class Gauge : public QProgressBar {
    Q_OBJECT
public:
    enum class Shape { Bar, Pie };

    explicit Gauge(QWidget* parent = nullptr);

    void setShape(Shape shape);
    Shape shape() const { return shape_; }

    void setForeColor(const QColor& c);
    void setBackColor(const QColor& c);
    QColor backColor() const { return back_; }
    int percent() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fore_ { 0, 0, 160 };
    QColor back_ { Qt::white };
    Shape shape_ = Shape::Bar;
};
