#pragma once

#include <QPrinter>
#include <functional>

class QTextEdit;
class QWidget;
namespace exports {
struct PeriodSchedule;
}

// The two output services that every view shares, owned by the main window: saving a
// view's text as a Rich Text Format file through one save dialog (and the period's schedule as
// CSV or iCalendar through another, or as one calendar per employee into a chosen folder), and
// the printer setup whose confirmation sets the printer chosen flag that every print command
// asks for. It saves and sets up; printing itself belongs to the print reports, and the export
// files are written by the export functions.
class ViewOutput {
public:
    ViewOutput();

    // Saves the view's lines in its font, text colour (QPalette::Text), background
    // (QPalette::Base) and alignment. The extension of the chosen type is appended unless the
    // name already ends with it (in any case); an existing file is replaced only after the user
    // agreed, and a failed write keeps it and names the file and the reason. The dialog opens
    // with the folder and file type last chosen in this run.
    void saveText(QWidget* parent, const QTextEdit& view);

    // Saves the period's schedule as CSV or iCalendar (in the system's time zone), chosen in
    // the export dialog, with the same extension rule, question and atomic write as saveText.
    void saveExport(QWidget* parent, const exports::PeriodSchedule& period);

    // Writes one iCalendar file per employee of the period, with only that employee's events,
    // into a folder chosen in a folder dialog, each named after the employee (see
    // exports::distinctFileNames). One question names every file that would be replaced; No
    // writes nothing. Each file is written whole or not at all; the first that fails is named
    // with the reason and the rest are not written.
    void saveExportPerEmployee(QWidget* parent, const exports::PeriodSchedule& period);

    // Saves an Excel workbook, made by make once a file is chosen, with the same extension rule,
    // question and atomic write as saveText; the dialog offers fileName. A workbook that cannot be
    // made is told with the reason, and nothing is written.
    void saveWorkbook(
        QWidget* parent, const QString& fileName, const std::function<QByteArray(QString& failure)>& make);

    // Runs the printer setup dialog; a confirmation sets the printer chosen flag.
    void printerSetup(QWidget* parent);

    bool printerChosen() const { return printerChosen_; }
    // True when the printer chosen flag is set; otherwise shows the printer message.
    bool checkPrinter(QWidget* parent) const;
    QPrinter& printer() { return printer_; }

private:
    struct FileType {
        QString filter;
        QString extension;
    };
    // Runs a save dialog of types offering fileName and, when it is confirmed, writes
    // bytesOf(chosen type index) to the name chosen with the type's extension, unless bytesOf
    // gives a failure, which is told instead.
    void save(QWidget* parent, const QString& title, const QList<FileType>& types, int& lastType,
        const QString& fileName, const std::function<QByteArray(int type, QString& failure)>& bytesOf);

    QPrinter printer_;
    bool printerChosen_ = false;
    QString saveFolder_;
    int saveType_ = 1;
    int exportType_ = 1;
};
