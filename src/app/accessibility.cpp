#include "app/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include "app/mainform.h"

using namespace Qt::StringLiterals;

namespace {

class StatusLine final : public QAccessibleWidget {
public:
    explicit StatusLine(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::StatusBar)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            label()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
};

// Qt's own interface for combo boxes, but with the accessible name as the name.
class NamedList final : public QAccessibleWidget {
public:
    explicit NamedList(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::ComboBox)
    {
    }

    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (!list()->isEditable())
            return nullptr;
        QLineEdit *field = list()->lineEdit();
        return QRect(field->mapToGlobal(QPoint(0, 0)), field->size()).contains(x, y) ? child(1)
                                                                                     : nullptr;
    }

    // The field has the focus when the list has it.
    QAccessibleInterface *focusChild() const override
    {
        return list()->isEditable() ? child(1) : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = list()->isEditable();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == "MainForm"_L1)
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == "ClickLabel"_L1)
        return new StatusLine(widget);
    if (className == "DropDownList"_L1)
        return new NamedList(widget);
    if (className == "Picture"_L1)
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void Accessibility::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}
