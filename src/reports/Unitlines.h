#pragma once

#include "changes/EffectiveSchedule.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

struct Forms;
class PeriodChooser;
class TQRListFormLinePrn;
class QMenu;
namespace Ui {
class TFormLines;
}

// A text report window over a period: a list of lines computed and written at once into a
// read-only text when the window shows or another period is chosen ("今の期間" or "次の期間"),
// then selected, copied, saved as RTF and printed through the line print report, with every
// command in its menu and in the text's popup menu. What the list says is given by its owner: the
// caption, the usage text and the function that computes the lines of a period. Closing hides it
// and tells the main window through closed().
class TFormLines : public QMainWindow {
    Q_OBJECT
public:
    using Lines = std::function<QStringList(const daychanges::DateChoice&)>;
    TFormLines(Forms& forms, const QString& caption, QString usage, Lines lines);
    ~TFormLines() override;

    // Shows the window on the given period, or computes the lines anew when it is shown.
    void showPeriod(const daychanges::DateChoice& choice);

    // True once every line is written and the commands are enabled.
    bool isReady() const;

Q_SIGNALS:
    // The window was closed; the main window shows again.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void printClick();
    QList<QAction*> commandItems() const;

    std::unique_ptr<Ui::TFormLines> ui;
    Forms& forms_;
    QString title_; // the print's title: the caption in 【】
    QString usage_;
    Lines computeLines_;
    PeriodChooser* period_ = nullptr;
    std::unique_ptr<TQRListFormLinePrn> QRListFormLinePrn;
    QMenu* PopupMenu1 = nullptr;
};
