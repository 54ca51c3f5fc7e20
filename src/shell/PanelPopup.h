#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;
class RichEdit;

// The popup menu PopupMenu1 of the main window's report panels: hand the panel on to the text
// window, select all and copy on the panel the menu was opened on, printer setup and print, and
// the colour and font of the first visible panel. It opens on a right click and from the keyboard.
// Its items are enabled once a report has filled a panel and disabled again when the panels are
// reset; what transferring, the printer setup and printing do is the main window's.
class PanelPopup : public QObject {
    Q_OBJECT
public:
    PanelPopup(QWidget* window, QList<RichEdit*> panels);

    void setItemsEnabled(bool on);
    // The first of the panels shown on the window (even while the window itself is hidden), or null.
    RichEdit* firstVisible() const;

Q_SIGNALS:
    void transferChosen();
    void printerSetupChosen();
    // The print item is disabled while the print runs.
    void printChosen();

private:
    QWidget* window_;
    QList<RichEdit*> panels_;
    QMenu* PopupMenu1 = nullptr;
    QList<QAction*> items_;
    RichEdit* openedOn_ = nullptr;
};
