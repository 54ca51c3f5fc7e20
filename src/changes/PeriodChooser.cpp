#include "changes/PeriodChooser.h"

#include "changes/DayText.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>

using daychanges::PeriodChoice;

PeriodChooser::PeriodChooser(const TFormData& data, QMenu* menu, QComboBox* box, QLabel* label)
    : QObject(menu)
    , data_(data)
    , box_(box)
    , label_(label)
{
    auto* group = new QActionGroup(this);
    const auto item
        = [this, menu, group](const char* name, const QString& text, const QKeySequence& key, PeriodChoice choice) {
              QAction* a = menu->addAction(text);
              a->setObjectName(QLatin1String(name));
              a->setShortcut(key);
              a->setCheckable(true);
              group->addAction(a);
              connect(a, &QAction::triggered, this, [this, choice] { choose(choice); });
              return a;
          };
    registered_ = item(
        "NPeriodNow", QStringLiteral("今の期間"), QKeySequence(Qt::CTRL | Qt::Key_PageUp), PeriodChoice::Registered);
    next_ = item(
        "NPeriodNext", QStringLiteral("次の期間"), QKeySequence(Qt::CTRL | Qt::Key_PageDown), PeriodChoice::Next);
    box_->addItems({ QStringLiteral("今の期間"), QStringLiteral("次の期間") });
    box_->setAccessibleName(QStringLiteral("期間"));
    box_->setToolTip(QStringLiteral("今の期間（Ctrl+PgUp）と次の期間（Ctrl+PgDown）を切り替えます．"));
    connect(box_, &QComboBox::activated, this,
        [this](int index) { choose(index == 1 ? PeriodChoice::Next : PeriodChoice::Registered); });
    setChoice(PeriodChoice::Registered);
}

void PeriodChooser::setChoice(PeriodChoice choice)
{
    choice_ = choice;
    (choice == PeriodChoice::Next ? next_ : registered_)->setChecked(true);
    const QSignalBlocker blocker(box_);
    box_->setCurrentIndex(choice == PeriodChoice::Next ? 1 : 0);
    refresh();
}

void PeriodChooser::refresh()
{
    const QString dates = changes::periodLine(daychanges::EffectiveSchedule(data_, choice_).dates());
    box_->setAccessibleDescription(dates);
    if (label_) {
        label_->setText(dates);
        label_->setAccessibleName(dates);
    }
}

void PeriodChooser::choose(PeriodChoice choice)
{
    const bool changed = choice != choice_;
    setChoice(choice);
    if (changed)
        Q_EMIT chosen(choice);
}
