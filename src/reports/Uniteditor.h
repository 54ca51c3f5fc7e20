#pragma once

#include <QMainWindow>
#include <memory>

struct Forms;
class RichEdit;
class QAction;
class QMenu;
namespace Ui {
class TFormEditor;
}

// The text window: takes a copy of the main window's visible report panel so that the
// user can restyle, edit, save or print it. Edits stay in this window; printing asks the main
// window to print its panel through the line print report. Hiding the window clears it.
class TFormEditor : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormEditor(Forms& forms);
    ~TFormEditor() override;

    // Takes a copy of a report panel's text and alignment before the window shows; an empty or
    // missing panel leaves the text as it is.
    void takeOverPanel(const RichEdit* panel);

Q_SIGNALS:
    // The print command: the main window prints its panel, or tells that no printer is chosen.
    void printRequested();
    // The window was closed; the main window shows again.
    void closed();

protected:
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPopupMenu();
    void NModeClick();
    void setColour(QPalette::ColorRole role, const QColor& colour);

    std::unique_ptr<Ui::TFormEditor> ui;
    Forms& forms_;
    QMenu* PopupMenu1 = nullptr;
    QAction* NMode = nullptr;
    QAction* NPrintOut = nullptr;
};
