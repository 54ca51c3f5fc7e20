#include "changes/ChangeCodes.h"

#include "changes/ChangeGridView.h"
#include "changes/DayText.h"
#include "changes/ShiftCheck.h"
#include "data/Unitdata.h"
#include "master/MasterRecord.h"
#include "patterns/PatternMatch.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <utility>

namespace changes {

namespace {

// clang-format off
const QString kCodeRefused = QStringLiteral("▼ 次の従業員は，勤務パターン「%1」を勤務できないため，変更しませんでした：%2\r\n（勤務できる勤務パターンは，勤務パターン設定の「職員」で設定します．）");
const QString kCodeImpossible = QStringLiteral("▼ 勤務パターン「%1」は，%2勤務日として登録できません．勤務パターン設定で時刻と休憩を確かめてください．");
const QString kCodeReplaces = QStringLiteral("▼ 「%1」の翌日は「%2」です．次の日には，勤務変更が登録されています．\r\n%3\r\n「%2」に置き換えますか？\r\n（「いいえ」：翌日はそのままにして，「%1」だけを登録します．）");
const QString kCodeOverlaps = QStringLiteral("▼ この勤務は，次の勤務と重なります．\r\n%1\r\nこのまま登録しますか？");
// clang-format on

} // namespace

ChangeCodes::ChangeCodes(QWidget* window, QTableView* grid)
    : QObject(window)
    , window_(window)
    , grid_(grid)
    , legend_(new CodeLegend(grid->parentWidget()))
{
    legend_->setAccessibleName(QStringLiteral("勤務パターンの記号"));
    legend_->hide();
    connect(legend_, &CodeLegend::chosen, this, &ChangeCodes::chosen);
    grid->installEventFilter(this);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (actions_.isEmpty() || !enabled_)
            return;
        QMenu menu(window_);
        menu.addActions(actions_);
        menu.exec(grid_->viewport()->mapToGlobal(at));
    });
}

void ChangeCodes::show(const patterns::ShiftPatterns& patterns)
{
    if (patterns.patterns == shown_.patterns)
        return;
    shown_ = patterns;
    qDeleteAll(actions_);
    actions_.clear();
    const QList<LegendItem> items = legendOf(patterns);
    for (const LegendItem& item : items) {
        auto* action = new QAction(item.text + QStringLiteral("　") + item.description, window_);
        if (actions_.size() < 9)
            action->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + actions_.size())));
        action->setEnabled(enabled_);
        connect(action, &QAction::triggered, this, [this, pattern = item.pattern] { Q_EMIT chosen(pattern); });
        window_->addAction(action);
        actions_.append(action);
    }
    legend_->setItems(items);
    // The legend's buttons come after the grid in the order of the keyboard.
    QWidget* before = grid_;
    for (QWidget* button : legend_->buttons())
        QWidget::setTabOrder(std::exchange(before, button), button);
    legend_->setVisible(!items.isEmpty());
    place();
}

void ChangeCodes::setEnabled(bool on)
{
    enabled_ = on;
    for (QAction* action : actions_)
        action->setEnabled(on);
    legend_->setEnabled(on);
}

void ChangeCodes::placed()
{
    place_ = grid_->geometry();
    place();
}

void ChangeCodes::place()
{
    if (place_.isEmpty())
        return;
    if (legend_->isHidden()) {
        grid_->setGeometry(place_);
        return;
    }
    const int height = legend_->sizeHint().height();
    legend_->setGeometry(place_.left(), place_.bottom() + 1 - height, place_.width(), height);
    grid_->setGeometry(place_.adjusted(0, 0, 0, -height - 2));
}

bool ChangeCodes::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress && enabled_) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const bool plain = !(press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (const int pattern = patternOfKey(shown_, press->text()); plain && pattern >= 0) {
            Q_EMIT chosen(pattern);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::optional<QList<DaySet>> askSets(QWidget* parent, const TFormData& data, const daychanges::DateChoice& choice,
    int pattern, const QList<requests::Cell>& cells)
{
    const patterns::Pattern& p = data.shiftPatterns.patterns.at(pattern);
    const auto ask = [parent](const QString& text) {
        return dialogs::message(dialogs::Kind::Warning, text, dialogs::Buttons::YesNo, parent) == dialogs::Answer::Yes;
    };
    const ShiftCheck check = checkShift(patterns::entryOf(p));
    if (check.verdict == ShiftVerdict::Refused) {
        dialogs::message(
            dialogs::Kind::Warning, kCodeImpossible.arg(p.code, check.reason), dialogs::Buttons::Ok, parent);
        return std::nullopt;
    }
    if (check.verdict == ShiftVerdict::Doubtful
        && !ask(QStringLiteral("▼ %1\r\nこのまま登録しますか？").arg(check.reason)))
        return std::nullopt;

    const daychanges::EffectiveSchedule schedule(data, choice);
    const CodePlan plan = planCode(schedule, data.shiftPatterns, pattern, cells);
    if (!plan.refused.isEmpty())
        dialogs::message(dialogs::Kind::Information, kCodeRefused.arg(p.code, plan.refused.join(QStringLiteral("，"))),
            dialogs::Buttons::Ok, parent);
    QList<DaySet> sets = plan.days + plan.following;
    if (!plan.replacing.isEmpty()) {
        QStringList days;
        for (const DaySet& set : plan.replacing) {
            const int row = master::findEmployee(schedule.master(), set.name);
            days << set.name + QStringLiteral("　") + dateText(set.date) + QStringLiteral("：")
                    + entryText(*schedule.change(row, schedule.dayOf(set.date)));
        }
        if (ask(kCodeReplaces.arg(p.code, p.follow, days.join(QStringLiteral("\r\n")))))
            sets += plan.replacing;
    }
    QStringList overlaps;
    for (const SetOverlap& overlap : overlapsOf(data, choice, sets))
        overlaps << overlap.name + QStringLiteral("　") + dateText(overlap.date) + QStringLiteral("：前日の勤務と ")
                + durationText(overlap.minutes);
    if (!overlaps.isEmpty() && !ask(kCodeOverlaps.arg(overlaps.join(QStringLiteral("\r\n")))))
        return std::nullopt;
    if (sets.isEmpty())
        return std::nullopt;
    return sets;
}

} // namespace changes
