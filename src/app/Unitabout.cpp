#include "app/Unitabout.h"
#include "ui_Unitabout.h"

#include "forms/WindowScaling.h"
#include "platform/JpegDecoder.h"
#include "platform/Pace.h"

#include <QPixmap>
#include <QScreen>
#include <QTimer>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint)
    , ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    setFixedSize(448, 304);
    attachFormetry(this);
    const QImage picture = loadJpeg(QStringLiteral(":/pictures/about.jpg"));
    if (picture.isNull())
        ui->Image1->setText(QStringLiteral("ZEL Rotan QX-30")); // the name alone still tells what starts
    else
        ui->Image1->setPixmap(QPixmap::fromImage(picture));
    move(screen()->availableGeometry().center() - rect().center());
    QTimer::singleShot(pace::scaled(3000), this, &QDialog::accept);
    exec();
}

TAboutBox::~TAboutBox() = default;
