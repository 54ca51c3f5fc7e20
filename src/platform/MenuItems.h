#pragma once

#include <QAction>
#include <QMenu>
#include <QString>
#include <functional>

class QAbstractScrollArea;
class QActionGroup;

// A command of a popup menu, named as the layouts name their items, disabled until the view
// it acts on is complete.
inline QAction* addDisabledItem(QMenu* menu, const char* name, const QString& text)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    a->setEnabled(false);
    return a;
}

// Makes menu the popup menu of target. It opens where the user right-clicks and, while target
// has the focus, from the keyboard (the menu key or Shift+F10) at the text cursor. It opens as a
// popup without blocking, so assistive tools see its items while it is open. beforeOpen runs
// first, so that the owner knows on which widget the menu was opened.
void attachPopupMenu(QAbstractScrollArea* target, QMenu* menu, std::function<void()> beforeOpen = {});

// The items of a top menu and of its submenus in one non-exclusive group, so that they can be
// disabled together and keep their own states.
QActionGroup* menuItemGroup(QMenu* menu);
