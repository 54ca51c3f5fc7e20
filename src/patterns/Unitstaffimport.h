#pragma once

#include "patterns/StaffImport.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <memory>

namespace Ui {
class TFormStaffImport;
}

// The dialog "従業員の取り込み": before anything changes, the employees a CSV file would register
// and every row it would not, with its row number and reason. "登録" tells the owner the rows to
// register; "キャンセル" registers nothing. It opens window-modal and changes no data.
class TFormStaffImport : public QDialog {
    Q_OBJECT
public:
    explicit TFormStaffImport(QWidget* parent);
    ~TFormStaffImport() override;

    // Opens on what the file fileName would give.
    void preview(const QString& fileName, const patterns::StaffImportPreview& preview);

Q_SIGNALS:
    // "登録" was pressed: the rows to register, never empty.
    void importChosen(const QList<patterns::StaffImportRow>& rows);

private:
    std::unique_ptr<Ui::TFormStaffImport> ui;
    QList<patterns::StaffImportRow> rows_;
};
