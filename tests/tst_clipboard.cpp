// What goes in and out of the window through the clipboard and drag and drop: a paste of a
// clipboard that holds no text changes nothing, whichever way it comes, and a paste of a huge
// line takes as much of it as a line may hold, 32767 characters; every way of copying out
// of showcode gives the same text; a drag of showcode's selection moves it within the box and
// never starts a drag of the platform.
#include <QClipboard>
#include <QMimeData>

#include "windowdriver.h"

namespace {

enum class Contents { Cleared, NoFormats, NoText, HugeLine };
enum class Path { CtrlV, ShiftInsert, ContextMenu, Drop };
enum class Copy { Button, CtrlC, CtrlInsert, CtrlX, ShiftDelete, MenuCopy, MenuCut };

const char *name(Contents contents)
{
    switch (contents) {
    case Contents::Cleared:
        return "cleared clipboard";
    case Contents::NoFormats:
        return "data without formats";
    case Contents::NoText:
        return "data without text";
    case Contents::HugeLine:
        return "10 MB without a line break";
    }
    return "";
}

const char *name(Path path)
{
    switch (path) {
    case Path::CtrlV:
        return "Ctrl+V";
    case Path::ShiftInsert:
        return "Shift+Insert";
    case Path::ContextMenu:
        return "context menu";
    case Path::Drop:
        return "drop";
    }
    return "";
}

// What a desktop's clipboard may hand over when it has nothing to paste: no data at all, data
// whose owner names no format (X11 with no owner, or an owner that never answers), or data in
// a format that is not text; or far too much, which froze the window for minutes.
QMimeData *mimeData(Contents contents)
{
    if (contents == Contents::Cleared)
        return nullptr;
    auto *data = new QMimeData;
    if (contents == Contents::NoText)
        data->setData(u"application/octet-stream"_s, QByteArrayLiteral("\x00\x01\x02"));
    if (contents == Contents::HugeLine)
        data->setText(QString(10'000'000, u'x'));
    return data;
}

// Drops the data where a drag from another program would, if the widget takes it.
void drop(QWidget *widget, QPoint at, const QMimeData &data)
{
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted())
        return;
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &move);
    QDropEvent dropped(at, Qt::CopyAction, &data, {}, {});
    QApplication::sendEvent(widget, &dropped);
}

} // namespace

class TestClipboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pasteOfNothingOrOfTooMuch_data();
    void pasteOfNothingOrOfTooMuch();
    void copyCarriesWhatTheBoxShows_data();
    void copyCarriesWhatTheBoxShows();
    void dragMovesTextOnlyWithinTheBox_data();
    void dragMovesTextOnlyWithinTheBox();

private:
    QStringList texts() const;
    std::unique_ptr<WindowDriver> m_user;
};

void TestClipboard::initTestCase()
{
    m_user = std::make_unique<WindowDriver>();
    m_user->clickNode(u"ADC2"_s);
}

void TestClipboard::cleanupTestCase()
{
    m_user.reset();
}

// Everything a paste could reach: showcode and the six lists.
QStringList TestClipboard::texts() const
{
    QStringList all{m_user->code()};
    for (int i = 0; i < 6; ++i)
        all.append(m_user->list(i)->lineEdit()->text());
    return all;
}

void TestClipboard::pasteOfNothingOrOfTooMuch_data()
{
    QTest::addColumn<int>("target"); // -1 for showcode, else the list's index
    QTest::addColumn<Contents>("contents");
    QTest::addColumn<Path>("path");
    for (int target = -1; target < 6; ++target) {
        const QByteArray where = target < 0 ? "showcode" : "list " + QByteArray::number(target);
        for (Contents contents : {Contents::Cleared, Contents::NoFormats, Contents::NoText}) {
            for (Path path : {Path::CtrlV, Path::ShiftInsert, Path::ContextMenu, Path::Drop}) {
                QTest::addRow("%s, %s, %s", where.constData(), name(contents), name(path))
                    << target << contents << path;
            }
        }
    }
    QTest::addRow("showcode, %s, Ctrl+V", name(Contents::HugeLine))
        << -1 << Contents::HugeLine << Path::CtrlV;
}

void TestClipboard::pasteOfNothingOrOfTooMuch()
{
    QFETCH(int, target);
    QFETCH(Contents, contents);
    QFETCH(Path, path);

    // Some text in the target, all of it selected: a paste that did anything would show.
    QWidget *keys = nullptr;
    QWidget *area = nullptr;
    if (target < 0) {
        CodeBox *box = m_user->window->showcode();
        box->setText(u"int\u00a0x;\r\ny = 1;"_s);
        box->selectAll();
        keys = box;
        area = box->viewport();
    } else {
        m_user->type(target, u"独立模式"_s);
        QComboBox *list = m_user->list(target);
        list->lineEdit()->selectAll();
        keys = list;
        area = list->lineEdit();
    }
    const QStringList before = texts();

    QGuiApplication::clipboard()->setMimeData(mimeData(contents));
    const QPoint middle = area->rect().center();
    switch (path) {
    case Path::CtrlV:
        QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
        break;
    case Path::ShiftInsert:
        QTest::keyClick(keys, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Path::ContextMenu:
        // Whether the item is offered at all is the widget's business; choosing it must not
        // change anything.
        WindowDriver::chooseFromContextMenu(area, middle, u"edit-paste"_s);
        break;
    case Path::Drop: {
        const std::unique_ptr<QMimeData> data(mimeData(contents));
        const QMimeData none;
        drop(area, middle, data ? *data : none);
        break;
    }
    }
    QStringList after = before;
    if (contents == Contents::HugeLine)
        after.front() = QString(32767, u'x'); // in place of the selected text
    QCOMPARE(texts(), after);
    QVERIFY(m_user->window->isVisible());
}

void TestClipboard::copyCarriesWhatTheBoxShows_data()
{
    QTest::addColumn<Copy>("how");
    QTest::addColumn<int>("from"); // the selection, where the way copies a selection
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("left"); // showcode's text afterwards

    // No-break spaces are shown as spaces but are other characters; they stay what they are.
    const QString all = u"int\u00a0a;\n\tb\u00a0=\u00a0\u00a01;\n"_s;
    const QString shown = u"int\u00a0a;\r\n\tb\u00a0=\u00a0\u00a01;\r\n"_s;
    const int end = 16;
    QTest::newRow("复制代码") << Copy::Button << 3 << 10 << all << shown;
    QTest::newRow("Ctrl+C, all") << Copy::CtrlC << 0 << end << all << shown;
    QTest::newRow("Ctrl+C, across a line")
        << Copy::CtrlC << 3 << 10 << u"\u00a0a;\n\tb\u00a0"_s << shown;
    QTest::newRow("Ctrl+Insert") << Copy::CtrlInsert << 0 << end << all << shown;
    QTest::newRow("Ctrl+X") << Copy::CtrlX << 0 << end << all << QString();
    QTest::newRow("Ctrl+X, across a line")
        << Copy::CtrlX << 3 << 10 << u"\u00a0a;\n\tb\u00a0"_s << u"int=\u00a0\u00a01;\r\n"_s;
    QTest::newRow("Shift+Delete") << Copy::ShiftDelete << 0 << end << all << QString();
    QTest::newRow("context menu Copy") << Copy::MenuCopy << 0 << end << all << shown;
    QTest::newRow("context menu Cut") << Copy::MenuCut << 0 << end << all << QString();
}

void TestClipboard::copyCarriesWhatTheBoxShows()
{
    QFETCH(Copy, how);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, copied);
    QFETCH(QString, left);

    CodeBox *box = m_user->window->showcode();
    box->setText(u"int\u00a0a;\r\n\tb\u00a0=\u00a0\u00a01;\r\n"_s);
    QTextCursor selection = box->textCursor();
    selection.setPosition(from);
    selection.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(selection);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(u"something else"_s);

    const QPoint middle = box->viewport()->rect().center();
    switch (how) {
    case Copy::Button:
        m_user->copy();
        break;
    case Copy::CtrlC:
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        break;
    case Copy::CtrlInsert:
        QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
        break;
    case Copy::CtrlX:
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        break;
    case Copy::ShiftDelete:
        QTest::keyClick(box, Qt::Key_Delete, Qt::ShiftModifier);
        break;
    case Copy::MenuCopy:
        QVERIFY(WindowDriver::chooseFromContextMenu(box->viewport(), middle, u"edit-copy"_s));
        break;
    case Copy::MenuCut:
        QVERIFY(WindowDriver::chooseFromContextMenu(box->viewport(), middle, u"edit-cut"_s));
        break;
    }
    QCOMPARE(clipboard->text(), copied);
    // Plain text only, as the copy button puts it there.
    QCOMPARE(clipboard->mimeData()->formats(), QStringList{u"text/plain"_s});
    QCOMPARE(m_user->code(), left);
}

void TestClipboard::dragMovesTextOnlyWithinTheBox_data()
{
    QTest::addColumn<QString>("onto"); // a control of the window, or a place in showcode
    QTest::addColumn<bool>("escape");  // Escape pressed before the release
    QTest::addColumn<QString>("left");

    const QString unchanged = u"AAAA\r\nBBBB\r\nCCCC"_s;
    QTest::newRow("onto the tree") << u"TreeView"_s << false << unchanged;
    QTest::newRow("onto the panels") << u"ADC2"_s << false << unchanged;
    QTest::newRow("onto 复制代码") << u"copycode"_s << false << unchanged;
    QTest::newRow("onto a list") << u"ADC2_combo"_s << false << unchanged;
    QTest::newRow("onto the selection") << u"selection"_s << false << unchanged;
    QTest::newRow("to the start of line 2") << u"line 2"_s << false << u"\r\nAAAABBBB\r\nCCCC"_s;
    QTest::newRow("to the end of the text") << u"end"_s << false << u"\r\nBBBB\r\nCCCCAAAA"_s;
    QTest::newRow("to the end of the text, Escape") << u"end"_s << true << unchanged;
    QTest::newRow("a click on the selection") << u"click"_s << false << unchanged;
    QTest::newRow("released over another window") << u"lost"_s << false << unchanged;
    QTest::newRow("the focus gone before the release") << u"focus"_s << false << unchanged;
}

void TestClipboard::dragMovesTextOnlyWithinTheBox()
{
    QFETCH(QString, onto);
    QFETCH(bool, escape);
    QFETCH(QString, left);

    CodeBox *box = m_user->window->showcode();
    QWidget *area = box->viewport();
    box->setText(u"AAAA\r\nBBBB\r\nCCCC"_s);
    QTextCursor selection = box->textCursor();
    selection.setPosition(0);
    selection.setPosition(4, QTextCursor::KeepAnchor);
    box->setTextCursor(selection);
    const auto caretAt = [box](int position) {
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(position);
        return box->cursorRect(cursor).center();
    };

    // Where the pointer ends, in the box's coordinates: the box has the mouse from the press
    // to the release, wherever the pointer goes.
    QPoint target;
    if (onto == u"selection"_s || onto == u"click"_s)
        target = caretAt(2);
    else if (onto == u"line 2"_s)
        target = caretAt(5);
    else if (onto == u"end"_s || onto == u"lost"_s || onto == u"focus"_s)
        target = caretAt(14) + QPoint(20, 0);
    else if (QWidget *control = m_user->find<QWidget>(onto))
        target = area->mapFromGlobal(control->mapToGlobal(control->rect().center()));
    QVERIFY(!target.isNull());

    m_user->window->tips()->setText(u"before"_s);
    const DragWatch watch(m_user->window.get());
    const QPoint start = caretAt(2);
    QTest::mousePress(area, Qt::LeftButton, {}, start);
    if (onto != u"click"_s) {
        QTest::mouseMove(area, start + QPoint(QApplication::startDragDistance() + 2, 0));
        QTest::mouseMove(area, target);
    }
    if (escape)
        QTest::keyClick(box, Qt::Key_Escape);
    if (onto == u"focus"_s)
        m_user->tree()->setFocus();
    if (onto == u"lost"_s) // the box never hears of that release: its next press starts afresh
        QTest::mouseClick(area, Qt::LeftButton, {}, caretAt(12));
    else
        QTest::mouseRelease(area, Qt::LeftButton, {}, target);
    QCoreApplication::processEvents();

    QVERIFY2(!watch.started, "a drag of the platform started");
    QCOMPARE(m_user->code(), left);
    QCOMPARE(m_user->tips(), u"before"_s);
    QVERIFY(!QGuiApplication::overrideCursor());
    // A click on the selection puts the caret there, as anywhere else; the selection dropped
    // onto itself leaves it at its end.
    if (onto == u"click"_s || onto == u"selection"_s) {
        QVERIFY(!box->textCursor().hasSelection());
        QCOMPARE(box->textCursor().position(), onto == u"click"_s ? 2 : 4);
    }
    // A move is one step to undo, and the next edit is another.
    if (left != u"AAAA\r\nBBBB\r\nCCCC"_s) {
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_user->code(), left);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_user->code(), u"AAAA\r\nBBBB\r\nCCCC"_s);
    }
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
