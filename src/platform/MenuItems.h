#pragma once

#include <QAction>
#include <QMenu>
#include <QString>

// A command of a popup menu, named as the layouts name their items, disabled until the view
// it acts on is complete.
inline QAction* addDisabledItem(QMenu* menu, const char* name, const QString& text)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    a->setEnabled(false);
    return a;
}
