#include "platform/AccessibleComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QItemSelectionModel>

namespace accessibility {
namespace {

// Marks the chosen entry as the selected one of the box's list.
void selectCurrentEntry(QComboBox* box)
{
    QItemSelectionModel* selection = box->view()->selectionModel();
    if (!selection)
        return;
    const QModelIndex current = box->model()->index(box->currentIndex(), box->modelColumn());
    if (current.isValid())
        selection->select(current, QItemSelectionModel::ClearAndSelect);
    else
        selection->clearSelection();
}

class AccessibleComboBox : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleComboBox(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
        followChoices(box);
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The popup's list with its entries is the one child, as in Qt's own combo box.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index != 0)
            return nullptr;
        selectCurrentEntry(box()); // also after an entry was set with the box's signals blocked
        return QAccessible::queryAccessibleInterface(box()->view());
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QAccessibleInterface* focusChild() const override { return box()->view()->hasFocus() ? child(0) : nullptr; }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return box()->accessibleName().isEmpty() ? box()->currentText() : box()->accessibleName();
        case QAccessible::Value:
            return box()->currentText();
        case QAccessible::Description:
            return box()->accessibleDescription().isEmpty() ? box()->toolTip() : box()->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }

    QStringList actionNames() const override { return { showMenuAction(), pressAction(), setFocusAction() }; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The chosen entry as read-only text.
    QString text(int start, int end) const override { return box()->currentText().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->currentText().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    // Keeps the chosen entry selected in the list, and takes an entry selected in the list
    // while the popup is closed (only an assistive tool can do that) as the user's choice.
    static void followChoices(QComboBox* box)
    {
        selectCurrentEntry(box);
        QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] { selectCurrentEntry(box); });
        if (QItemSelectionModel* selection = box->view()->selectionModel()) {
            QObject::connect(selection, &QItemSelectionModel::selectionChanged, box, [box, selection] {
                const QModelIndexList chosen = selection->selectedRows(box->modelColumn());
                if (!box->view()->isVisible() && chosen.size() == 1 && chosen.first().row() != box->currentIndex())
                    box->setCurrentIndex(chosen.first().row());
            });
        }
    }
};

QAccessibleInterface* comboBoxFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new AccessibleComboBox(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void installComboBoxSupport()
{
    QAccessible::installFactory(comboBoxFactory);
}

} // namespace accessibility
