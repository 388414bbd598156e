// Drives the real window the way a user does: clicks on tree nodes through their rectangles on
// the viewport, clicks on option buttons and command buttons, picks and types in the lists.
// Message boxes are answered through the window's seam, and every request is recorded.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDrag>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

#include "app/codebox.h"
#include "app/mainform.h"
#include "app/messages.h"
#include "model/paneltables.h"
#include "panels/panelstack.h"
#include "tree/librarytree.h"

using namespace Qt::StringLiterals;

// The metrics of `font` by the face's own widths. Columns padded with blanks line up by the
// design: the Chinese faces give Latin letters and blanks half an ideograph. Rasterizers may
// round single glyphs otherwise (Qt's FreeType engine hints fully on Windows's offscreen
// platform, where AR PL UMing stands in for SimSun).
inline QFontMetricsF designMetrics(QFont font)
{
    font.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(font);
}

class RecordingBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton answer = QMessageBox::No;
    std::vector<MessageRequest> asked;

    QMessageBox::StandardButton ask(QWidget *, const MessageRequest &request) override
    {
        asked.push_back(request);
        return request.buttons.testFlag(answer) ? answer : QMessageBox::Ok;
    }
};

// Looks out for drags of Qt's drag and drop under `scope`. Such a drag runs a session of the
// platform, on X11 with a pointer grab of its own; none may start from the window. A drag that
// starts is noted and cancelled at once, so the test goes on instead of waiting in its loop.
class DragWatch {
public:
    explicit DragWatch(QObject *scope)
    {
        m_poll.setInterval(0);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this, scope] {
            if (scope->findChild<QDrag *>()) {
                started = true;
                QDrag::cancel();
            }
        });
        m_poll.start();
    }
    bool started = false;

private:
    QTimer m_poll;
};

// While it lives, drops the two notices the offscreen platform gives for every popup menu (it
// can neither raise it nor grab the keyboard for it); other messages go on as before.
class QuietPopupNotices {
public:
    QuietPopupNotices() { s_previous = qInstallMessageHandler(&filter); }
    ~QuietPopupNotices() { qInstallMessageHandler(s_previous); }
    QuietPopupNotices(const QuietPopupNotices &) = delete;
    QuietPopupNotices &operator=(const QuietPopupNotices &) = delete;

private:
    static void filter(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (text == u"This plugin does not support raise()"_s
            || text == u"This plugin does not support grabbing the keyboard"_s)
            return;
        if (s_previous)
            s_previous(type, context, text);
    }
    static inline QtMessageHandler s_previous = nullptr;
};

class WindowDriver {
public:
    RecordingBoxes boxes;
    std::unique_ptr<MainForm> window;

    WindowDriver()
        : window(std::make_unique<MainForm>(&boxes))
    {
        window->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
    }

    // Panels are made when first raised; a test may look at any of them before that.
    template <typename W> W *find(const QString &name) const
    {
        if (W *widget = window->findChild<W *>(name))
            return widget;
        window->panels().buildAll();
        return window->findChild<W *>(name);
    }

    LibraryTree *tree() const { return window->treeView(); }

    // Expands the node's ancestors and clicks the node where it is drawn.
    void clickNode(const QString &key)
    {
        QTreeWidgetItem *item = tree()->itemForKey(key);
        QVERIFY2(item, qPrintable(key));
        for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
            p->setExpanded(true);
        tree()->scrollToItem(item);
        QCoreApplication::processEvents(); // let the tree lay out what was expanded
        // Where the row is visible: long names reach past the viewport's right edge.
        const QRect row = tree()->visualItemRect(item) & tree()->viewport()->rect();
        QVERIFY2(!row.isEmpty() && tree()->itemAt(row.center()) == item, qPrintable(key));
        const QPoint at = row.center();
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, at);
    }

    void clickOption(const QString &name)
    {
        auto *button = find<QRadioButton>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    QComboBox *list(int index) const { return window->panels().combo(index); }

    // Picks a row of a list as a user does from its drop-down.
    void pick(int index, int row) { list(index)->setCurrentIndex(row); }

    // Replaces a list's text by typing it.
    void type(int index, const QString &text)
    {
        QLineEdit *edit = list(index)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, text);
    }

    // Types text as an input method commits it, so that any character can be entered.
    static void typeText(QWidget *widget, const QString &text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(widget, &event);
    }

    // Opens the widget's own context menu at `at` and picks the item of that object name
    // ("edit-paste", "edit-copy", "edit-cut") as a user does: with Return if it is enabled, else
    // the menu is closed with Escape. Returns whether the item was there and enabled; the menu
    // is closed again either way.
    static bool chooseFromContextMenu(QWidget *widget, QPoint at, const QString &item)
    {
        const QuietPopupNotices quiet;
        bool chosen = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            poll.stop();
            auto *action = menu->findChild<QAction *>(item);
            chosen = action && action->isEnabled();
            if (chosen)
                menu->setActiveAction(action);
            QTest::keyClick(menu, chosen ? Qt::Key_Return : Qt::Key_Escape);
        });
        poll.start();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        // The text widgets pop their menus up and return at once.
        [[maybe_unused]] const bool answered = QTest::qWaitFor([&] { return !poll.isActive(); });
        return chosen;
    }

    void generate() { QTest::mouseClick(find<QPushButton>(u"buildcode"_s), Qt::LeftButton); }
    void copy() { QTest::mouseClick(find<QPushButton>(u"copycode"_s), Qt::LeftButton); }

    QString code() const { return window->showcode()->text(); }
    QString tips() const { return window->tips()->text(); }
    QString selectedKey() const { return window->adc().SelectedKey; }

    // The centre of the rectangle that all panels share, in the window.
    static QPoint panelCentre() { return toPixels(kPanelRect).center(); }

    // The panel the user sees: the frame drawn at the centre of the panels' rectangle.
    QString frameInFront() const
    {
        QWidget *w = window->childAt(panelCentre());
        while (w && w->parentWidget() != window.get())
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }
};
