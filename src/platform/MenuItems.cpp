#include "platform/MenuItems.h"

#include <QAbstractScrollArea>
#include <QActionGroup>
#include <QKeySequence>

void attachPopupMenu(QAbstractScrollArea* target, QMenu* menu, std::function<void()> beforeOpen)
{
    // Mouse positions come in viewport coordinates, keyboard ones at the text cursor.
    const auto open = [target, menu, beforeOpen = std::move(beforeOpen)](QPoint pos) {
        if (beforeOpen)
            beforeOpen();
        menu->popup(target->viewport()->mapToGlobal(pos));
    };
    target->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(target, &QWidget::customContextMenuRequested, menu, open);
    // The menu key reaches the widget as a context menu request; Shift+F10 does not everywhere.
    auto* key = new QAction(target);
    key->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    key->setShortcutContext(Qt::WidgetShortcut);
    target->addAction(key);
    QObject::connect(key, &QAction::triggered, menu,
        [target, open] { open(target->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft()); });
}

QActionGroup* menuItemGroup(QMenu* menu)
{
    auto* group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    const std::function<void(QMenu*)> add = [&](QMenu* m) {
        for (QAction* item : m->actions()) {
            if (item->isSeparator())
                continue;
            group->addAction(item);
            if (item->menu())
                add(item->menu());
        }
    };
    add(menu);
    return group;
}
