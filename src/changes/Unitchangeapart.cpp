#include "changes/Unitchangeapart.h"
#include "ui_Unitchangeapart.h"

#include "forms/WindowScaling.h"

TFormChangeApart::TFormChangeApart(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormChangeApart>())
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    setMinimumSize(560, 300);
    attachFormetry(this);
    connect(ui->ListBox1, &QListWidget::itemSelectionChanged, this,
        [this] { ui->BtnDelete->setEnabled(!ui->ListBox1->selectedItems().isEmpty()); });
    connect(ui->BtnDelete, &QPushButton::clicked, this, [this] {
        if (const int row = ui->ListBox1->currentRow(); row >= 0 && row < items_.size())
            Q_EMIT deleteWanted(items_[row]);
    });
    connect(ui->BtnClose, &QPushButton::clicked, this, &QDialog::accept);
    ui->BtnDelete->setEnabled(false);
}

TFormChangeApart::~TFormChangeApart() = default;

void TFormChangeApart::setItems(const QList<Item>& items)
{
    const int row = ui->ListBox1->currentRow();
    items_ = items;
    ui->ListBox1->clear();
    for (const Item& item : items)
        ui->ListBox1->addItem(item.text);
    if (!items.isEmpty() && row >= 0)
        ui->ListBox1->setCurrentRow(std::min(row, static_cast<int>(items.size()) - 1));
    ui->BtnDelete->setEnabled(!ui->ListBox1->selectedItems().isEmpty());
}
