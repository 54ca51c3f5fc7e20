#include "app/WindowScaling.h"

#include <Formetry.h>
#include <QMainWindow>
#include <QVariant>

namespace {

void sizeClientToDesign(QWidget* window)
{
    const QSize design(window->property("DesignFrmW").toInt(), window->property("DesignFrmH").toInt());
    auto* mainWindow = qobject_cast<QMainWindow*>(window);
    if (!mainWindow || !mainWindow->centralWidget()) {
        window->resize(design);
        return;
    }
    // The main window's layout adds its bars around a client of exactly the design size.
    QWidget* client = mainWindow->centralWidget();
    const QSize minimum = client->minimumSize();
    const QSize maximum = client->maximumSize();
    client->setFixedSize(design);
    mainWindow->resize(mainWindow->sizeHint());
    client->setMinimumSize(minimum);
    client->setMaximumSize(maximum);
}

} // namespace

void attachFormetry(QWidget* window)
{
    sizeClientToDesign(window);
    auto* formetry = new TFormetry(window);
    formetry->setObjectName(QStringLiteral("Formetry1"));
    formetry->loaded();
}
