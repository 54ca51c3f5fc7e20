#include "views/Unitwklist.h"
#include "ui_Unitwklist.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "data/Unitdata.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "views/WeekdayList.h"

#include <QShowEvent>

TFormWkList::TFormWkList(Forms& forms)
    : ui(std::make_unique<Ui::TFormWkList>())
    , forms_(forms)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    ui->CGauge1->setMaximum(30);
    attachFormetry(this);
    Timer1 = new Timer(this, 1000, [this] { Timer1Timer(); });
    Timer2 = new Timer(this, 500, [this] { Timer2Timer(); });
}

TFormWkList::~TFormWkList() = default;

std::array<QListWidget*, 7> TFormWkList::lists() const
{
    return { ui->ListBox1, ui->ListBox2, ui->ListBox3, ui->ListBox4, ui->ListBox5, ui->ListBox6, ui->ListBox7 };
}

bool TFormWkList::isFilled() const
{
    return ui->Panel1->isHidden();
}

void TFormWkList::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    Timer1->start();
    const std::optional<QString> caption = weekdaylist::caption(todayWeekdayCode_);
    setWindowTitle(caption.value_or(QStringLiteral("ZEL ROTAN")));
    if (!caption)
        dialogs::message(dialogs::Kind::Error, weekdaylist::badCodeMessage(), dialogs::Buttons::Ok, this);
}

void TFormWkList::Timer1Timer()
{
    Timer1->stop();
    remaining_ = total_ = forms_.FormData->employeeCount();
    ui->CGauge1->setMaximum(total_);
    Timer2->start();
}

void TFormWkList::Timer2Timer()
{
    if (remaining_ > 0) {
        ui->CGauge1->setValue(total_ - remaining_ + 1);
        const auto all = lists();
        for (int day = 0; day < 7; ++day)
            all[day]->addItem(weekdaylist::entry(forms_.FormData->StringGrid1, currentRow_, day));
        ++currentRow_;
        if (--remaining_ == 0)
            ui->CGauge1->setValue(ui->CGauge1->maximum());
        return;
    }
    remaining_ = total_ = currentRow_ = 0;
    Timer2->stop();
    ui->Panel1->hide();
    ui->CGauge1->hide();
    ui->CGauge1->setValue(0);
    Q_EMIT filled();
}

void TFormWkList::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimising is not hiding
    Timer1->stop();
    Timer2->stop();
    remaining_ = total_ = currentRow_ = 0;
    for (QListWidget* list : lists())
        list->clear();
    ui->CGauge1->setValue(0);
    ui->CGauge1->setBackColor(QPalette().color(QPalette::Button));
    ui->CGauge1->show();
    ui->Panel1->setPalette(QPalette());
    ui->Panel1->show();
    Q_EMIT emptied();
}
