#include "shell/PanelPopup.h"

#include "platform/Dialogs.h"
#include "platform/MenuItems.h"
#include "platform/RichEdit.h"

#include <QMenu>

PanelPopup::PanelPopup(QWidget* window, QList<RichEdit*> panels)
    : QObject(window)
    , window_(window)
    , panels_(std::move(panels))
{
    PopupMenu1 = new QMenu(window);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [this](const char* name, const QString& text) {
        items_ << addDisabledItem(PopupMenu1, name, text);
        return items_.constLast();
    };
    connect(item("NTranse", QStringLiteral("転送")), &QAction::triggered, this, &PanelPopup::transferChosen);
    PopupMenu1->addSeparator();
    QAction* selectAll = item("NAllSelect", QStringLiteral("全て選択"));
    QAction* copy = item("NAllCopy", QStringLiteral("コピー"));
    PopupMenu1->addSeparator();
    connect(
        item("NPrintSet", QStringLiteral("プリンタ設定")), &QAction::triggered, this, &PanelPopup::printerSetupChosen);
    QAction* printOut = item("NPrintOut", QStringLiteral("印刷 - A4横 -"));
    connect(printOut, &QAction::triggered, this, [this, printOut] {
        printOut->setEnabled(false);
        Q_EMIT printChosen();
        printOut->setEnabled(true);
    });
    PopupMenu1->addSeparator();
    QMenu* font = PopupMenu1->addMenu(QStringLiteral("フォント設定"));
    font->menuAction()->setObjectName(QStringLiteral("NFont"));
    font->menuAction()->setEnabled(false);
    items_ << font->menuAction();
    QAction* colour = font->addAction(QStringLiteral("カラー"));
    colour->setObjectName(QStringLiteral("N4"));
    QAction* style = font->addAction(QStringLiteral("スタイル"));
    style->setObjectName(QStringLiteral("N16"));

    // Colour and font go to the first visible panel, whichever panel the menu was opened on.
    connect(colour, &QAction::triggered, this, [this] {
        if (RichEdit* panel = firstVisible()) {
            if (auto c = dialogs::color(window_, panel->palette().color(QPalette::Base))) {
                QPalette palette = panel->palette();
                palette.setColor(QPalette::Base, *c);
                panel->setPalette(palette);
            }
        }
    });
    connect(style, &QAction::triggered, this, [this] {
        if (RichEdit* panel = firstVisible())
            if (auto f = dialogs::font(window_, panel->font()))
                panel->setFont(*f);
    });

    // Select all and copy act on the panel on which the menu was opened.
    for (RichEdit* panel : panels_)
        attachPopupMenu(panel, PopupMenu1, [this, panel] { openedOn_ = panel; });
    connect(selectAll, &QAction::triggered, this, [this] {
        if (openedOn_)
            openedOn_->selectAll();
    });
    connect(copy, &QAction::triggered, this, [this] {
        if (openedOn_)
            openedOn_->copy();
    });
}

void PanelPopup::setItemsEnabled(bool on)
{
    for (QAction* item : items_)
        item->setEnabled(on);
}

RichEdit* PanelPopup::firstVisible() const
{
    for (RichEdit* panel : panels_)
        if (!panel->isHidden())
            return panel;
    return nullptr;
}
