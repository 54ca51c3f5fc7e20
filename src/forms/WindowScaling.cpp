#include "forms/WindowScaling.h"

#include <Formetry.h>
#include <QHeaderView>
#include <QMainWindow>
#include <QTableView>
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

void onRescale(QWidget* window, std::function<void(double x, double y)> rescaled)
{
    rescaled(1, 1);
    window->findChild<TFormetry*>(QString(), Qt::FindDirectChildrenOnly)
        ->setOnExitResize([rescaled = std::move(rescaled)](TFormetry*, double x, double y) { rescaled(x, y); });
}

void scaleGridCells(QWidget* window, QTableView* grid, int columnWidth, int rowHeight)
{
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    onRescale(window, [grid, columnWidth, rowHeight](double x, double y) {
        const int width = std::max(1, qRound(columnWidth * x));
        grid->horizontalHeader()->setMinimumSectionSize(width);
        grid->horizontalHeader()->setDefaultSectionSize(width);
        grid->verticalHeader()->setMinimumSectionSize(1);
        grid->verticalHeader()->setDefaultSectionSize(std::max(1, qRound(rowHeight * y)));
    });
}
