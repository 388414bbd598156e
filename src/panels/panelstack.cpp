#include "panels/panelstack.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>

#include "model/nodetable.h"
#include "panels/dropdownlist.h"
#include "panels/fonts.h"
#include "panels/frame.h"
#include "panels/oneline.h"
#include "panels/picture.h"
#include "panels/textlabel.h"

using namespace Qt::StringLiterals;

namespace {

QString displayText(std::u16string_view text)
{
    // The tables join lines with CR LF; a label breaks lines at LF.
    return qs(text).replace(u"\r\n"_s, u"\n"_s);
}

// A panel is known by its caption; the About panel, which has none, by its node in the tree.
QString panelName(const PanelSpec &panel)
{
    if (!panel.caption.empty())
        return qs(panel.caption);
    for (const NodeSpec &node : kLibraryNodes) {
        if (node.key == panel.key)
            return qs(node.text);
    }
    return qs(panel.key);
}

TextLabel *addLabel(QWidget *parent, const LabelSpec &spec)
{
    auto *label = new TextLabel(parent);
    label->setObjectName(qs(spec.name));
    label->setText(displayText(spec.text));
    label->setGeometry(toPixels(spec.at));
    if (spec.font != FontRole::Default)
        label->setFont(Fonts::forRole(spec.font));
    if (spec.font == FontRole::Song18BoldMagenta) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 0, 255));
        label->setPalette(palette);
    }
    return label;
}

// Tab reaches a radio group at its checked option; the arrow keys move within the group.
void makeTabStop(QRadioButton *checked)
{
    const QList<QRadioButton *> group =
        checked->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    for (QRadioButton *button : group)
        button->setFocusPolicy(button == checked ? Qt::StrongFocus : Qt::ClickFocus);
}

QComboBox *addList(QWidget *group, const QString &arrayName, const ListSpec &spec, int index)
{
    auto *combo = new DropDownList(group);
    combo->setObjectName(arrayName);
    combo->setProperty("index", index);
    combo->setGeometry(toPixels(spec.at));
    combo->setAccessibleName(qs(spec.member));
    // Filled before it becomes editable, and emptied again: adding the first item makes it
    // current, and the field must start empty with no item chosen.
    for (const ListItem &item : spec.items)
        combo->addItem(qs(item.text));
    combo->setCurrentIndex(-1);
    combo->setEditable(true);
    // Items never change, and what the user types is never completed or rewritten.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setValidator(new OneLineValidator(combo));
    pasteOnlyText(combo);
    // The field takes the list's focus, so a screen reader speaks the field's name.
    combo->lineEdit()->setAccessibleName(qs(spec.member));
    return combo;
}

// The panel that holds the option button of that name, from the tables.
const PanelEntry *panelOfOption(QStringView option)
{
    for (const PanelEntry &entry : kPanelRegistry) {
        for (const GroupSpec &group : entry.panel->groups) {
            for (const OptionSpec &spec : group.options) {
                if (qsv(spec.name) == option)
                    return &entry;
            }
        }
    }
    return nullptr;
}

// The panel that holds the drop-down lists.
const PanelEntry *panelOfLists()
{
    for (const PanelEntry &entry : kPanelRegistry) {
        for (const GroupSpec &group : entry.panel->groups) {
            if (!group.lists.empty())
                return &entry;
        }
    }
    return nullptr;
}

} // namespace

PanelStack::PanelStack(QWidget *window, QWidget *tabBefore)
    : m_lastInTabOrder(tabBefore)
{
    // The frames all exist from the start; what they hold is made when a panel is first
    // raised or read, so that opening the window builds only the panel in front.
    for (std::size_t p = 0; p < kPanelRegistry.size(); ++p) {
        const PanelSpec &panel = *kPanelRegistry[p].panel;
        auto *frame = new Frame(qs(panel.caption), window);
        frame->setObjectName(qs(panel.key));
        frame->setAccessibleName(panelName(panel));
        frame->setGeometry(toPixels(kPanelRect));
        // Frames stack on one another: the one in front must cover the others completely.
        frame->setAutoFillBackground(true);
        m_frames[p] = frame;
    }
}

void PanelStack::ensureBuilt(const PanelEntry *entry) const
{
    if (!entry)
        return;
    const auto index = std::size_t(entry - kPanelRegistry.data());
    if (m_built[index])
        return;
    m_built[index] = true;
    const PanelSpec &panel = *entry->panel;
    QGroupBox *frame = m_frames[index];

    if (panel.hasPicture) {
        auto *picture = new Picture(QString::fromLatin1(kPictureResource), frame);
        picture->setObjectName(u"Image1"_s);
        picture->setAccessibleName(qs(kPictureName));
        picture->setGeometry(toPixels(kPictureRect));
    }
    for (const LabelSpec &label : panel.labels)
        addLabel(frame, label);

    for (const GroupSpec &groupSpec : panel.groups) {
        auto *group = new Frame(qs(groupSpec.caption), frame);
        group->setObjectName(qs(groupSpec.name));
        // Named by its own caption: left unnamed, it would take the panel's.
        group->setAccessibleName(qs(groupSpec.caption));
        group->setGeometry(toPixels(groupSpec.at));
        QList<TextLabel *> labels;
        for (const LabelSpec &label : groupSpec.labels)
            labels.append(addLabel(group, label));
        for (const OptionSpec &option : groupSpec.options) {
            // Option buttons with one parent exclude one another: one radio group per frame.
            auto *button = new QRadioButton(qs(option.caption), group);
            button->setObjectName(qs(option.name));
            button->setAccessibleName(qs(option.caption));
            button->setGeometry(toPixels(option.at));
            m_options.insert(button->objectName(), button);
            QObject::connect(button, &QAbstractButton::toggled, button, [button](bool on) {
                if (on)
                    makeTabStop(button);
            });
        }
        if (!groupSpec.options.empty())
            m_options.value(qs(groupSpec.options.front().name))->setChecked(true);
        // The lists form one control array named after the panel, indexed from 0.
        QList<QRect> lists;
        for (std::size_t i = 0; i < groupSpec.lists.size(); ++i) {
            m_combos[i] = addList(group, qs(panel.key) + u"_combo"_s, groupSpec.lists[i], int(i));
            lists.append(m_combos[i]->geometry());
        }
        // The lists stand on the lines of the member label that name them.
        if (!lists.isEmpty() && !labels.isEmpty())
            labels.front()->keepClearOf(lists);
    }

    // Widgets made inside a window that is already shown stay hidden until shown themselves.
    if (frame->isVisible()) {
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->show();
    }
    // The panel's controls take their place in the tab order after those built before them,
    // ahead of the code box, rather than at the end of the window's chain.
    if (m_lastInTabOrder) {
        for (QWidget *widget : frame->findChildren<QWidget *>()) {
            // Popups of the lists are windows of their own, and a list passes its focus on.
            if (widget->focusPolicy() == Qt::NoFocus || widget->focusProxy()
                || widget->window() != frame->window())
                continue;
            QWidget::setTabOrder(m_lastInTabOrder, widget);
            m_lastInTabOrder = widget;
        }
    }
}

void PanelStack::buildAll() const
{
    for (const PanelEntry &entry : kPanelRegistry)
        ensureBuilt(&entry);
}

void PanelStack::bringToFront(QStringView key)
{
    const PanelEntry *entry = findPanel(key);
    if (!entry)
        return;
    ensureBuilt(entry);
    QGroupBox *front = m_frames[std::size_t(entry - kPanelRegistry.data())];
    front->show();
    front->raise();
    // The frames behind are hidden as well as covered, so that only the panel in front takes
    // the keyboard focus and is reported to assistive technology. Hiding them changes nothing
    // a user can see, and they keep every state.
    for (QGroupBox *frame : m_frames) {
        if (frame != front)
            frame->hide();
    }
}

QComboBox *PanelStack::combo(int index) const
{
    if (index < 0 || index >= int(m_combos.size()))
        return nullptr;
    ensureBuilt(panelOfLists());
    return m_combos[std::size_t(index)];
}

bool PanelStack::isSelected(QStringView option) const
{
    ensureBuilt(panelOfOption(option));
    const QRadioButton *button = m_options.value(option.toString());
    return button && button->isChecked();
}

QString PanelStack::comboText(int index) const
{
    const QComboBox *list = combo(index);
    return list ? list->lineEdit()->text() : QString();
}
