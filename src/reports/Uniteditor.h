#pragma once

#include <QMainWindow>
#include <memory>

class Forms;
class QAction;
class QMenu;
namespace Ui {
class TFormEditor;
}

// The text window: takes a copy of the main window's visible report panel so that the
// user can restyle, edit, save or print it. Edits stay in this window; printing prints
// the main window's panel through the line print report. Hiding the window clears it.
class TFormEditor : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormEditor(Forms& forms);
    ~TFormEditor() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPopupMenu();
    void takeOverPanel();
    void NModeClick();
    void setColour(QPalette::ColorRole role, const QColor& colour);

    std::unique_ptr<Ui::TFormEditor> ui;
    Forms& forms_;
    QMenu* PopupMenu1 = nullptr;
    QAction* NMode = nullptr;
    QAction* NPrintOut = nullptr;
};
