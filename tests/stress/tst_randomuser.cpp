// A random user. One seeded run drives the real window with many thousand actions: clicks and
// arrow keys on every tree node, option clicks, typing, input-method commits and pastes into the
// six lists and into showcode, pastes with nothing to paste, drags of selected text, generate,
// copy by the button and by the keys, the help tip and the close request (answered No).
// After every action it checks what must always hold: the key in SelectedKey names the panel in
// front, every group keeps one selected option, the lists hold one line each, a generated
// fragment has the shape of its panel, copy puts exactly the text of showcode on the clipboard,
// and actions that must change nothing change nothing.
//
// PINWRIGHT_STRESS_SEED   the run's seed (printed at the start and on a failure); a fixed one by
//                         default, so that every run of the suite is the same; "random" for a
//                         fresh one
// PINWRIGHT_STRESS_ACTIONS the number of actions (20000 by default; less under the sanitizers)
// PINWRIGHT_STRESS_TRACE  set to 1 to print every action as it is made (to find a crash)
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>
#include <deque>
#include <random>

#include "app/codebox.h"
#include "app/mainform.h"
#include "app/messages.h"
#include "codegen/adc.h"
#include "model/nodetable.h"
#include "panels/oneline.h"
#include "tree/librarytree.h"
#include "windowdriver.h"

#ifndef PINWRIGHT_STRESS_DEFAULT_ACTIONS
#define PINWRIGHT_STRESS_DEFAULT_ACTIONS 20000
#endif

using namespace Qt::StringLiterals;

namespace {

// What the panels hold, from the product's own tables: the keys of the panels, and their
// option buttons group by group. A panel's controls may be made only when it is first raised;
// until then every group is as the window opens, with its first option selected.
struct PanelData {
    QStringList keys;
    QStringList keysWithOptions;
    QList<QStringList> optionGroups;
    QHash<QString, QString> panelOfOption;
};

const PanelData &panelData()
{
    static const PanelData data = [] {
        PanelData d;
        for (const PanelEntry &entry : kPanelRegistry) {
            const QString key = entry.key().toString();
            d.keys.append(key);
            for (const GroupSpec &group : entry.panel->groups) {
                if (group.options.empty())
                    continue;
                if (!d.keysWithOptions.contains(key))
                    d.keysWithOptions.append(key);
                QStringList names;
                for (const OptionSpec &option : group.options) {
                    names.append(qs(option.name));
                    d.panelOfOption.insert(names.last(), key);
                }
                d.optionGroups.append(names);
            }
        }
        return d;
    }();
    return data;
}

const QString kFixedText = u"真的没想到，你竟然会在这个界面点击“生成代码”,人才吖！\r\n\r\n"
                           u"触发隐藏剧情。。。\r\n\r\n"
                           u"那年夏天...(此处省略N个字)"_s;
const QString kStructInitText = u"/* Initialize a ADC_InitTypeDef structure. */\r\n"
                                u"ADC_InitTypeDef ADC_InitStructure;\r\n"
                                u"ADC_StructInit(&ADC_InitStructure);"_s;
const QString kHelpText =
    u"请先选择好函数的配置，然后点击生成代码，左边就会有代码生成，然后可以点击"
    u"复制，粘贴到你的IDE里用啦"_s;

// The fragments of the single-call panels. `adc` is the ADC named by comment and call alike,
// decided by the panel's first option; `state` and `source` come from the later groups.
struct CallShape {
    QString key;
    QString pattern;
    QString adcOption;
    QString stateOption; // empty: the call takes no state
};

const CallShape kCallShapes[] = {
    {u"ADC1"_s,
     uR"(/\* Resets (?<adc>ADC[12]) \*/\r\n)"
     uR"(ADC_DeInit\(\k<adc>\);)"_s,
     u"ADC1_option1"_s,
     {}},
    {u"ADC4"_s,
     uR"(/\* (?<comment>Enable|Disable) (?<adc>ADC[12]) \*/\r\n)"
     uR"(ADC_Cmd\(\k<adc>,(?<state>ENABLE|DISABLE)\);)"_s,
     u"ADC4_option1"_s, u"ADC4_option3"_s},
    {u"ADC5"_s,
     uR"(/\* (?<adc>ADC[12]) DMA transfer \*/\r\n)"
     uR"(ADC_DMACmd\(\k<adc>,(?<state>ENABLE|DISABLE)\);)"_s,
     u"ADC5_option1"_s, u"ADC5_option3"_s},
    {u"ADC6"_s,
     uR"(/\* (?<adc>ADC[12]) interrupts config\*/\r\n)"
     uR"(ADC_ITConfig\(\k<adc>,(?<source>ADC_IT_EOC|ADC_IT_AWD|ADC_IT_JEOC),)"
     uR"((?<state>ENABLE|DISABLE)\);)"_s,
     u"ADC6_option1"_s, u"ADC6_option6"_s},
    {u"ADC7"_s,
     uR"(/\* Reset the (?<adc>ADC[12]) Calibration registers \*/\r\n)"
     uR"(ADC_ResetCalibration\(\k<adc>\);)"_s,
     u"ADC7_option1"_s,
     {}},
    {u"ADC8"_s,
     uR"(/\* Get the (?<adc>ADC[12]) reset calibration registers status \*/\r\n)"
     uR"(FlagStatus Status;\r\n)"
     uR"(Status = ADC_GetResetCalibrationStatus\(\k<adc>\);)"_s,
     u"ADC8_option1"_s,
     {}},
    {u"ADC9"_s,
     uR"(/\* Start the (?<adc>ADC[12]) Calibration \*/\r\n)"
     uR"(ADC_StartCalibration\(\k<adc>\);)"_s,
     u"ADC9_option1"_s,
     {}},
    {u"ADC10"_s,
     uR"(/\* Get the (?<adc>ADC[12]) calibration status \*/\r\n)"
     uR"(FlagStatus Status;\r\n)"
     uR"(Status = ADC_GetCalibrationStatus\(\k<adc>\);)"_s,
     u"ADC10_option1"_s,
     {}},
};

const QStringList kModeConstants = {u"ADC_Mode_Independent"_s,
                                    u"ADC_Mode_RegInjecSimult"_s,
                                    u"ADC_Mode_RegSimult_AlterTrig"_s,
                                    u"ADC_Mode_InjecSimult_FastInterl"_s,
                                    u"ADC_Mode_InjecSimult_SlowInterl"_s,
                                    u"ADC_Mode_InjecSimult"_s,
                                    u"ADC_Mode_RegSimult"_s,
                                    u"ADC_Mode_FastInterl"_s,
                                    u"ADC_Mode_SlowInterl"_s,
                                    u"ADC_Mode_AlterTrig"_s};
const QStringList kTriggerConstants = {
    u"ADC_ExternalTrigConv_T1_CC1"_s,   u"ADC_ExternalTrigConv_T1_CC2"_s,
    u"ADC_ExternalTrigConv_T1_CC3"_s,   u"ADC_ExternalTrigConv_T2_CC2"_s,
    u"ADC_ExternalTrigConv_T3_TRGO"_s,  u"ADC_ExternalTrigConv_T4_CC4"_s,
    u"ADC_ExternalTrigConv_Ext_IT11"_s, u"ADC_ExternalTrigConv_None"_s};

// A deterministic source of choices: the same seed gives the same run on every machine.
class Dice {
public:
    explicit Dice(quint64 seed)
        : m_engine(seed)
    {
    }
    int below(int n) { return int(m_engine() % quint64(n)); }
    bool percent(int p) { return below(100) < p; }
    template <typename List> const auto &pick(const List &list)
    {
        return list[below(int(std::size(list)))];
    }

private:
    std::mt19937_64 m_engine;
};

QString chars(std::initializer_list<char16_t> units)
{
    QString text;
    for (char16_t unit : units)
        text += QChar(unit);
    return text;
}

// Pieces of hostile and ordinary input a user may type or paste.
const QStringList kPieces = {
    u""_s,
    u"1"_s,
    u"16"_s,
    u"17"_s,
    u"0"_s,
    u"-1"_s,
    u"999999999999"_s,
    u"abc"_s,
    u"ADC2"_s,
    u" "_s,
    u"使能"_s,
    u"不使能"_s,
    u"独立模式"_s,
    u"独立模式 "_s,
    u"同步规则模式和快速交替模式"_s,
    u"定时器3 的TRGO 作为转换外部触发"_s,
    u"转换由软件而不是外部触发启动"_s,
    u"ADC数据右对齐"_s,
    u"ADC数据左对齐"_s,
    u"\"); } /* */ int x = (\""_s,
    u"%s%n%x"_s,
    u"<b>粗体</b>&amp;"_s,
    chars({0}),
    chars({u'a', 0, u'b'}),
    chars({1, 2, 3, 7, 8, 0x1b, 0x7f}),
    chars({u'\t'}),
    chars({0xd800}),
    chars({0xdc00}),
    chars({0xdbff, u'x'}),
    chars({0xdc00, 0xd800}),
    chars({0x200f}),
    chars({0x202e, u'A', u'D', u'C', 0x202c}),
    chars({0x061c}),
    u"مرحبا"_s,
    u"שלום"_s,
    u"😀"_s,
    u"👩‍💻"_s,
    u"🇨🇳"_s,
    u"👍🏽"_s,
    chars({u'e', 0x0301, 0x0301, 0x0301}),
    chars({0x200b, 0x200d, 0xfeff}),
    chars({0x00a0}),
    chars({0xfdd0}),
    chars({0xfdd1}),
    chars({0xfffe, 0xffff}),
    u"\n"_s,
    u"\r\n"_s,
    u"\r"_s,
    chars({0x2028}),
    chars({0x2029}),
    chars({0x85}),
    chars({u'\v', u'\f'}),
    u"ADC1\nADC2\n"_s,
    u"第一行\r\n第二行\r\n第三行"_s,
    u"\n\n\n"_s,
};

QString randomText(Dice &dice)
{
    if (dice.percent(2)) {
        // 64 KiB of mixed text, lines and all; the cut may split a surrogate pair.
        QString big;
        big.reserve(65536 + 64);
        while (big.size() < 65536)
            big += dice.pick(kPieces);
        big.truncate(65536);
        return big;
    }
    QString text;
    for (int n = dice.below(5); n >= 0; --n)
        text += dice.pick(kPieces);
    return text;
}

QString describe(const QString &text)
{
    QString shown;
    for (QChar c : QStringView(text).left(24)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            shown += c;
        else
            shown += u"\\u%1"_s.arg(int(c.unicode()), 4, 16, QChar(u'0'));
    }
    return u"%1 chars \"%2%3\""_s.arg(text.size()).arg(shown, text.size() > 24 ? u"…"_s : u""_s);
}

QString describeAll(const QStringList &texts)
{
    QStringList described;
    for (const QString &text : texts)
        described.append(describe(text));
    return described.join(u", "_s);
}

// What the user can see of the window, to tell which actions changed what.
struct Snapshot {
    QString selectedKey;
    QString front;
    QString code;
    QString tips;
    QList<bool> options;
    QStringList lists;
    bool operator==(const Snapshot &) const = default;
};

class RandomUser {
public:
    explicit RandomUser(quint64 seed)
        : m_dice(seed)
        , m_window(*m_driver.window)
        , m_trace(qEnvironmentVariableIntValue("PINWRIGHT_STRESS_TRACE") != 0)
    {
    }

    void start();
    void act(int index);
    QStringList recentActions() const { return {m_recent.begin(), m_recent.end()}; }

private:
    void note(const QString &action);

    // Actions.
    void clickNode(QTreeWidgetItem *item);
    void clickRandomNode();
    void pressTreeKey();
    void bringToFront(const QString &key);
    void clickOption();
    void editList();
    void editShowcode();
    void enterText(QWidget *target, const QString &text);
    struct TextField {
        QWidget *keys = nullptr; // takes the keys
        QWidget *area = nullptr; // takes the clicks
        QString name;
    };
    TextField pickTextField(int listPercent);
    void pasteNothing();
    void dragText();
    void pressEditingKey(QWidget *target);
    void generate();
    void copy();
    void clickTips();
    void requestClose();

    // Checks.
    Snapshot snapshot();
    QString frameInFront() const;
    QString topmostFrame() const;
    QRadioButton *option(const QString &name);
    QComboBox *list(int index);
    QString listText(int index);
    bool optionOn(int group, int position);
    bool optionOn(const QString &name);
    void checkAlways();
    void checkFragment();
    void checkInitFragment(const QString &code);

    Dice m_dice;
    WindowDriver m_driver; // answers No to closing, OK to the help
    MainForm &m_window;
    bool m_trace;
    QString m_expectedKey = u"ABOUT"_s;
    QList<QTreeWidgetItem *> m_nodes;
    QList<const QObject *> m_frames; // in the order of panelData().keys
    QHash<QString, QRadioButton *> m_options;
    std::array<QComboBox *, 6> m_lists{};
    std::deque<QString> m_recent;
};

void RandomUser::start()
{
    m_window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_window));

    for (QTreeWidgetItemIterator it(m_window.treeView()); *it; ++it)
        m_nodes.append(*it);
    QCOMPARE(m_nodes.size(), qsizetype(kLibraryNodes.size()));
    for (const QString &key : panelData().keys) {
        auto *frame = m_window.findChild<QGroupBox *>(key, Qt::FindDirectChildrenOnly);
        QVERIFY2(frame, qPrintable(key));
        m_frames.append(frame);
    }
    checkAlways();
}

void RandomUser::note(const QString &action)
{
    if (m_trace)
        qInfo("%s", qPrintable(action));
    m_recent.push_back(action);
    if (m_recent.size() > 12)
        m_recent.pop_front();
}

void RandomUser::act(int index)
{
    note(u"#%1"_s.arg(index));
    // Between two actions the window handles what is pending: layouts, repaints, deletions.
    QCoreApplication::processEvents();
    const int roll = m_dice.below(100);
    if (roll < 20)
        clickRandomNode();
    else if (roll < 33)
        pressTreeKey();
    else if (roll < 46)
        clickOption();
    else if (roll < 60)
        editList();
    else if (roll < 70)
        editShowcode();
    else if (roll < 73)
        pasteNothing();
    else if (roll < 76)
        dragText();
    else if (roll < 87)
        generate();
    else if (roll < 93)
        copy();
    else if (roll < 97)
        clickTips();
    else
        requestClose();
    if (!QTest::currentTestFailed())
        checkAlways();
}

void RandomUser::clickNode(QTreeWidgetItem *item)
{
    LibraryTree *tree = m_window.treeView();
    const QString key = LibraryTree::keyOf(item);
    note(u"click node %1"_s.arg(key));
    const Snapshot before = snapshot();
    m_driver.clickNode(key);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(tree->currentItem() == item, qPrintable(key));
    if (panelData().keys.contains(key))
        m_expectedKey = key;
    Snapshot after = snapshot();
    QCOMPARE(after.selectedKey, m_expectedKey);
    // A click moves the panel in front and nothing else.
    after.selectedKey = before.selectedKey;
    after.front = before.front;
    QVERIFY2(after == before, qPrintable(key));
}

void RandomUser::clickRandomNode()
{
    clickNode(m_dice.pick(m_nodes));
}

void RandomUser::pressTreeKey()
{
    static const Qt::Key keys[] = {Qt::Key_Up,   Qt::Key_Down, Qt::Key_Left,     Qt::Key_Right,
                                   Qt::Key_Home, Qt::Key_End,  Qt::Key_PageDown, Qt::Key_PageUp};
    LibraryTree *tree = m_window.treeView();
    const Qt::Key key = m_dice.pick(keys);
    note(u"tree key %1"_s.arg(QKeySequence(key).toString()));
    const QTreeWidgetItem *current = tree->currentItem();
    tree->setFocus();
    const Snapshot before = snapshot();
    QTest::keyClick(tree, key);
    // The keyboard moving the current node counts as a click on it.
    if (tree->currentItem() != current) {
        const QString moved = LibraryTree::keyOf(tree->currentItem());
        note(u"  now at %1"_s.arg(moved));
        if (panelData().keys.contains(moved))
            m_expectedKey = moved;
    }
    Snapshot after = snapshot();
    QCOMPARE(after.selectedKey, m_expectedKey);
    after.selectedKey = before.selectedKey;
    after.front = before.front;
    QVERIFY(after == before);
}

// A user can only use what is visible: raise the panel through the tree first.
void RandomUser::bringToFront(const QString &key)
{
    if (frameInFront() != key)
        clickNode(m_window.treeView()->itemForKey(key));
}

void RandomUser::clickOption()
{
    if (!panelData().keysWithOptions.contains(frameInFront()))
        bringToFront(m_dice.pick(panelData().keysWithOptions));
    if (QTest::currentTestFailed())
        return;
    const QString front = frameInFront();
    QStringList names;
    for (const QStringList &group : panelData().optionGroups) {
        if (group.first().startsWith(front + u"_option"_s))
            names += group;
    }
    QRadioButton *button = option(m_dice.pick(names));
    QVERIFY2(button, qPrintable(front));
    note(u"click option %1"_s.arg(button->objectName()));

    Snapshot before = snapshot();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QVERIFY2(button->isChecked(), qPrintable(button->objectName()));
    // Only the options of that one group may have changed.
    Snapshot after = snapshot();
    qsizetype i = 0;
    for (const QStringList &group : panelData().optionGroups) {
        for (qsizetype end = i + group.size(); i < end; ++i) {
            if (group.contains(button->objectName()))
                after.options[i] = before.options[i];
        }
    }
    QVERIFY(after == before);
}

void RandomUser::editList()
{
    bringToFront(u"ADC2"_s);
    if (QTest::currentTestFailed())
        return;
    const int index = m_dice.below(6);
    QComboBox *combo = list(index);
    QVERIFY2(combo, "the lists of ADC2 are there once it is in front");
    QLineEdit *field = combo->lineEdit();
    QTest::mouseClick(field, Qt::LeftButton, {},
                      QPoint(m_dice.below(field->width()), field->height() / 2));

    const Snapshot before = snapshot();
    const int how = m_dice.below(10);
    if (how < 2) {
        const Qt::Key key = m_dice.percent(50) ? Qt::Key_Down : Qt::Key_Up;
        note(u"list %1: key %2"_s.arg(index).arg(QKeySequence(key).toString()));
        QTest::keyClick(combo, key);
    } else if (how < 4) {
        note(u"list %1: editing key"_s.arg(index));
        pressEditingKey(combo);
    } else {
        if (m_dice.percent(50)) {
            note(u"list %1: select all"_s.arg(index));
            QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
        }
        const QString text = randomText(m_dice);
        note(u"list %1: enter %2"_s.arg(index).arg(describe(text)));
        enterText(combo, text);
    }
    if (QTest::currentTestFailed())
        return;
    // Typing into a list changes that list's text and nothing else.
    Snapshot after = snapshot();
    after.lists[index] = before.lists[index];
    QVERIFY(after == before);
}

void RandomUser::editShowcode()
{
    CodeBox *code = m_window.showcode();
    QWidget *area = code->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {},
                      QPoint(m_dice.below(area->width()), m_dice.below(area->height())));

    const Snapshot before = snapshot();
    if (m_dice.percent(30)) {
        note(u"showcode: editing key"_s);
        pressEditingKey(code);
    } else {
        if (m_dice.percent(40)) {
            note(u"showcode: select all"_s);
            QTest::keyClick(code, Qt::Key_A, Qt::ControlModifier);
        }
        const QString text = randomText(m_dice);
        note(u"showcode: enter %1"_s.arg(describe(text)));
        enterText(code, text);
    }
    if (QTest::currentTestFailed())
        return;
    Snapshot after = snapshot();
    after.code = before.code;
    QVERIFY(after == before);
}

// Enters text the way a user can: key by key, as an input method commits it, or by pasting.
void RandomUser::enterText(QWidget *target, const QString &text)
{
    const int how = text.size() > 64 ? 2 : m_dice.below(3);
    if (how == 0) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == u'\n' || c == u'\r') {
                QTest::keyClick(target, Qt::Key_Return);
            } else if (c.unicode() > 0x20 && c.unicode() < 0x7f) {
                QTest::keyClick(target, char(c.unicode()));
            } else {
                // One key per code point; a pair of surrogates travels in one event.
                const qsizetype n =
                    c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                        ? 2
                        : 1;
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, n),
                                    Qt::NoModifier);
                i += n - 1;
            }
        }
    } else if (how == 1) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(target, &commit);
    } else {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }
}

// Where text is entered: a list of ADC_Init in `listPercent` of the cases (its panel raised
// first, as a user must), else showcode. Null keys when raising the panel failed.
RandomUser::TextField RandomUser::pickTextField(int listPercent)
{
    if (!m_dice.percent(listPercent))
        return {m_window.showcode(), m_window.showcode()->viewport(), u"showcode"_s};
    bringToFront(u"ADC2"_s);
    if (QTest::currentTestFailed())
        return {};
    const int index = m_dice.below(6);
    return {list(index), list(index)->lineEdit(), u"list %1"_s.arg(index)};
}

// A paste with nothing to paste, into showcode or a list, by a key or the context menu: the
// clipboard cleared, holding data without formats (what an empty X11 clipboard gives), or data
// that is not text. It changes nothing, not even a selection it would replace.
void RandomUser::pasteNothing()
{
    const auto [keys, area, where] = pickTextField(50);
    if (!keys)
        return;
    const QPoint at(m_dice.below(area->width()), m_dice.below(area->height()));
    QTest::mouseClick(area, Qt::LeftButton, {}, at);
    if (m_dice.percent(50))
        QTest::keyClick(keys, Qt::Key_A, Qt::ControlModifier);

    const int contents = m_dice.below(3);
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (contents == 0) {
        clipboard->clear();
    } else {
        auto *data = new QMimeData;
        if (contents == 2)
            data->setData(u"application/octet-stream"_s, QByteArrayLiteral("\x01\x02"));
        clipboard->setMimeData(data);
    }
    const int how = m_dice.below(3);
    note(u"%1: paste %2 by %3"_s.arg(where,
                                     contents == 0   ? u"a cleared clipboard"_s
                                     : contents == 1 ? u"data without formats"_s
                                                     : u"data without text"_s,
                                     how == 0   ? u"Ctrl+V"_s
                                     : how == 1 ? u"Shift+Insert"_s
                                                : u"the context menu"_s));
    const Snapshot before = snapshot();
    if (how == 0)
        QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
    else if (how == 1)
        QTest::keyClick(keys, Qt::Key_Insert, Qt::ShiftModifier);
    else
        WindowDriver::chooseFromContextMenu(area, at, u"edit-paste"_s);
    QVERIFY(snapshot() == before);
}

// A drag of selected text, from showcode or from a list's field, released over a control of
// the window, somewhere in showcode or outside the window, or given up with Escape. No drag of
// Qt's drag and drop may start: on X11 one can keep the pointer. Text dragged within showcode
// moves there; anything else changes nothing.
void RandomUser::dragText()
{
    CodeBox *code = m_window.showcode();
    const auto [keys, area, from] = pickTextField(30);
    if (!keys)
        return;
    QTest::mouseClick(area, Qt::LeftButton, {},
                      QPoint(m_dice.below(area->width()), m_dice.below(area->height())));
    if (m_dice.percent(50)) {
        QTest::keyClick(keys, Qt::Key_A, Qt::ControlModifier);
    } else {
        const Qt::Key key = m_dice.percent(50) ? Qt::Key_Left : Qt::Key_Right;
        for (int n = 1 + m_dice.below(12); n > 0; --n)
            QTest::keyClick(keys, key, Qt::ShiftModifier);
    }

    // The press: on the selection where it shows, else anywhere in the field.
    QPoint start(m_dice.below(area->width()), m_dice.below(area->height()));
    if (area == code->viewport() && code->textCursor().hasSelection()) {
        QTextCursor on = code->textCursor();
        const int first = on.selectionStart();
        on.setPosition(first + m_dice.below(on.selectionEnd() - first + 1));
        const QPoint caret = code->cursorRect(on).center();
        if (area->rect().contains(caret))
            start = caret;
    }
    // Where the pointer ends, in the window: another control, a place in showcode, or outside.
    static const char *const targets[] = {"TreeView", "buildcode", "copycode", "Tips",
                                          "panels",   "showcode",  "outside"};
    const QString target = QString::fromLatin1(m_dice.pick(targets));
    QPoint end;
    if (target == u"panels"_s) {
        end = WindowDriver::panelCentre();
    } else if (target == u"outside"_s) {
        end = QPoint(-40, m_window.height() + 40);
    } else {
        const QWidget *control =
            target == u"showcode"_s ? code->viewport() : m_window.findChild<QWidget *>(target);
        end = control->mapTo(
            &m_window, QPoint(m_dice.below(control->width()), m_dice.below(control->height())));
    }
    const bool escape = m_dice.percent(15);
    note(u"drag from %1 to %2%3"_s.arg(from, target, escape ? u", Escape"_s : QString()));

    const Snapshot before = snapshot();
    const DragWatch watch(&m_window);
    // The field has the mouse from the press to the release, wherever the pointer goes.
    QTest::mousePress(area, Qt::LeftButton, {}, start);
    QTest::mouseMove(area, start + QPoint(QApplication::startDragDistance() + 1, 0));
    QTest::mouseMove(area, area->mapFrom(&m_window, end));
    if (escape)
        QTest::keyClick(keys, Qt::Key_Escape);
    QTest::mouseRelease(area, Qt::LeftButton, {}, area->mapFrom(&m_window, end));
    QCoreApplication::processEvents();
    QVERIFY2(!watch.started, "a drag of Qt's drag and drop started");
    QVERIFY(!QGuiApplication::overrideCursor());

    Snapshot after = snapshot();
    if (from == u"showcode"_s && target == u"showcode"_s && !escape) {
        // A move: the same characters, perhaps in another order.
        QString was = before.code;
        QString is = after.code;
        std::sort(was.begin(), was.end());
        std::sort(is.begin(), is.end());
        QVERIFY2(is == was, qPrintable(describe(after.code)));
        after.code = before.code;
    }
    QVERIFY(after == before);
}

void RandomUser::pressEditingKey(QWidget *target)
{
    struct Chord {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    static const Chord chords[] = {
        {Qt::Key_Backspace, {}},
        {Qt::Key_Delete, {}},
        {Qt::Key_Left, {}},
        {Qt::Key_Right, {}},
        {Qt::Key_Home, {}},
        {Qt::Key_End, {}},
        {Qt::Key_Return, {}},
        {Qt::Key_Left, Qt::ShiftModifier},
        {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_End, Qt::ControlModifier},
    };
    const Chord &chord = m_dice.pick(chords);
    note(u"  key %1"_s.arg(QKeySequence(chord.key | chord.modifiers).toString()));
    QTest::keyClick(target, chord.key, chord.modifiers);
}

void RandomUser::generate()
{
    auto *button = m_window.findChild<QPushButton *>(u"buildcode"_s);
    const Snapshot before = snapshot();
    if (m_dice.percent(20)) {
        note(u"generate (space on the focused button)"_s);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
    } else {
        note(u"generate"_s);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(m_window.tips()->text(), u"生成代码成功"_s);
    checkFragment();
    if (QTest::currentTestFailed())
        return;
    // Generating writes showcode and the status line, and reads everything else.
    Snapshot after = snapshot();
    after.code = before.code;
    after.tips = before.tips;
    QVERIFY(after == before);
}

void RandomUser::copy()
{
    const Snapshot before = snapshot();
    QGuiApplication::clipboard()->setText(u"something else"_s);
    // The button copies the whole box; the keys and the context menu copy the selection, here
    // all of it. Each way gives the same text.
    CodeBox *code = m_window.showcode();
    const int how = m_dice.below(6);
    if (how < 3) {
        note(u"copy"_s);
        QTest::mouseClick(m_window.findChild<QPushButton *>(u"copycode"_s), Qt::LeftButton);
        QCOMPARE(m_window.tips()->text(), u"复制代码成功"_s);
    } else {
        note(how == 3   ? u"copy: select all, Ctrl+C"_s
             : how == 4 ? u"copy: select all, Ctrl+Insert"_s
                        : u"copy: select all, context menu Copy"_s);
        QTest::keyClick(code, Qt::Key_A, Qt::ControlModifier);
        if (how == 3)
            QTest::keyClick(code, Qt::Key_C, Qt::ControlModifier);
        else if (how == 4)
            QTest::keyClick(code, Qt::Key_Insert, Qt::ControlModifier);
        else if (!code->toPlainText().isEmpty())
            QVERIFY(WindowDriver::chooseFromContextMenu(
                code->viewport(), code->viewport()->rect().center(), u"edit-copy"_s));
        if (code->toPlainText().isEmpty())
            return; // nothing is selected, and nothing is copied
    }
    // The clipboard takes showcode's text with its line breaks as plain LF.
    QString expected = code->text();
    expected.replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    Snapshot after = snapshot();
    after.tips = before.tips;
    QVERIFY(after == before);
}

void RandomUser::clickTips()
{
    QLabel *tips = m_window.tips();
    const QPoint at(m_dice.below(tips->width()), m_dice.below(tips->height()));
    const bool left = m_dice.percent(85);
    note(u"%1 click on Tips"_s.arg(left ? u"left"_s : u"right"_s));
    const Snapshot before = snapshot();
    const std::size_t asked = m_driver.boxes.asked.size();
    QTest::mouseClick(tips, left ? Qt::LeftButton : Qt::RightButton, {}, at);
    if (left) {
        QCOMPARE(m_driver.boxes.asked.size(), asked + 1);
        QCOMPARE(m_driver.boxes.asked.back().text, kHelpText);
        QCOMPARE(m_driver.boxes.asked.back().title, u"惊喜就是Help"_s);
        QCOMPARE(m_driver.boxes.asked.back().icon, QMessageBox::NoIcon);
        QCOMPARE(m_driver.boxes.asked.back().buttons,
                 QMessageBox::StandardButtons(QMessageBox::Ok));
    } else {
        QCOMPARE(m_driver.boxes.asked.size(), asked);
    }
    QVERIFY(snapshot() == before);
}

void RandomUser::requestClose()
{
    note(u"close, answered No"_s);
    const Snapshot before = snapshot();
    const std::size_t asked = m_driver.boxes.asked.size();
    QVERIFY(!m_window.close());
    QVERIFY(m_window.isVisible());
    QCOMPARE(m_driver.boxes.asked.size(), asked + 1);
    QCOMPARE(m_driver.boxes.asked.back().text, u"是否退出?"_s);
    QCOMPARE(m_driver.boxes.asked.back().title, u"Pinwright"_s);
    QCOMPARE(m_driver.boxes.asked.back().icon, QMessageBox::Information);
    QCOMPARE(m_driver.boxes.asked.back().buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(snapshot() == before);
}

Snapshot RandomUser::snapshot()
{
    Snapshot s{m_window.adc().SelectedKey,
               frameInFront(),
               m_window.showcode()->text(),
               m_window.tips()->text(),
               {},
               {}};
    for (int g = 0; g < panelData().optionGroups.size(); ++g) {
        for (int o = 0; o < panelData().optionGroups[g].size(); ++o)
            s.options.append(optionOn(g, o));
    }
    for (int i = 0; i < 6; ++i)
        s.lists.append(listText(i));
    return s;
}

QString RandomUser::frameInFront() const
{
    return m_driver.frameInFront();
}

// The panel last raised: the latest of the frames in the window's stacking order.
QString RandomUser::topmostFrame() const
{
    QString top;
    for (const QObject *child : m_window.children()) {
        if (m_frames.contains(child))
            top = child->objectName();
    }
    return top;
}

// The option button of that name once its panel has been made, else null. Looks only into its
// own panel, and never makes one: that is the user's doing.
QRadioButton *RandomUser::option(const QString &name)
{
    QRadioButton *&known = m_options[name];
    if (!known) {
        const QString key = panelData().panelOfOption.value(name);
        known = m_frames[panelData().keys.indexOf(key)]->findChild<QRadioButton *>(name);
    }
    return known;
}

bool RandomUser::optionOn(int group, int position)
{
    const QRadioButton *button = option(panelData().optionGroups[group][position]);
    return button ? button->isChecked() : position == 0;
}

bool RandomUser::optionOn(const QString &name)
{
    for (int g = 0; g < panelData().optionGroups.size(); ++g) {
        if (const int o = int(panelData().optionGroups[g].indexOf(name)); o >= 0)
            return optionOn(g, o);
    }
    return false;
}

QComboBox *RandomUser::list(int index)
{
    if (!m_lists[std::size_t(index)]) {
        const QObject *panel = m_frames[panelData().keys.indexOf(u"ADC2"_s)];
        for (QComboBox *combo : panel->findChildren<QComboBox *>(u"ADC2_combo"_s)) {
            const int at = combo->property("index").toInt();
            if (at >= 0 && at < 6)
                m_lists[std::size_t(at)] = combo;
        }
    }
    return m_lists[std::size_t(index)];
}

// A list not made yet is as the window opens: empty.
QString RandomUser::listText(int index)
{
    const QComboBox *combo = list(index);
    return combo ? combo->lineEdit()->text() : QString();
}

void RandomUser::checkAlways()
{
    const QString key = m_window.adc().SelectedKey;
    QVERIFY2(panelData().keys.contains(key), qPrintable(key));
    QCOMPARE(key, m_expectedKey);
    QCOMPARE(frameInFront(), key);
    QCOMPARE(topmostFrame(), key);
    QVERIFY(m_window.isVisible());

    for (int g = 0; g < panelData().optionGroups.size(); ++g) {
        int selected = 0;
        for (int o = 0; o < panelData().optionGroups[g].size(); ++o)
            selected += optionOn(g, o) ? 1 : 0;
        QVERIFY2(selected == 1, qPrintable(panelData().optionGroups[g].join(u", "_s)));
    }

    for (int i = 0; i < 6; ++i) {
        const QString text = listText(i);
        QVERIFY2(std::none_of(text.cbegin(), text.cend(), isLineBreak),
                 qPrintable(u"list %1 holds %2"_s.arg(i).arg(describe(text))));
    }
}

void RandomUser::checkFragment()
{
    const QString key = m_window.adc().SelectedKey;
    const QString code = m_window.showcode()->text();
    if (key == u"ABOUT"_s || key == u"ADC"_s) {
        QCOMPARE(code, kFixedText);
        return;
    }
    if (key == u"ADC2"_s) {
        checkInitFragment(code);
        return;
    }
    if (key == u"ADC3"_s) {
        QCOMPARE(code, kStructInitText);
        return;
    }
    for (const CallShape &shape : kCallShapes) {
        if (shape.key != key)
            continue;
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(shape.pattern));
        const QRegularExpressionMatch match = pattern.match(code);
        QVERIFY2(match.hasMatch(), qPrintable(u"%1: %2"_s.arg(key, describe(code))));
        QCOMPARE(match.captured(u"adc"), optionOn(shape.adcOption) ? u"ADC1"_s : u"ADC2"_s);
        if (!shape.stateOption.isEmpty()) {
            const QString state = optionOn(shape.stateOption) ? u"ENABLE"_s : u"DISABLE"_s;
            QCOMPARE(match.captured(u"state"), state);
        }
        if (key == u"ADC4"_s) {
            QCOMPARE(match.captured(u"comment"),
                     optionOn(u"ADC4_option3"_s) ? u"Enable"_s : u"Disable"_s);
        }
        if (key == u"ADC6"_s) {
            const QString source = optionOn(u"ADC6_option3"_s)   ? u"ADC_IT_EOC"_s
                                   : optionOn(u"ADC6_option4"_s) ? u"ADC_IT_AWD"_s
                                                                 : u"ADC_IT_JEOC"_s;
            QCOMPARE(match.captured(u"source"), source);
        }
        return;
    }
    QFAIL(qPrintable(u"no fragment shape for key "_s + key));
}

// Nine lines, each ending CR LF. The lists' texts reach lines 3 to 8: a two-way list gives one
// of its two values, lines 3 and 6 a library constant or the text itself, line 8 the text as typed.
void RandomUser::checkInitFragment(const QString &code)
{
    QStringList list;
    for (int i = 0; i < 6; ++i)
        list.append(listText(i));
    const QStringList lines = code.split(u"\r\n"_s);
    QVERIFY2(lines.size() == 10 && lines.last().isEmpty(),
             qPrintable(
                 u"%1 line breaks; lists hold %2"_s.arg(lines.size() - 1).arg(describeAll(list))));
    for (const QString &line : lines)
        QVERIFY2(std::none_of(line.cbegin(), line.cend(), isLineBreak), qPrintable(line));

    QCOMPARE(lines[0], u"/* Initialize the ADCx according to the ADC_InitStructure members */"_s);
    QCOMPARE(lines[1], u"ADC_InitTypeDef ADC_InitStructure;"_s);
    const auto value = [&lines](int line, const QString &prefix) {
        const QString &text = lines[line];
        return text.startsWith(prefix) && text.endsWith(u';')
                   ? text.mid(prefix.size(), text.size() - prefix.size() - 1)
                   : u"<malformed: %1>"_s.arg(text);
    };
    const QString mode = value(2, u"ADC_InitStructure.ADC_Mode = "_s);
    QVERIFY2(kModeConstants.contains(mode) || mode == list[0],
             qPrintable(describe(mode) + u" from "_s + describe(list[0])));
    QCOMPARE(value(3, u"ADC_InitStructure.ADC_ScanConvMode = "_s),
             list[1] == u"不使能"_s ? u"DISABLE"_s : u"ENABLE"_s);
    QCOMPARE(value(4, u"ADC_InitStructure.ADC_ContinuousConvMode = "_s),
             list[2] == u"使能"_s ? u"ENABLE"_s : u"DISABLE"_s);
    const QString trigger = value(5, u"ADC_InitStructure.ADC_ExternalTrigConv = "_s);
    QVERIFY2(kTriggerConstants.contains(trigger) || trigger == list[3] || trigger == u"ENABLE"_s
                 || trigger == u"DISABLE"_s,
             qPrintable(describe(trigger) + u" from "_s + describe(list[3])));
    QCOMPARE(value(6, u"ADC_InitStructure.ADC_DataAlign = "_s),
             list[4] == u"ADC数据右对齐"_s ? u"ADC_DataAlign_Right"_s : u"ADC_DataAlign_Left"_s);
    QCOMPARE(value(7, u"ADC_InitStructure.ADC_NbrOfChannel = "_s), list[5]);
    QCOMPARE(lines[8], optionOn(u"ADC2_option1"_s) ? u"ADC_Init(ADC1,&ADC_InitStructure);"_s
                                                   : u"ADC_Init(ADC2,&ADC_InitStructure);"_s);
}

} // namespace

// The suite's run; a fresh seed only when one is asked for.
constexpr quint64 kDefaultSeed = 20261207;

class TestRandomUser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomUser();
};

void TestRandomUser::randomUser()
{
    const QString asked = qEnvironmentVariable("PINWRIGHT_STRESS_SEED");
    bool seeded = false;
    quint64 seed = asked.toULongLong(&seeded);
    if (asked == u"random"_s)
        seed = QRandomGenerator::system()->generate64();
    else if (!seeded)
        seed = kDefaultSeed;
    bool counted = false;
    int actions = qEnvironmentVariableIntValue("PINWRIGHT_STRESS_ACTIONS", &counted);
    if (!counted)
        actions = PINWRIGHT_STRESS_DEFAULT_ACTIONS;
    qInfo("random user: %d actions, seed %llu (replay with PINWRIGHT_STRESS_SEED=%llu)", actions,
          seed, seed);

    // Qt Test aborts a test function that outlasts QTEST_FUNCTION_TIMEOUT (milliseconds; five
    // minutes unless set) with a fatal error that reads like a crash. A run too long for that
    // limit stops a little before it and says that it ran out of time.
    bool limited = false;
    qint64 limitMs = qEnvironmentVariableIntValue("QTEST_FUNCTION_TIMEOUT", &limited);
    if (!limited || limitMs <= 0)
        limitMs = 5 * 60 * 1000;
    const qint64 stopMs = limitMs - std::max<qint64>(limitMs / 20, 2000);
    QElapsedTimer clock;
    clock.start();

    RandomUser user(seed);
    user.start();
    if (QTest::currentTestFailed())
        return;
    for (int i = 0; i < actions; ++i) {
        if (clock.elapsed() >= stopMs) {
            QFAIL(qPrintable(u"out of time, not a fault of the program: %1 of %2 actions made "
                             u"without a failure before Qt Test's limit of %3 s for one test "
                             u"function (QTEST_FUNCTION_TIMEOUT)"_s.arg(i)
                                 .arg(actions)
                                 .arg(limitMs / 1000)));
        }
        user.act(i);
        if (QTest::currentTestFailed()) {
            qWarning("random user failed at action %d; replay with PINWRIGHT_STRESS_SEED=%llu\n"
                     "last actions:\n  %s",
                     i, seed, qPrintable(user.recentActions().join(u"\n  "_s)));
            return;
        }
    }
}

QTEST_MAIN(TestRandomUser)
#include "tst_randomuser.moc"
