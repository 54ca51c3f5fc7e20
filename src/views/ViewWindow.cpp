#include "views/ViewWindow.h"

#include "forms/Forms.h"
#include "platform/Dialogs.h"
#include "platform/Gauge.h"
#include "platform/MenuItems.h"
#include "platform/RichEdit.h"
#include "platform/Timer.h"
#include "reports/ViewOutput.h"

#include <QCloseEvent>
#include <QMenu>
#include <QProgressBar>

namespace {
const QString kHint = QStringLiteral("右ｸﾘｯｸ・ﾒﾆｭｰ");
}

ViewWindow::ViewWindow(Forms& forms, QString usage)
    : forms_(forms)
    , usage_(std::move(usage))
{
    Timer1 = new Timer(this, 1000, [this] { Timer1Timer(); });
    Timer2 = new Timer(this, kRowIntervalMs, [this] { Timer2Timer(); });
}

ViewWindow::~ViewWindow() = default;

void ViewWindow::attach(const Controls& controls)
{
    c_ = controls;
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [this](const char* name, const QString& text) { return addDisabledItem(PopupMenu1, name, text); };
    NAllSelect = item("NAllSelect", QStringLiteral("全て選択"));
    NAllCopy = item("NAllCopy", QStringLiteral("コピー"));
    PopupMenu1->addSeparator();
    NSave = item("NSave", QStringLiteral("ファイル保存"));
    PopupMenu1->addActions(c_.exportItems);
    PopupMenu1->addSeparator();
    NPrintSet = item("NPrintSet", QStringLiteral("プリンタ設定"));
    NPrintOut = item("NPrintOut", QStringLiteral("印刷 - A4横 -"));

    RichEdit* text = c_.text;
    attachPopupMenu(text, PopupMenu1);
    connect(NAllSelect, &QAction::triggered, this, [text] {
        if (text->isVisible())
            text->selectAll();
    });
    connect(NAllCopy, &QAction::triggered, text, &RichEdit::copy);
    connect(NSave, &QAction::triggered, this, [this] { forms_.Output->saveText(this, *c_.text); });
    for (QAction* setup : { c_.printerSetup, NPrintSet })
        connect(setup, &QAction::triggered, this, [this] { forms_.Output->printerSetup(this); });
    for (QAction* print : { c_.print, NPrintOut })
        connect(print, &QAction::triggered, this, &ViewWindow::printClick);
    connect(c_.close, &QAction::triggered, this, &QWidget::close);
    connect(c_.usage, &QAction::triggered, this,
        [this] { dialogs::message(dialogs::Kind::Plain, usage_, dialogs::Buttons::Ok, this); });
}

QList<QAction*> ViewWindow::commandItems() const
{
    return QList<QAction*> { NAllSelect, NAllCopy, NSave, NPrintSet, NPrintOut, c_.printerSetup, c_.print }
    + c_.exportItems;
}

bool ViewWindow::isReady() const
{
    return NSave->isEnabled();
}

void ViewWindow::addLines(const QStringList& lines)
{
    for (const QString& line : lines)
        c_.text->appendLine(line);
}

// ---- Opening phase ----

void ViewWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        dialogs::guard([this] { FormShow(); });
}

void ViewWindow::FormShow()
{
    remainingRows_ = totalRows_ = currentRow_ = 0;
    c_.gauge->setMaximum(30);
    c_.progressPanel->show();
    c_.progress->setValue(c_.progress->value() + 10);
    c_.action->menuAction()->setEnabled(false);
    c_.text->clearLines();

    const Opening opening = openingLines();
    addLines(opening.lines);
    if (opening.stopped)
        return;
    for (int step : { 85, 90, 95, 100 })
        c_.progress->setValue(step);
    c_.progressPanel->hide();
    c_.progress->setValue(0);
    Timer1->start();
}

// ---- Computation and row phases ----

void ViewWindow::Timer1Timer()
{
    Timer1->stop();
    computation();
}

void ViewWindow::startRows(int employees)
{
    c_.gauge->setMaximum(employees);
    totalRows_ = remainingRows_ = employees;
    currentRow_ = 0;
    Timer2->start();
    c_.gauge->setValue(0);
    c_.gauge->show();
}

void ViewWindow::stopView()
{
    c_.progress->setValue(0);
    c_.progressPanel->hide();
    c_.focusPanel->setFocus();
    c_.action->menuAction()->setEnabled(false);
}

void ViewWindow::Timer2Timer()
{
    if (remainingRows_ > 0) {
        c_.gauge->setValue(totalRows_ - remainingRows_ + 1);
        c_.text->appendLine(rowLine(currentRow_));
        ++currentRow_;
        if (--remainingRows_ == 0)
            c_.gauge->setValue(c_.gauge->maximum());
        return;
    }
    currentRow_ = 0;
    Timer2->stop();
    addLines(closingLines());
    finish();
}

void ViewWindow::finish()
{
    c_.gauge->hide();
    c_.gauge->setValue(0);
    c_.focusPanel->setFocus();
    c_.action->menuAction()->setEnabled(true);
    for (QAction* item : commandItems())
        item->setEnabled(true);
    PopupMenu1->popup(pos());
    c_.text->setToolTip(kHint);
    Q_EMIT completed();
}

// ---- Commands ----

void ViewWindow::printClick()
{
    c_.print->setEnabled(false);
    NPrintOut->setEnabled(false);
    if (forms_.Output->checkPrinter(this))
        printReport();
    c_.print->setEnabled(true);
    NPrintOut->setEnabled(true);
}

// ---- Hide and close ----

void ViewWindow::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimising is not hiding
    Timer1->stop();
    Timer2->stop();
    PopupMenu1->hide();
    c_.gauge->setValue(0);
    c_.gauge->hide();
    c_.text->clearLines();
    c_.text->setToolTip(QString());
    for (QAction* item : commandItems())
        item->setEnabled(false);
}

void ViewWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    hide();
    Q_EMIT closed();
}
