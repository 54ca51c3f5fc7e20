#pragma once

#include <QPrinter>

class QTextEdit;
class QWidget;

// The two output services that every view shares, owned by the main window: saving a
// view's text as a Rich Text Format file through one save dialog, and the printer setup
// whose confirmation sets the printer chosen flag that every print command asks for.
// It saves and sets up; printing itself belongs to the print reports.
class ViewOutput {
public:
    ViewOutput();

    // Saves the view's lines in its font, text colour (QPalette::Text), background
    // (QPalette::Base) and alignment. The extension of the chosen type is always appended;
    // an existing file is replaced only after the user agreed, and a failed write keeps it.
    // The dialog opens with the folder and file type last chosen in this run.
    void saveText(QWidget* parent, const QTextEdit& view);

    // Runs the printer setup dialog; a confirmation sets the printer chosen flag.
    void printerSetup(QWidget* parent);

    bool printerChosen() const { return printerChosen_; }
    // True when the printer chosen flag is set; otherwise shows the printer message.
    bool checkPrinter(QWidget* parent) const;
    QPrinter& printer() { return printer_; }

private:
    QPrinter printer_;
    bool printerChosen_ = false;
    QString saveFolder_;
    int saveType_ = 1;
};
