#include "requests/Unitrequestimport.h"
#include "ui_Unitrequestimport.h"

#include "forms/WindowScaling.h"

#include <QFileInfo>

TFormRequestImport::TFormRequestImport(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormRequestImport>())
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    setMinimumSize(640, 476);
    attachFormetry(this);
    connect(ui->BtnImport, &QPushButton::clicked, this, [this] {
        accept();
        Q_EMIT importChosen(rows_);
    });
    connect(ui->BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormRequestImport::~TFormRequestImport() = default;

void TFormRequestImport::preview(const QString& fileName, const requests::ImportPreview& preview)
{
    rows_ = preview.taken;
    ui->LabelFile->setText(QStringLiteral("ファイル：") + QFileInfo(fileName).fileName());
    ui->LabelSummary->setText(requests::importSummary(preview));
    ui->ListTaken->clear();
    for (const requests::ImportRow& row : preview.taken)
        ui->ListTaken->addItem(requests::takenRowText(row));
    ui->ListRefused->clear();
    for (const RejectedLine& row : preview.refused)
        ui->ListRefused->addItem(requests::refusedRowText(row));
    // The summary is what a screen reader tells first.
    ui->ListTaken->setAccessibleDescription(ui->LabelSummary->text());
    ui->BtnImport->setEnabled(!rows_.isEmpty());
    ui->BtnImport->setDefault(!rows_.isEmpty());
    ui->BtnCancel->setDefault(rows_.isEmpty());
    open();
    if (rows_.isEmpty())
        ui->BtnCancel->setFocus();
    else
        ui->BtnImport->setFocus();
}
