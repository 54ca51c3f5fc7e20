#pragma once

#include "requests/RequestImport.h"

#include <QByteArray>
#include <QDate>
#include <QDialog>
#include <QList>
#include <QSet>
#include <QString>
#include <memory>

class QComboBox;

namespace Ui {
class TFormRequestImport;
}

// The dialog "希望の取り込み": before anything changes, what a CSV file would give: the columns
// read for name, date, kind and note, the wishes that will be taken (and how many replace a
// wish), and every row that will not, with its row number and reason. A field that the file's
// headings do not name can be read from another column, chosen in its box; the lists follow at
// once. "取り込む" tells the owner the rows to take and the columns chosen, to be remembered for the
// next import; "キャンセル" takes nothing. It opens window-modal and changes no data: the owner
// applies the rows as one undoable edit.
class TFormRequestImport : public QDialog {
    Q_OBJECT
public:
    explicit TFormRequestImport(QWidget* parent = nullptr);
    ~TFormRequestImport() override;

    // Opens on what the file fileName of bytes csv would give for the names on the dates, read
    // with the columns that existing remembers.
    void preview(const QString& fileName, const QByteArray& csv, const QSet<QString>& names, const QList<QDate>& dates,
        const requests::Requests& existing);

Q_SIGNALS:
    // "取り込む" was pressed: the rows to take, never empty, and the columns chosen.
    void importChosen(const QList<requests::ImportRow>& rows, const requests::ImportColumns& columns);

private:
    QComboBox* box(requests::ImportField field) const;
    void parse();
    void showColumns();

    std::unique_ptr<Ui::TFormRequestImport> ui;
    QByteArray csv_;
    QSet<QString> names_;
    QList<QDate> dates_;
    requests::Requests existing_;
    requests::ImportColumns columns_; // the chosen ones
    requests::ImportPreview preview_;
};
