#include "master/Unitmaster2.h"
#include "ui_Unitmaster2.h"

#include "forms/WindowScaling.h"
#include "platform/Dialogs.h"

#include <QScreen>
#include <QShowEvent>

namespace {

// clang-format off
const QString kNoAttribute = QStringLiteral("▼ 勤務属性を選択してください．");
const QString kZeroBand = QStringLiteral("▼ 勤務開始時刻と勤務終了時刻に，不正な設定が成されています．．．\r\n\r\n▼ ゼロ値幅の勤務時間帯は，勤務日ではありません．");
const QString kZeroedForDaysOff = QStringLiteral("▼ 勤務日以外は，時間帯以下ゼロ値設定．");
const QString kApplied = QStringLiteral("■ 週間データを全て選択情報において設定されました．\r\n\r\n■ 各曜日の内容変更は，任意で設定してください．\r\n\r\n■ 氏名（必須），時間給（任意）の設定は忘れずに．．．");
// clang-format on

} // namespace

TFormMaster2::TFormMaster2()
    : ui(std::make_unique<Ui::TFormMaster2>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    setMinimumSize(417, 335);
    attachFormetry(this);
    boxes_ = { ui->ComBox, ui->ComboxSh, ui->ComboxSm, ui->ComboxEh, ui->ComboxEm, ui->ComRest };
    boxes_.fillEntries();
    for (QComboBox* box : boxes_.all())
        connect(box, &QComboBox::currentIndexChanged, this, &TFormMaster2::boxChange);
    ui->Button1->installEventFilter(this);
    connect(ui->Button1, &QPushButton::clicked, this, &TFormMaster2::Button1Click);
}

TFormMaster2::~TFormMaster2() = default;

void TFormMaster2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
    ui->ComBox->setFocus();
}

void TFormMaster2::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    boxes_.set(master::DayInput {});
}

bool TFormMaster2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Button1 && event->type() == QEvent::Enter)
        ui->Button1->setFocus(Qt::OtherFocusReason);
    return QDialog::eventFilter(watched, event);
}

// The day rule of the master window, applied to this window's boxes.
void TFormMaster2::boxChange()
{
    const master::DayInput current = boxes_.input();
    const master::DayInput ruled = master::withDayRule(current);
    if (ruled != current)
        boxes_.set(ruled);
}

void TFormMaster2::Button1Click()
{
    master::DayInput day = boxes_.input();
    if (day.attribute == master::kNoEntry) {
        dialogs::message(dialogs::Kind::Warning, kNoAttribute, dialogs::Buttons::Ok, this);
        ui->ComBox->setFocus();
        return;
    }
    if (master::isWorkingDay(day) && day.startHour == 0 && day.startMinute == 0 && day.endHour == 0
        && day.endMinute == 0) {
        dialogs::message(dialogs::Kind::Warning, kZeroBand, dialogs::Buttons::Ok, this);
        return;
    }
    if (!master::isWorkingDay(day)) {
        day = master::withDayRule(day);
        boxes_.set(day);
        dialogs::message(dialogs::Kind::Plain, kZeroedForDaysOff, dialogs::Buttons::Ok, this);
    }
    master::Week week;
    week.fill(day);
    Q_EMIT weekChosen(week);
    dialogs::message(dialogs::Kind::Plain, kApplied, dialogs::Buttons::Ok, this);
    close();
}
