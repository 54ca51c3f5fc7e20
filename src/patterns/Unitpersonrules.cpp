#include "patterns/Unitpersonrules.h"

#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using labour::PersonField;

// Each field's tool tip: what it means, where the rule comes from, an example.
QString fieldToolTip(PersonField field)
{
    switch (field) {
    case PersonField::BirthDate:
        return QStringLiteral(
            "労働基準法60条・61条：18歳未満（年少者）には時間外労働と22時～5時の深夜業をさせられません．"
            "18歳の誕生日から外れます．例：2009/4/1");
    case PersonField::Student:
        return QStringLiteral("出入国管理及び難民認定法施行規則19条5項：留学生の資格外活動は1週28時間以内"
                              "（学則で定める長期休業中は1日8時間以内）");
    case PersonField::Vacations:
        return QStringLiteral(
            "学則で定める長期休業（夏休み・冬休み・春休み）．例：2027/2/10-2027/4/5（複数は「|」で区切ります）");
    case PersonField::Expectant:
        return QStringLiteral("労働基準法66条：妊産婦が請求したときは，時間外労働・深夜業をさせられません");
    case PersonField::Care:
        return QStringLiteral("育児・介護休業法17条～20条：子の養育や家族の介護をする人が請求したときの，時間外労働と"
                              "深夜業の制限");
    case PersonField::MonthlyDaysOff:
        return QStringLiteral(
            "暦月ごとに与える公休の日数（就業規則・労働契約による）．多くても少なくても指摘します．例：9");
    case PersonField::MinHours:
        return QStringLiteral("期間の勤務時間の下限（労働契約で約束した時間など）．時間で入力します．例：80");
    case PersonField::MaxHours:
        return QStringLiteral("期間の勤務時間の上限（労働契約や収入の上限による）．時間で入力します．例：120");
    case PersonField::MaxNights:
        return QStringLiteral("期間の夜勤（22時～5時を含む勤務）の回数の上限．例：4");
    case PersonField::MaxWeekends:
        return QStringLiteral("期間に土曜か日曜に勤務する週末の数の上限．例：2");
    case PersonField::MinRun:
        return QStringLiteral("勤務が始まったら続ける勤務日数の下限（明けを含みます）．例：2");
    case PersonField::MinDaysOff:
        return QStringLiteral("休みが始まったら続ける休みの日数の下限（明けは休みではありません）．例：2");
    }
    return {};
}

// The choices of a request: its text form and how the dialog shows it.
void addRequestChoices(QComboBox* box)
{
    box->addItem(QStringLiteral("（なし）"), QString());
    for (const QString& text :
        { QStringLiteral("深夜なし"), QStringLiteral("時間外なし"), QStringLiteral("深夜なし|時間外なし") })
        box->addItem(QString(text).replace(u'|', QStringLiteral("・")), text);
}

QString textOf(const QWidget* box)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(box))
        return edit->text().trimmed();
    if (const auto* check = qobject_cast<const QCheckBox*>(box))
        return check->isChecked() ? labour::fieldName(PersonField::Student) : QString();
    return qobject_cast<const QComboBox*>(box)->currentData().toString();
}

} // namespace

TDialogPersonRules::TDialogPersonRules(const patterns::StaffLine& line, QWidget* parent)
    : QDialog(parent)
    , line_(line)
{
    setWindowTitle(QStringLiteral("労務の条件：%1").arg(line.name));
    setAccessibleName(windowTitle());
    auto* form = new QFormLayout;
    for (int i = 0; i < labour::kPersonFieldCount; ++i) {
        const auto field = static_cast<PersonField>(i);
        const QString name = labour::fieldName(field);
        const QString text = labour::fieldText(line.rules, field);
        QWidget* box = nullptr;
        if (field == PersonField::Student) {
            auto* check = new QCheckBox(name);
            check->setChecked(!text.isEmpty());
            box = check;
        } else if (field == PersonField::Expectant || field == PersonField::Care) {
            auto* combo = new QComboBox;
            addRequestChoices(combo);
            combo->setCurrentIndex(std::max(0, combo->findData(text)));
            box = combo;
        } else {
            box = new QLineEdit(text);
        }
        box->setAccessibleName(name);
        box->setToolTip(fieldToolTip(field));
        box->setAccessibleDescription(box->toolTip());
        if (field == PersonField::Student)
            form->addRow(QString(), box);
        else
            form->addRow(name, box);
        fields_.append({ field, box });
    }
    shiftWork_ = new QComboBox;
    shiftWork_->addItems({ QStringLiteral("固定"), QStringLiteral("シフト制") });
    shiftWork_->setCurrentIndex(line.shiftWork ? 1 : 0);
    shiftWork_->setAccessibleName(QStringLiteral("勤務の形"));
    shiftWork_->setToolTip(
        QStringLiteral("固定：標準の週の勤務日だけに勤務を入れます．シフト制：どの日にも入れられます"));
    shiftWork_->setAccessibleDescription(shiftWork_->toolTip());
    form->addRow(QStringLiteral("勤務の形"), shiftWork_);
    uncounted_ = new QCheckBox(QStringLiteral("人数に数えない"));
    uncounted_->setChecked(line.uncounted);
    uncounted_->setAccessibleName(uncounted_->text());
    uncounted_->setToolTip(QStringLiteral("必要人数に数えません（現場に立たない管理者など）"));
    uncounted_->setAccessibleDescription(uncounted_->toolTip());
    form->addRow(QString(), uncounted_);
    // Each label names its field for the keyboard and assistive tools.
    for (const auto& [field, box] : fields_)
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(box)))
            label->setBuddy(box);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QWidget* TDialogPersonRules::field(const QString& name) const
{
    for (const auto& [field, box] : fields_)
        if (labour::fieldName(field) == name)
            return box;
    return name == shiftWork_->accessibleName() ? static_cast<QWidget*>(shiftWork_)
        : name == uncounted_->text()            ? uncounted_
                                                : nullptr;
}

void TDialogPersonRules::done(int result)
{
    if (result == QDialog::Accepted) {
        labour::PersonRules rules;
        for (const auto& [field, box] : fields_) {
            if (const QString why = labour::setField(rules, field, textOf(box)); !why.isEmpty()) {
                dialogs::message(dialogs::Kind::Warning, why + QStringLiteral("．"), dialogs::Buttons::Ok, this);
                box->setFocus();
                return;
            }
        }
        if (const QString why = labour::conflict(rules); !why.isEmpty()) {
            dialogs::message(dialogs::Kind::Warning, why + QStringLiteral("．"), dialogs::Buttons::Ok, this);
            return;
        }
        line_.rules = rules;
        line_.shiftWork = shiftWork_->currentIndex() == 1;
        line_.uncounted = uncounted_->isChecked();
    }
    QDialog::done(result);
}
