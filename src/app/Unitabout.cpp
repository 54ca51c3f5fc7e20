#include "app/Unitabout.h"

#include "platform/Pace.h"

#include <QTimer>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    setFixedSize(448, 304);
    QTimer::singleShot(pace::scaled(3000), this, &QDialog::accept);
    exec();
}
