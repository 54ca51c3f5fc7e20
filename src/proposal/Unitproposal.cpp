#include "proposal/Unitproposal.h"
#include "ui_Unitproposal.h"

#include "data/Unitdata.h"
#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "period/Unitterm.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "proposal/Model.h"
#include "proposal/ProposalData.h"
#include "solver/ProposalWorker.h"

namespace {

// clang-format off
const QString kNoneYet = QStringLiteral("▼ 今の勤務より良い勤務案は，まだ見つかっていません．");
const QString kNoBetter = QStringLiteral("▼ 今の勤務より良い勤務案はありませんでした．勤務を変える日はありません．");
const QString kNoDays = QStringLiteral("▼ 勤務案を作れる日がありません．\r\n\r\n▽ 勤務案は，明日以降で確定日より後の日のうち，勤務変更・希望休・出勤不可のない日について作ります．");
// clang-format on

constexpr int kTickMs = 200;

QString countsText(const proposal::Counts& counts)
{
    return QStringLiteral("指摘 %1 件，不足 %2 人時，超過 %3 人時，変更 %4 日")
        .arg(counts.findings)
        .arg(counts.shortHours)
        .arg(counts.overHours)
        .arg(counts.changedDays);
}

} // namespace

TFormProposal::TFormProposal(Forms& forms, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormProposal>())
    , forms_(forms)
{
    ui->setupUi(this);
    attachFormetry(this);
    setWindowModality(Qt::WindowModal); // the change window waits for the proposal
    worker_ = new ProposalWorker(this);
    TimerElapsed = new Timer(this, kTickMs, [this] { TimerElapsedTimer(); });
    connect(worker_, &ProposalWorker::progress, this, &TFormProposal::better);
    connect(worker_, &ProposalWorker::finished, this, &TFormProposal::finished);
    connect(ui->BtnCreate, &QPushButton::clicked, this, [this] { dialogs::guard([this] { BtnCreateClick(); }); });
    connect(ui->BtnStop, &QPushButton::clicked, this, &TFormProposal::BtnStopClick);
    connect(ui->BtnCancel, &QPushButton::clicked, this, &TFormProposal::reject);
}

TFormProposal::~TFormProposal() = default;

void TFormProposal::ask(const daychanges::DateChoice& choice)
{
    choice_ = choice;
    setSolving(false);
    ui->LabelStatus->setText(choice.isMonth()
            ? QStringLiteral("%1のうち，今の期間と次の期間の明日以降の日の勤務案を作ります．")
                  .arg(daychanges::choiceTitle(choice))
            : choice == daychanges::PeriodChoice::Next ? QStringLiteral("次の期間の勤務案を作ります．")
                                                       : QStringLiteral("今の期間の明日以降の勤務案を作ります．"));
    ui->BtnCreate->setDefault(true);
    show();
    ui->BtnCreate->setFocus();
}

void TFormProposal::setSolving(bool on)
{
    ui->GroupAim->setEnabled(!on);
    ui->SpinSeconds->setEnabled(!on);
    ui->BtnCreate->setEnabled(!on);
    ui->BtnStop->setEnabled(on);
    if (on)
        ui->BtnStop->setFocus();
}

void TFormProposal::BtnCreateClick()
{
    const TFormData& data = *forms_.FormData;
    const proposal::Aim aim = ui->RadioLowerCost->isChecked() ? proposal::Aim::LowerCost : proposal::Aim::FewerChanges;
    instance_ = proposal::instanceOf(data, choice_, forms_.FormTerm->startupDate(), aim);
    proposal::Model model = proposal::buildModel(instance_);
    if (model.freeDays.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoDays, dialogs::Buttons::Ok, this);
        return;
    }
    ui->SpinSeconds->interpretText();
    stopped_ = false;
    dropped_ = false;
    best_.clear();
    setSolving(true);
    clock_.start();
    worker_->start(std::move(model), ui->SpinSeconds->value());
    TimerElapsed->start();
    showStatus();
}

void TFormProposal::BtnStopClick()
{
    stopped_ = true;
    ui->BtnStop->setEnabled(false);
    worker_->cancel();
}

void TFormProposal::reject()
{
    if (worker_->isRunning()) {
        dropped_ = true;
        worker_->cancel();
    }
    TimerElapsed->stop();
    QDialog::reject();
}

void TFormProposal::TimerElapsedTimer()
{
    showStatus();
}

void TFormProposal::showStatus()
{
    const QString text = QStringLiteral("作成中… 経過 %1 秒").arg(clock_.elapsed() / 1000.0, 0, 'f', 1)
        + (best_.isEmpty() ? QString() : QStringLiteral("\n最良の案：") + best_);
    ui->LabelStatus->setText(text);
    ui->LabelStatus->setAccessibleDescription(text);
}

void TFormProposal::better(qint64, const proposal::Proposal& best)
{
    best_ = countsText(best.counts);
    showStatus();
}

void TFormProposal::finished(const solver::Outcome& outcome)
{
    TimerElapsed->stop();
    setSolving(false);
    if (dropped_)
        return;
    dialogs::guard([this, &outcome] { offer(outcome); });
}

// The best proposal, checked and counted by the program's own rules, to the change window.
void TFormProposal::offer(const solver::Outcome& outcome)
{
    const TFormData& data = *forms_.FormData;
    if (stopped_ && outcome.proposals <= 1) {
        dialogs::message(dialogs::Kind::Information, kNoneYet, dialogs::Buttons::Ok, this);
        return;
    }
    const QList<DayChange> changes = proposal::changesOf(data, choice_, instance_, outcome.best.options);
    if (changes.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoBetter, dialogs::Buttons::Ok, this);
        return;
    }
    if (const QString fault = proposal::faultOf(data, choice_, forms_.FormTerm->startupDate(), changes);
        !fault.isEmpty()) {
        dialogs::message(dialogs::Kind::Error,
            QStringLiteral("▼ 勤務案を確かめたところ，変えてはならない日が含まれていました（%1）．\r\n\r\n"
                           "▽ この勤務案は表示しません．開発元にご連絡ください．")
                .arg(fault),
            dialogs::Buttons::Ok, this);
        return;
    }
    TFormData after = data;
    for (const DayChange& c : changes)
        after.dayChanges.set(c.name, c.date, c.entry);
    const QString summary = proposal::summaryLine(proposal::figuresOf(data, choice_),
        proposal::figuresOf(after, choice_), static_cast<int>(changes.size()), solver::proofOf(outcome));
    accept();
    Q_EMIT proposed(changes, summary);
}
