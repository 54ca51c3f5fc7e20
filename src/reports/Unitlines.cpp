#include "reports/Unitlines.h"
#include "ui_Unitlines.h"

#include "changes/PeriodChooser.h"
#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "platform/Dialogs.h"
#include "platform/MenuItems.h"
#include "platform/ReportPainter.h"
#include "platform/RichEdit.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/ViewOutput.h"

#include <QCloseEvent>
#include <QMenu>

namespace {
const QString kHint = QStringLiteral("右ｸﾘｯｸ・ﾒﾆｭｰ");
} // namespace

TFormLines::TFormLines(Forms& forms, const QString& caption, QString usage, Lines lines)
    : ui(std::make_unique<Ui::TFormLines>())
    , forms_(forms)
    , title_(QStringLiteral("【") + caption + QStringLiteral("】"))
    , usage_(std::move(usage))
    , computeLines_(std::move(lines))
{
    ui->setupUi(this);
    setWindowTitle(caption);
    ui->RichEdit1->setAccessibleName(caption);
    QPalette palette = ui->RichEdit1->palette();
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Base, QColor(0, 0, 96));
    ui->RichEdit1->setPalette(palette);
    attachFormetry(this);
    period_ = new PeriodChooser(*forms_.FormData, ui->NPeriod, ui->ComboPeriod, ui->LabelPeriod);
    connect(period_, &PeriodChooser::chosen, this, [this] { dialogs::guard([this] { FormShow(); }); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setAccessibleName(QStringLiteral("テキストのメニュー"));
    PopupMenu1->addActions({ ui->NAllSelect, ui->NAllCopy });
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui->NSave);
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({ ui->NPrnSet, ui->NPrnOut });
    attachPopupMenu(ui->RichEdit1, PopupMenu1);

    RichEdit* text = ui->RichEdit1;
    connect(ui->NAllSelect, &QAction::triggered, text, &RichEdit::selectAll);
    connect(ui->NAllCopy, &QAction::triggered, text, &RichEdit::copy);
    connect(ui->NSave, &QAction::triggered, this, [this] { forms_.Output->saveText(this, *ui->RichEdit1); });
    connect(ui->NPrnSet, &QAction::triggered, this, [this] { forms_.Output->printerSetup(this); });
    connect(ui->NPrnOut, &QAction::triggered, this, &TFormLines::printClick);
    connect(ui->N1, &QAction::triggered, this, &QWidget::close);
    connect(ui->N12, &QAction::triggered, this,
        [this] { dialogs::message(dialogs::Kind::Plain, usage_, dialogs::Buttons::Ok, this); });
}

TFormLines::~TFormLines() = default;

QList<QAction*> TFormLines::commandItems() const
{
    return { ui->NAllSelect, ui->NAllCopy, ui->NSave, ui->NPrnSet, ui->NPrnOut };
}

void TFormLines::showPeriod(const daychanges::DateChoice& choice)
{
    period_->setChoice(choice);
    if (isVisible())
        dialogs::guard([this] { FormShow(); });
    else
        show();
}

bool TFormLines::isReady() const
{
    return ui->NSave->isEnabled();
}

// ---- Writing the lines ----

void TFormLines::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        dialogs::guard([this] { FormShow(); });
}

// The lines take an instant to compute, so they are written at once. The commands stay disabled
// if the computation fails, so that no text of another period is saved or printed under this one.
void TFormLines::FormShow()
{
    for (QAction* item : commandItems())
        item->setEnabled(false);
    period_->refresh();
    ui->RichEdit1->clearLines();
    for (const QString& line : computeLines_(period_->choice()))
        ui->RichEdit1->appendLine(line);
    ui->Panel1->setFocus();
    for (QAction* item : commandItems())
        item->setEnabled(true);
    ui->RichEdit1->setToolTip(kHint);
}

// ---- Commands ----

void TFormLines::printClick()
{
    ui->NPrnOut->setEnabled(false);
    if (forms_.Output->checkPrinter(this)) {
        if (!QRListFormLinePrn)
            QRListFormLinePrn = std::make_unique<TQRListFormLinePrn>();
        // The report titles only the main window's panels; this list's title goes in its place.
        QList<report::Page> pages = QRListFormLinePrn->pages(
            { QString(), ui->RichEdit1->palette().color(QPalette::Base), ui->RichEdit1->lines(), title_ });
        for (report::Page& page : pages)
            for (report::PrintedField& field : page.fields)
                if (field.name == QLatin1String("QRLabelStrg"))
                    field.text = title_;
        report::print(pages, QRListFormLinePrn->QuickRepLinePrn.page, forms_.Output->printer(), this);
    }
    ui->NPrnOut->setEnabled(true);
}

// ---- Hide and close ----

void TFormLines::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimising is not hiding
    PopupMenu1->hide();
    ui->RichEdit1->clearLines();
    ui->RichEdit1->setToolTip(QString());
    for (QAction* item : commandItems())
        item->setEnabled(false);
}

void TFormLines::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    hide();
    Q_EMIT closed();
}
