#include "today/Unitinfo.h"
#include "ui_Unitinfo.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "period/Unitterm.h"
#include "platform/Clock.h"
#include "platform/Pace.h"
#include "platform/Timer.h"
#include "today/TodayLines.h"

#include <QShowEvent>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <cstdlib>

namespace {
const QColor kSilver(192, 192, 192);
const QColor kBlue(0, 0, 255);
} // namespace

TFormInfo::TFormInfo(Forms& forms, QWidget* mainWindow)
    : ui(std::make_unique<Ui::TFormInfo>())
    , forms_(forms)
    , mainWindow_(mainWindow)
{
    ui->setupUi(this);
    // A narrow margin, so that the date line with its weekday fits the panel's width.
    ui->RichEdit1->document()->setDocumentMargin(2);
    // The client keeps its design size (152 × 304); with the frame the panel is about 160 × 331.
    attachFormetry(this);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kSilver);
    palette.setColor(QPalette::Base, kSilver);
    setPalette(palette);
    setAutoFillBackground(true);
    setTextColour(kBlue);

    Timer1 = new Timer(this, 1000, [this] { Timer1Timer(); });
    Timer2 = new Timer(this, 100, [this] { Timer2Timer(); });
    connect(ui->Button1, &QPushButton::clicked, this, &TFormInfo::Button1Click);
}

TFormInfo::~TFormInfo() = default;

void TFormInfo::appendLine(const QString& line)
{
    ui->RichEdit1->appendLine(line);
}

QStringList TFormInfo::lines() const
{
    return ui->RichEdit1->lines();
}

void TFormInfo::withdrawDetails()
{
    Timer2->stop();
    ui->Button1->setEnabled(false);
    ui->Button1->hide();
}

void TFormInfo::setTextColour(const QColor& colour)
{
    QPalette palette = ui->RichEdit1->palette();
    if (palette.color(QPalette::Text) == colour)
        return; // kept every 100 ms: repaint only on a change
    palette.setColor(QPalette::Text, colour);
    ui->RichEdit1->setPalette(palette);
}

void TFormInfo::moveToMainCorner()
{
    const QRect main = mainWindow_->frameGeometry();
    move(main.right() + 1 - frameGeometry().width(), main.top());
}

void TFormInfo::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    moveToMainCorner();
    Timer1->start();
}

void TFormInfo::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return;
    Timer1->stop();
    Timer2->stop();
    ui->RichEdit1->clearLines();
}

void TFormInfo::Timer1Timer()
{
    Timer1->stop();
    ui->RichEdit1->clearLines();
    QTextBlockFormat indent;
    indent.setTextIndent(4);
    QTextCursor(ui->RichEdit1->document()).setBlockFormat(indent); // new lines take the first line's format

    // Today is the start-up date, so the weekday always matches the date line.
    const QDate today = forms_.FormTerm->startupDate();
    const int code = clock_::weekdayCode(today);
    Q_EMIT weekdayKnown(code);
    pace::pause(100);
    appendLine(today::dateLine(today));
    appendLine(QString());
    pace::pause(100);
    appendLine(today::workersHeading(code));
    appendLine(QString());

    employees_ = forms_.FormData->employeeCount();
    if (employees_ == 0)
        return;
    const QStringList workers = today::workerNames(forms_.FormData->StringGrid1, employees_, code,
        daychanges::EffectiveSchedule(*forms_.FormData).changesOn(today));
    for (const QString& name : workers) {
        appendLine(QStringLiteral("□ ") + name);
        pace::pause(300);
    }
    pace::pause(300);
    for (const QString& line : today::totalLines(workers.size()))
        appendLine(line);

    ui->Button1->show();
    ui->Button1->setEnabled(true);
    ui->Button1->setFocus();
    Timer2->start();
    Q_EMIT detailsOffered();
}

void TFormInfo::Timer2Timer()
{
    if (isMaximized()) {
        ui->Button1->hide();
        ui->Button1->setEnabled(false);
        setTextColour(Qt::white);
        return;
    }
    ui->Button1->show();
    ui->Button1->setEnabled(true);
    setTextColour(std::abs(y() - mainWindow_->y()) > 17 ? QColor(Qt::yellow) : kBlue);

    const today::Reminder reminder
        = today::periodReminder(forms_.FormData->StringGrid2, forms_.FormTerm->startupDate());
    switch (reminder.action) {
    case today::Reminder::Action::Keep:
        break;
    case today::Reminder::Action::Show:
        Q_EMIT reminderShown(reminder.text);
        break;
    case today::Reminder::Action::Hide:
        Q_EMIT reminderHidden(reminder.text);
        break;
    }
}

void TFormInfo::Button1Click()
{
    withdrawDetails();
    Q_EMIT detailsAsked();

    moveToMainCorner();
    setTextColour(kBlue);
    // Counted on the panel's own position, so a window manager that holds the window back
    // cannot keep the slide going.
    for (int left = x(); left - 10 >= mainWindow_->x();) {
        left -= 10;
        move(left, y());
        pace::pause(50);
    }
    Q_EMIT dutyPanelWanted();

    move(0, 0);
    setTextColour(Qt::white);
    Q_EMIT dutyListWanted(lines().value(0), employees_);
}
