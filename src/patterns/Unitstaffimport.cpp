#include "patterns/Unitstaffimport.h"
#include "ui_Unitstaffimport.h"

#include "forms/WindowScaling.h"

#include <QFileInfo>

TFormStaffImport::TFormStaffImport(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormStaffImport>())
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    attachFormetry(this);
    connect(ui->BtnImport, &QPushButton::clicked, this, [this] {
        accept();
        Q_EMIT importChosen(rows_);
    });
    connect(ui->BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormStaffImport::~TFormStaffImport() = default;

void TFormStaffImport::preview(const QString& fileName, const patterns::StaffImportPreview& preview)
{
    rows_ = preview.taken;
    ui->LabelFile->setText(QStringLiteral("ファイル：") + QFileInfo(fileName).fileName());
    const QString summary = patterns::staffImportSummary(preview);
    ui->LabelSummary->setText(summary);
    ui->ListTaken->clear();
    for (const patterns::StaffImportRow& row : rows_)
        ui->ListTaken->addItem(patterns::takenStaffText(row));
    ui->ListRefused->clear();
    for (const RejectedLine& row : preview.refused)
        ui->ListRefused->addItem(requests::refusedRowText(row));
    ui->ListTaken->setAccessibleDescription(summary); // what a screen reader tells first
    const bool any = !rows_.isEmpty();
    ui->BtnImport->setEnabled(any);
    ui->BtnImport->setDefault(any);
    ui->BtnCancel->setDefault(!any);
    open();
    (any ? ui->BtnImport : ui->BtnCancel)->setFocus();
}
