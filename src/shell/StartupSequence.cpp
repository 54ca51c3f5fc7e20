#include "shell/StartupSequence.h"

#include "forms/Forms.h"
#include "data/Journal.h"
#include "data/MasterChecks.h"
#include "data/ScheduleChecks.h"
#include "data/Unitdata.h"
#include "platform/Dialogs.h"
#include "platform/Pace.h"
#include "platform/Timer.h"
#include "shell/FileFailure.h"

#include <QWidget>

namespace {
const QString kMakerCaption = QStringLiteral("Karvela Software Development");
const QString kCheckHit = QStringLiteral("▽ ZEL USE DATA SECURITY CHECK HIT !");

QString japaneseDateTime(const QDateTime& t)
{
    return QStringLiteral("%1年%2月%3日 %4")
        .arg(t.date().year())
        .arg(t.date().month())
        .arg(t.date().day())
        .arg(t.time().toString(QStringLiteral("HH:mm")));
}
} // namespace

StartupSequence::StartupSequence(
    Forms& forms, std::function<QDate()> startupDate, QWidget* window, QString startDirectory)
    : QObject(window)
    , forms_(forms)
    , startupDate_(std::move(startupDate))
    , window_(window)
    , startDir_(std::move(startDirectory))
{
    Timer1 = new Timer(this, 1000, [this] { Timer1Timer(); });
    Timer2 = new Timer(this, 1000, [this] { Timer2Timer(); });
    Timer3 = new Timer(this, 1000, [this] { Timer3Timer(); });
}

StartupSequence::~StartupSequence() = default;

void StartupSequence::start()
{
    Timer1->start();
}

void StartupSequence::stop()
{
    for (Timer* t : { Timer1, Timer2, Timer3 })
        t->stop();
}

void StartupSequence::caption(const QString& text)
{
    Q_EMIT captionChanged(text);
}

void StartupSequence::progressCaption(int dots)
{
    caption(QStringLiteral("▽ ZEL SECURITY CHECK RUNNING") + QString(dots, QChar(u'．')));
}

void StartupSequence::finish(Outcome outcome)
{
    ended_ = true;
    Q_EMIT ended(outcome);
}

// Step 1: the employee master file and its checks.
void StartupSequence::Timer1Timer()
{
    Timer1->stop();
    if (started_)
        return;
    started_ = true;

    caption(kMakerCaption);
    pace::pause(300);
    caption(QStringLiteral("Karvela Software Development ⇒ Rotan"));
    QStringList ownFiles;
    for (const PersistedFile& file : forms_.FormData->persistedFiles())
        ownFiles << file.name;
    removeStaleTemporaries(startDir_, ownFiles);
    offerRecovery();
    if (auto error = ensureFile(startDir_, TFormData::kMasterFile))
        fileFailure(*error);
    pace::pause(200);
    caption(QStringLiteral("Karvela Software Development ⇒ Rotan Products"));
    bool capacityExceeded = false;
    if (auto error = forms_.FormData->loadMaster(startDir_, capacityExceeded))
        fileFailure(*error);

    pace::pause(300);
    caption(QStringLiteral("Karvela Software Development ⇒ Rotan Products Loading"));
    pace::pause(400);
    caption(QStringLiteral("ZEL Rotan Series"));
    pace::pause(400);
    caption(QStringLiteral("ZEL Rotan Series ⇒ Pending"));
    pace::pause(400);
    caption(QStringLiteral("ZEL Rotan Series ⇒ Pending ⇒ Init"));

    setupNeeded_ = false;
    const Table& master = forms_.FormData->StringGrid1;
    if (master.isEmpty()) {
        setupNeeded_ = true;
        Q_EMIT statusAppended({ QString(), QStringLiteral("▼ 初期設定メニューから＜従業員マスタ＞登録必須．"),
            QString(), QStringLiteral("▽ 従業員未登録"), QString(), QStringLiteral("- ZEL ROTAN -") });
        caption(kCheckHit);
        Q_EMIT masterEmpty();
        Timer2->start();
        return;
    }

    pace::pause(200);
    caption(QStringLiteral("ZEL Rotan Series ⇒ Pending ⇒ Init ⇒ Run"));
    pace::pause(400);
    caption(QStringLiteral("▽ ZEL USE DATA SECURITY CHECK RUNNING ⇒"));
    pace::pause(200);
    caption(QStringLiteral("▽ ZEL USE DATA SECURITY CHECK RUNNING ⇒ ⇒"));
    pace::pause(200);
    caption(QStringLiteral("▽ ZEL USE DATA SECURITY CHECK RUNNING ⇒ ⇒ ⇒"));
    pace::pause(200);
    progressCaption(1);

    // The three check stages with their progress captions; the first failure ends the step.
    const auto failed = [this](const QStringList& lines) {
        if (lines.isEmpty())
            return false;
        Q_EMIT statusAppended(lines);
        masterDataError_ = true;
        Timer2->start();
        Q_EMIT dataErrorFound(true);
        return true;
    };
    pace::pause(200);
    progressCaption(2);
    if (failed(masterchecks::completeness(master)))
        return;
    pace::pause(200);
    progressCaption(3);
    if (failed(masterchecks::numbers(master)))
        return;
    pace::pause(200);
    progressCaption(4);
    pace::pause(200);
    progressCaption(5);
    if (failed(masterchecks::namesAndAttributes(master)))
        return;

    pace::pause(200);
    progressCaption(6);
    if (capacityExceeded) {
        caption(QStringLiteral("ZEL Rotan QX-Series  【警告】 使用データ不正・改変検出．対無効化処置実行済！"));
        dialogs::message(dialogs::Kind::Plain,
            QStringLiteral("▼ ３０人分のデータのみキャプチャしました．\r\n\r\n▽ "
                           "データ・フォーマットに改変等がある場合，正常に処理出来ない場合有り．\r\n\r\n▽ "
                           "当社及び開発者は，ユーザ構築データに関しては，一切責任等負いません．\r\n"),
            dialogs::Buttons::Ok, window_);
    } else {
        progressCaption(8);
    }
    Timer2->start();
}

// Recovery files newer than their data files: the last run ended without closing. The user
// chooses between what was entered since the last close and the data files as they were then;
// nothing is deleted without their word.
void StartupSequence::offerRecovery()
{
    TFormData& data = *forms_.FormData;
    const RecoveryScan scan = scanRecoveryFiles(startDir_, data.persistedFiles());
    if (!scan.unreadable.isEmpty()) {
        QStringList names;
        for (const PersistedFile& file : scan.unreadable) {
            data.leaveRecoveryFileAlone(file.name);
            names << recoveryFileName(file.name);
        }
        dialogs::message(dialogs::Kind::Warning,
            QStringLiteral("▼ 前回終了後の入力内容の控え（復旧用ファイル）を読み込めませんでした．\r\n\r\n"
                           "□ %1\r\n\r\n"
                           "□ このファイルはそのまま残し，前回終了時のデータで起動します．\r\n\r\n"
                           "□ 今回は，このデータの控えを作成しません．終了時の保存はいつもどおり行われます．\r\n")
                .arg(names.join(QStringLiteral("，"))),
            dialogs::Buttons::Ok, window_);
    }
    if (scan.newer.isEmpty())
        return;

    QStringList contents;
    for (const Recovery& recovery : scan.newer)
        contents << TFormData::recoveryContent(recovery);
    const QString when = scan.lastClose.isValid() ? japaneseDateTime(scan.lastClose) : QStringLiteral("記録なし");
    const QString question = QStringLiteral(
        "▼ 前回はプログラムが正常に終了しなかったため，保存されていない入力内容があります．\r\n\r\n"
        "□ 前回の正常終了：%1\r\n\r\n"
        "□ 内容：%2\r\n\r\n"
        "□ それ以降の入力内容を復元しますか？\r\n\r\n"
        "□「はい」の場合，復元します．それまでのデータファイルはバックアップ（.bak）として残ります．\r\n\r\n"
        "□「いいえ」の場合，前回終了時のデータで起動します．入力内容は日付付きの別名ファイルとして残ります．\r\n");
    const bool restore = dialogs::message(dialogs::Kind::Warning,
                             question.arg(when, contents.join(QStringLiteral("，"))), dialogs::Buttons::YesNo, window_)
        == dialogs::Answer::Yes;
    // A recovery file that cannot be restored or set aside (a folder that takes no file, a full
    // disk) stays as it is for the next start, and this run starts with its data file.
    QStringList failures;
    for (const Recovery& recovery : scan.newer) {
        if (auto error = restore ? restoreRecovery(startDir_, recovery) : setRecoveryAside(startDir_, recovery)) {
            data.leaveRecoveryFileAlone(recovery.file.name);
            failures << QStringLiteral("%1（%2）").arg(recoveryFileName(recovery.file.name), error->systemError);
        }
    }
    if (!failures.isEmpty())
        dialogs::message(dialogs::Kind::Warning,
            QStringLiteral("▼ 復旧用ファイルを処理できませんでした．\r\n\r\n"
                           "□ %1\r\n\r\n"
                           "□ "
                           "このファイルはそのまま残し，前回終了時のデータで起動します．次回の起動時に，もう一度お尋ね"
                           "します．\r\n\r\n"
                           "□ 今回は，このデータの控えを作成しません．終了時の保存はいつもどおり行われます．\r\n")
                .arg(failures.join(QStringLiteral("\r\n□ "))),
            dialogs::Buttons::Ok, window_);
}

// Step 2: the schedule file and the checks of its form.
void StartupSequence::Timer2Timer()
{
    Timer2->stop();
    pace::pause(200);
    progressCaption(7);
    if (auto error = forms_.FormData->loadSchedule(startDir_))
        fileFailure(*error);
    pace::pause(200);
    progressCaption(8);

    const Table& schedule = forms_.FormData->StringGrid2;
    if (schedule.isEmpty()) {
        setupNeeded_ = true;
        Q_EMIT statusAppended({ QString(), QStringLiteral("▼ 初期設定メニューから＜勤務期間設定＞実行必須．"),
            QString(), QStringLiteral("▽ 勤務期間初期設定未実行"), QString(), QStringLiteral("- ZEL ROTAN -") });
    }
    if (setupNeeded_)
        caption(kCheckHit);
    else
        progressCaption(9);
    pace::pause(200);
    if (setupNeeded_) {
        Timer3->stop();
        finish(Outcome::SetupNeeded);
        return;
    }

    progressCaption(10);
    pace::pause(200);
    for (const QStringList& lines : { schedulechecks::completeness(schedule), schedulechecks::numbers(schedule) }) {
        if (!lines.isEmpty()) {
            Q_EMIT statusAppended(lines);
            Q_EMIT dataErrorFound(false);
            finish(Outcome::DataError);
            return;
        }
    }
    progressCaption(11);
    pace::pause(200);
    Timer3->start();
}

// Step 3: the period against the start-up date.
void StartupSequence::Timer3Timer()
{
    Timer3->stop();
    progressCaption(12);
    pace::pause(200);

    using schedulechecks::PeriodGroup;
    const Table& schedule = forms_.FormData->StringGrid2;
    const int year = startupDate_().year();
    bool anyFailed = false;
    int dots = 13;
    for (PeriodGroup group : { PeriodGroup::Header, PeriodGroup::Days, PeriodGroup::Weekdays, PeriodGroup::Filler }) {
        for (const QString& failure : schedulechecks::periodFailures(schedule, year, group)) {
            Q_EMIT statusAppended(schedulechecks::periodReport(failure));
            anyFailed = true;
        }
        progressCaption(dots++);
        pace::pause(200);
    }
    for (; dots <= 18; ++dots) {
        progressCaption(dots);
        pace::pause(200);
    }

    if (anyFailed) {
        caption(kCheckHit);
        Q_EMIT dataErrorFound(false);
    }
    if (anyFailed || masterDataError_) {
        finish(Outcome::DataError);
        return;
    }
    loadExtensions();
    finish(Outcome::Normal);
}

// The files beside the data files, read only over data that passed every check, before the
// windows compute anything from them. A problem is told and the run goes on: without the lines
// left out, or without the file's content when it cannot be read (it is then left alone).
void StartupSequence::loadExtensions()
{
    for (const TFormData::FileLoad& load : forms_.FormData->loadExtensions(startDir_))
        if (!load.message.isEmpty())
            dialogs::message(dialogs::Kind::Warning, load.message, dialogs::Buttons::Ok, window_);
}
