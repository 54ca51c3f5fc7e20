#include "master/Unitperson.h"
#include "ui_Unitperson.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "data/Unitdata.h"
#include "master/MasterRecord.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QShowEvent>

TFormPerson::TFormPerson(Forms& forms)
    : ui(std::make_unique<Ui::TFormPerson>())
    , forms_(forms)
{
    ui->setupUi(this);
    setMinimumSize(189, 463);
    attachFormetry(this);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(ui->NNew);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui->NRewrite);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui->NDelete);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui->NCancel);

    connect(ui->ListBox1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { PopupMenu1->popup(ui->ListBox1->viewport()->mapToGlobal(pos)); });
    // From the keyboard: the menu key or Shift+F10 opens the menu at the selected name, and
    // each command has its own key while the list has the focus.
    ui->ListBox1->installEventFilter(this);
    ui->ListBox1->viewport()->installEventFilter(this);
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, &TFormPerson::showMenuAtSelection);
    ui->NNew->setShortcut(QKeySequence(Qt::Key_Insert));
    ui->NRewrite->setShortcut(QKeySequence(Qt::Key_F2));
    ui->NDelete->setShortcut(QKeySequence(Qt::Key_Delete));
    for (QAction* a : { menuKey, ui->NNew, ui->NRewrite, ui->NDelete }) {
        a->setShortcutContext(Qt::WidgetShortcut);
        ui->ListBox1->addAction(a);
    }
    connect(ui->NNew, &QAction::triggered, this, &TFormPerson::NNewClick);
    connect(ui->NRewrite, &QAction::triggered, this, &TFormPerson::NRewriteClick);
    connect(ui->NDelete, &QAction::triggered, this, &TFormPerson::NDeleteClick);
    connect(ui->NCancel, &QAction::triggered, this, &TFormPerson::NCancelClick);
}

TFormPerson::~TFormPerson() = default;

void TFormPerson::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    move(0, 0);
    refreshList();
}

bool TFormPerson::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu
        && static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        showMenuAtSelection();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormPerson::showMenuAtSelection()
{
    QListWidget* list = ui->ListBox1;
    QPoint at(0, 0);
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty()) {
        list->scrollToItem(selected.first());
        at = list->visualItemRect(selected.first()).bottomLeft();
    }
    PopupMenu1->popup(list->viewport()->mapToGlobal(at));
}

void TFormPerson::refreshList()
{
    const Table& table = forms_.FormData->StringGrid1;
    ui->ListBox1->clear();
    for (int r = 0; r < table.rowCount(); ++r)
        if (!table.cell(0, r).isEmpty())
            ui->ListBox1->addItem(table.cell(0, r));
    setWindowTitle(QStringLiteral("従業員氏名 ．．． ") + QString::number(ui->ListBox1->count()));
}

QString TFormPerson::selectedName() const
{
    const QList<QListWidgetItem*> selected = ui->ListBox1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TFormPerson::NNewClick()
{
    mode_ = master::Mode::NewRegistration;
    Q_EMIT newRegistrationChosen();
}

void TFormPerson::NRewriteClick()
{
    Q_EMIT editChosen(selectedName());
}

void TFormPerson::NDeleteClick()
{
    Q_EMIT deleteChosen(selectedName());
}

void TFormPerson::selectFirst()
{
    if (ui->ListBox1->count() > 0)
        ui->ListBox1->setCurrentRow(0);
}

void TFormPerson::NCancelClick()
{
    mode_ = master::Mode::NewRegistration;
}
