#include "app/Unittitle.h"
#include "ui_Unittitle.h"

#include "forms/WindowScaling.h"
#include "platform/JpegDecoder.h"
#include "platform/Timer.h"

#include <QPixmap>
#include <QShowEvent>
#include <algorithm>

TFormTitle::TFormTitle(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormTitle>())
{
    ui->setupUi(this);
    setFixedSize(648, 239);
    attachFormetry(this);
    // Without its picture the backdrop keeps the plain colour of its style sheet.
    const QImage backdrop = loadJpeg(QStringLiteral(":/pictures/title.jpg"));
    if (!backdrop.isNull())
        ui->Image1->setPixmap(QPixmap::fromImage(backdrop));
    for (QLabel* label : { ui->LabelName, ui->LabelVersion, ui->LabelSubject, ui->LabelCopyright })
        credits_.push_back({ label, label->pos() });
    Timer1 = new Timer(this, 25, [this] { Timer1Timer(); });
    connect(ui->BtnClose, &QPushButton::clicked, this, &QWidget::close);
}

TFormTitle::~TFormTitle() = default;

void TFormTitle::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    for (const Credit& credit : credits_)
        credit.label->move(width(), credit.home.y());
    moving_ = 0;
    Timer1->start();
}

void TFormTitle::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    Timer1->stop();
}

// Moves the current line a fifth of its remaining way (easing out); once it rests, the
// next line starts, and after the last one the timer stops.
void TFormTitle::Timer1Timer()
{
    const Credit& credit = credits_[moving_];
    const int remaining = credit.label->x() - credit.home.x();
    credit.label->move(credit.label->x() - std::max(1, remaining / 5), credit.home.y());
    if (credit.label->x() > credit.home.x())
        return;
    if (++moving_ == credits_.size())
        Timer1->stop();
}
