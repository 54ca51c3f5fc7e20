#include "period/Unitterm.h"
#include "ui_Unitterm.h"

#include "data/Unitdata.h"
#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "history/History.h"
#include "period/PeriodRegistration.h"
#include "period/PeriodRule.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Pace.h"
#include "platform/Timer.h"

#include <QCloseEvent>
#include <QRandomGenerator>

TFormTerm::TFormTerm(Forms& forms)
    : ui(std::make_unique<Ui::TFormTerm>())
    , forms_(forms)
    , startupDate_(clock_::today())
{
    ui->setupUi(this);
    attachFormetry(this);
    ui->Memo1->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    Timer1 = new Timer(this, 1000, [this] { Timer1Timer(); });

    connect(ui->SpeedBtn, &QPushButton::clicked, this, [this] { dialogs::guard([this] { SpeedBtnClick(); }); });
    connect(ui->NtermSave, &QAction::triggered, this, [this] { dialogs::guard([this] { SpeedBtnClick(); }); });
    connect(ui->N3, &QAction::triggered, this, &QWidget::close);
    connect(ui->N2, &QAction::triggered, this, &TFormTerm::N2Click);
}

TFormTerm::~TFormTerm() = default;

void TFormTerm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    ui->Memo1->clearLines();
    for (const QString& line : { QString(),
             QStringLiteral("【本日】 %1年 %2月 %3日")
                 .arg(startupDate_.year())
                 .arg(startupDate_.month())
                 .arg(startupDate_.day()),
             QString(), QStringLiteral("◆ 本日以降，最長４０日間の勤務スケジュール表を作成します．"), QString() })
        ui->Memo1->appendLine(line);
    ui->PanelToday->setText(
        QStringLiteral("%1年 %2月 %3日").arg(startupDate_.year()).arg(startupDate_.month()).arg(startupDate_.day()));
    Timer1->start();
}

void TFormTerm::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return;
    ui->Memo1->clearLines();
    ui->PanelToday->clear();
    Timer1->stop();
}

void TFormTerm::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    hide();
    Q_EMIT closed();
}

void TFormTerm::setExecuteEnabled(bool on)
{
    ui->SpeedBtn->setEnabled(on);
    ui->NtermSave->setEnabled(on);
}

void TFormTerm::Timer1Timer()
{
    Timer1->stop();
    periodDayCount_ = 0;
    ui->Memo1->appendLine(QString());
    ui->Memo1->appendLine(QString());
    ui->Memo1->appendLine(QStringLiteral("☆ 勤務開始： %1/%2/%3")
                              .arg(startupDate_.year())
                              .arg(startupDate_.month())
                              .arg(startupDate_.day()));
    const PeriodEnd end = periodEndFor(startupDate_);
    if (end.consistent)
        ui->Memo1->appendLine(QStringLiteral("★ 勤務終了： %1/%2/%3").arg(end.year).arg(end.month).arg(end.day));
    else
        ui->Memo1->appendLine(QStringLiteral("▽ エラー検出，開発元にご連絡ください．") + end.displayCode);
    periodDayCount_ = end.dayCount;
    for (const QString& line : { QString(), QStringLiteral("- %1日間 -").arg(periodDayCount_), QString(), QString(),
             QStringLiteral("※ 勤務開始日が，本日からと固定ですが，ご都合の日に合わせ何度でも実行可能です．"),
             QString() })
        ui->Memo1->appendLine(line);
    setExecuteEnabled(true);
}

void TFormTerm::SpeedBtnClick()
{
    if (const int left = changesLeftOut(*forms_.FormData, startupDate_); left > 0) {
        // clang-format off
        const QString question = QStringLiteral("▼ 勤務変更 %1 件が，新しい勤務期間の外になります．\r\n\r\n▽ その勤務変更は削除されず，勤務変更画面に「勤務期間外の日付」として表示されます．\r\n\r\n□ この勤務期間を登録しますか？").arg(left);
        // clang-format on
        if (dialogs::message(dialogs::Kind::Warning, question, dialogs::Buttons::YesNo, this) != dialogs::Answer::Yes)
            return;
    }
    TFormData& data = *forms_.FormData;
    const history::Keeping keeping = history::keepingOn(data, startupDate_);
    const bool keeps = data.isLoaded(TFormData::kHistoryFile);
    if (!keeps && !keeping.leaving.isEmpty()) {
        // clang-format off
        const QString question = QStringLiteral("▼ 過去の勤務のファイル zelrotandata8.zel を読み込めなかったため，新しい勤務期間の前になる日の勤務は保存されません．\r\n\r\n□ この勤務期間を登録しますか？");
        // clang-format on
        if (dialogs::message(dialogs::Kind::Warning, question, dialogs::Buttons::YesNo, this) != dialogs::Answer::Yes)
            return;
    }
    ui->ProgressBar1->show();
    ui->ProgressBar1->setValue(5);
    const RegistrationOutcome outcome
        = registerPeriod(forms_.FormData->StringGrid2, startupDate_, QRandomGenerator::system()->generate());
    if (outcome.ok && keeps) {
        data.keptSchedule.keep(keeping.leaving);
        if (!keeping.oldMonths.isEmpty()
            && dialogs::message(
                   dialogs::Kind::Warning, history::dropQuestion(keeping.oldMonths), dialogs::Buttons::YesNo, this)
                == dialogs::Answer::Yes)
            data.keptSchedule.dropBefore(history::keptFrom(startupDate_));
    }
    Q_EMIT tableChanged();
    if (!outcome.ok) {
        for (const QString& line : outcome.lines)
            ui->Memo1->appendLine(line);
        ui->ProgressBar1->setValue(0);
        ui->ProgressBar1->hide();
        return;
    }
    ui->Memo1->clearLines();
    for (const QString& line : outcome.lines)
        ui->Memo1->appendLine(line);
    for (int step : { 70, 80, 90, 100 }) {
        ui->ProgressBar1->setValue(step);
        pace::pause(300);
    }
    ui->ProgressBar1->setValue(0);
    ui->ProgressBar1->hide();
    setExecuteEnabled(false);
    Q_EMIT periodRegistered();
}

void TFormTerm::N2Click()
{
    dialogs::message(dialogs::Kind::Custom,
        QStringLiteral(
            "【勤務期間決定】\r\n\r\n■ 本日より，最大４０日間の勤務スケジュール期間を設定（登録）します．\r\n\r\n■ "
            "情報表示領域の内容において，決定登録ボタンにより，勤務期間が設定登録されます．\r\n\r\n■ "
            "勤務期間そのものの長さ（期間）の，ユーザによる任意設定登録はできません．\r\n\r\n■ 勤務期間長は，ZEL "
            "Rotanの仕様に依ります．．"),
        dialogs::Buttons::Ok, this);
}
