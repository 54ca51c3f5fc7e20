#pragma once

#include "requests/RequestImport.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <memory>

namespace Ui {
class TFormRequestImport;
}

// The dialog "希望の取り込み": before anything changes, what a CSV file would give: the wishes
// that will be taken (and how many replace a wish), and every row that will not, with its row
// number and reason. "取り込む" tells the owner the rows to take; "キャンセル" takes nothing. It
// opens window-modal and changes no data: the owner applies the rows as one undoable edit.
class TFormRequestImport : public QDialog {
    Q_OBJECT
public:
    explicit TFormRequestImport(QWidget* parent = nullptr);
    ~TFormRequestImport() override;

    // Opens on what the file fileName would give.
    void preview(const QString& fileName, const requests::ImportPreview& preview);

Q_SIGNALS:
    // "取り込む" was pressed: the rows to take, never empty.
    void importChosen(const QList<requests::ImportRow>& rows);

private:
    std::unique_ptr<Ui::TFormRequestImport> ui;
    QList<requests::ImportRow> rows_;
};
