#pragma once

#include <QDate>
#include <QDialog>
#include <QList>
#include <QString>
#include <memory>

namespace Ui {
class TFormChangeApart;
}

// The dialog "登録外の変更・希望": the day changes and wishes that take effect in neither planned
// period (a name without a master row, a date of neither period), listed so that they can be seen
// and deleted. It opens window-modal over the change window, which keeps the list up to date
// while it is open and carries out a deletion; it changes no data itself.
class TFormChangeApart : public QDialog {
    Q_OBJECT
public:
    struct Item {
        QString text;
        QString name;
        QDate date;
        bool wish = false; // a wish, not a day change
    };

    explicit TFormChangeApart(QWidget* parent = nullptr);
    ~TFormChangeApart() override;

    // Shows these items, keeping the selected row where it can.
    void setItems(const QList<Item>& items);

Q_SIGNALS:
    void deleteWanted(const TFormChangeApart::Item& item);

private:
    std::unique_ptr<Ui::TFormChangeApart> ui;
    QList<Item> items_;
};
