#include "views/Unittime.h"
#include "ui_Unittime.h"

#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "period/Unitterm.h"
#include "platform/RichEdit.h"
#include "reports/QRListFormTime.h"
#include "reports/ViewOutput.h"
#include "targets/TargetLines.h"
#include "views/TimeView.h"

TFormTime::TFormTime(Forms& forms)
    : ViewWindow(forms,
        QStringLiteral("【時系列勤務情報】\r\n\r\n■ ２４時間勤務帯をテキスト・ベースでグラフ表示します．\r\n\r\n■ "
                       "当該表示内容は，印刷実行で整形され，プリント・アウトされます．\r\n\r\n■ "
                       "マウスの右クリックで，機能メニューが表示されます．\r\n\r\n■ "
                       "時間帯記号の判断等は，ZEL Rotanの仕様に依ります．利用者判断でご使用ください．"))
    , ui(std::make_unique<Ui::TFormTime>())
{
    ui->setupUi(this);
    QPalette palette = ui->RichEdit1->palette();
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Base, QColor(0, 0, 96));
    ui->RichEdit1->setPalette(palette);
    ui->CGauge1->setShape(Gauge::Shape::Pie);
    ui->CGauge1->setForeColor(QColor(0, 160, 0));
    attach({ ui->RichEdit1, ui->CGauge1, ui->Panel2, ui->ProgressBar1, ui->Panel1, ui->NAction, ui->NPrnSet,
        ui->NPrnOut, ui->N1, ui->N12 });
    attachFormetry(this);
}

TFormTime::~TFormTime() = default;

ViewWindow::Opening TFormTime::openingLines()
{
    forms_.FormData->StringGrid3.clear();
    return { timeview::openingLines(), false };
}

void TFormTime::computation()
{
    TFormData& data = *forms_.FormData;
    const int todayCode = todayWeekdayCode_;
    const timeview::PeriodCheck check
        = timeview::periodCheck(data.StringGrid2, forms_.FormTerm->startupDate(), todayCode);
    if (check.stopped) {
        ui->RichEdit1->clearLines();
        addLines(check.lines);
        return;
    }
    // The opening wrote nine lines, so the caution and the date line land at index 9.
    addLines(check.lines);
    const daychanges::EffectiveSchedule effective(data);
    const QDate today = forms_.FormTerm->startupDate();
    const int employees
        = timeview::compute(data, todayCode, effective.changesOn(today), timeview::dayBeforeEntries(effective, today));
    addLines({ timeview::timeAxis() });
    startRows(employees);
}

QString TFormTime::rowLine(int row) const
{
    return timeview::barLine(forms_.FormData->StringGrid3, row);
}

// After the footer note, today's hours against the staffing targets when today has one.
QStringList TFormTime::closingLines() const
{
    const TFormData& data = *forms_.FormData;
    return timeview::closingLines()
        + targets::chartLines(data.staffTargets, daychanges::EffectiveSchedule(data), forms_.FormTerm->startupDate());
}

void TFormTime::printReport()
{
    // The report reads the work table and line 10 of this text.
    if (!QRListFormTime) {
        QRListFormTime = std::make_unique<TQRListFormTime>(*forms_.FormData);
        reportCreated_ = true;
    }
    QRListFormTime->print(forms_.Output->printer(), c_.text->lines(), this);
}
