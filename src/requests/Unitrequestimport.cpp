#include "requests/Unitrequestimport.h"
#include "ui_Unitrequestimport.h"

#include "forms/WindowScaling.h"

#include <QFileInfo>
#include <QSignalBlocker>

using requests::ImportField;

TFormRequestImport::TFormRequestImport(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormRequestImport>())
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    setMinimumSize(640, 522);
    attachFormetry(this);
    for (const ImportField field : requests::kImportFields)
        connect(box(field), &QComboBox::activated, this, [this, field](int index) {
            columns_[field] = box(field)->itemData(index).toInt();
            parse();
        });
    connect(ui->BtnImport, &QPushButton::clicked, this, [this] {
        accept();
        Q_EMIT importChosen(preview_.taken, columns_);
    });
    connect(ui->BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormRequestImport::~TFormRequestImport() = default;

void TFormRequestImport::preview(const QString& fileName, const QByteArray& csv, const QSet<QString>& names,
    const QList<QDate>& dates, const requests::Requests& existing)
{
    csv_ = csv;
    names_ = names;
    dates_ = dates;
    existing_ = existing;
    columns_ = existing.importColumns();
    ui->LabelFile->setText(QStringLiteral("ファイル：") + QFileInfo(fileName).fileName());
    parse();
    showColumns();
    open();
    if (preview_.taken.isEmpty())
        ui->BtnCancel->setFocus();
    else
        ui->BtnImport->setFocus();
}

QComboBox* TFormRequestImport::box(ImportField field) const
{
    QComboBox* const boxes[] { ui->ComboName, ui->ComboDate, ui->ComboKind, ui->ComboNote };
    return boxes[static_cast<int>(field)];
}

void TFormRequestImport::parse()
{
    preview_ = requests::parseImport(csv_, names_, dates_, existing_, columns_);
    ui->LabelSummary->setText(requests::importSummary(preview_));
    ui->ListTaken->clear();
    for (const requests::ImportRow& row : preview_.taken)
        ui->ListTaken->addItem(requests::takenRowText(row));
    ui->ListRefused->clear();
    for (const RejectedLine& row : preview_.refused)
        ui->ListRefused->addItem(requests::refusedRowText(row));
    // The summary is what a screen reader tells first.
    ui->ListTaken->setAccessibleDescription(ui->LabelSummary->text());
    const bool any = !preview_.taken.isEmpty();
    ui->BtnImport->setEnabled(any);
    ui->BtnImport->setDefault(any);
    ui->BtnCancel->setDefault(!any);
}

// A field that the headings name shows its column and cannot be chosen; the others offer the
// columns that no heading names. The headings stay as they are while the user chooses.
void TFormRequestImport::showColumns()
{
    for (const ImportField field : requests::kImportFields) {
        QComboBox* combo = box(field);
        const QSignalBlocker blocker(combo);
        const bool named = preview_.named.contains(field);
        combo->clear();
        if (field == ImportField::Note && !named)
            combo->addItem(QStringLiteral("（なし）"), requests::kNoColumn);
        for (int column = 0; column < preview_.titles.size(); ++column)
            if (named ? column == preview_.columns[field] : !requests::isNamedColumn(preview_, column))
                combo->addItem(requests::columnText(preview_, column), column);
        combo->setCurrentIndex(combo->findData(preview_.columns[field]));
        combo->setEnabled(!named);
        combo->setAccessibleDescription(named ? QStringLiteral("見出しで決まる列です") : QString());
    }
}
