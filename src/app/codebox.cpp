#include "app/codebox.h"

#include <QApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The box's raw text as the clipboard takes it: the editor's line and paragraph separators
// become LF, every other character stays as shown (toPlainText() would also turn no-break
// spaces into plain ones).
QString clipboardForm(QString raw)
{
    for (QChar &c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return raw;
}

bool holdsText(const QMimeData *source)
{
    return source && source->hasText();
}

// The editor lays a line out whole on every change to it, in time that grows with its length:
// a line of two million characters takes a second to paste and another for each key after it.
// A paste or a drop stops where it would make a line longer than a QLineEdit's text may be.
constexpr qsizetype kMaxLine = 32767;

// How much of `text` goes in between `before` and `after` characters of one line.
qsizetype fittingLength(QStringView text, qsizetype before, qsizetype after)
{
    qsizetype lineStart = 0;
    qsizetype end = text.size();
    const auto lineLength = [&](qsizetype at) {
        return (lineStart == 0 ? before : 0) + at - lineStart;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator) {
            lineStart = i + 1;
        } else if (lineLength(i + 1) > kMaxLine) {
            end = i;
            break;
        }
    }
    const qsizetype excess = lineLength(end) + after - kMaxLine;
    if (excess > 0)
        end = std::max(lineStart, end - excess);
    if (end > 0 && end < text.size() && text[end - 1].isHighSurrogate())
        --end;
    return end;
}

} // namespace

CodeBox::CodeBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

CodeBox::~CodeBox()
{
    endMove(Move::None);
}

QString CodeBox::text() const
{
    return textForClipboard().replace(u'\n', u"\r\n"_s);
}

void CodeBox::setText(const QString &text)
{
    // The editor takes CR LF, a lone CR and a lone LF all as one line break.
    setPlainText(text);
}

QString CodeBox::textForClipboard() const
{
    return clipboardForm(document()->toRawText());
}

bool CodeBox::canInsertFromMimeData(const QMimeData *source) const
{
    return holdsText(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void CodeBox::insertFromMimeData(const QMimeData *source)
{
    // Qt 6.4's QWidgetTextControl::insertFromMimeData reads formats().first(), which crashes on
    // data without formats (an empty X11 clipboard, or an owner that never answers).
    if (!holdsText(source))
        return;
    const QString text = source->text();
    const QTextCursor at = textCursor();
    const QTextBlock first = document()->findBlock(at.selectionStart());
    const QTextBlock last = document()->findBlock(at.selectionEnd());
    const qsizetype fits = fittingLength(text, at.selectionStart() - first.position(),
                                         last.position() + last.length() - 1 - at.selectionEnd());
    if (fits == text.size()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData cut;
    cut.setText(text.left(fits));
    QPlainTextEdit::insertFromMimeData(&cut);
}

QMimeData *CodeBox::createMimeDataFromSelection() const
{
    auto *selection = new QMimeData;
    selection->setText(clipboardForm(textCursor().selectedText()));
    return selection;
}

// Qt 6.4's QWidgetTextControl drags the selection with QDrag and, on X11, starts a new QDrag by
// itself after the release, which eats keys and clicks and may keep the pointer grabbed. The box
// handles a press on the selection itself instead: released without moving it puts the caret
// there, as Qt does; moved, it shows where the text would go and moves it there on release
// inside the box.
bool CodeBox::pressStartsMove(const QMouseEvent *event) const
{
    const QTextCursor selection = textCursor();
    if (event->button() != Qt::LeftButton || (event->modifiers() & Qt::ShiftModifier)
        || !selection.hasSelection())
        return false;
    // The third click of a triple click selects the line, as the editor does it.
    if (m_sinceDoubleClick.isValid()
        && m_sinceDoubleClick.elapsed() < QApplication::doubleClickInterval()
        && (event->position().toPoint() - m_doubleClickAt).manhattanLength()
               < QApplication::startDragDistance())
        return false;
    const int at = cursorForPosition(event->position().toPoint()).position();
    return at >= selection.selectionStart() && at <= selection.selectionEnd();
}

void CodeBox::mousePressEvent(QMouseEvent *event)
{
    // A new press of the left button means the release of the last one went elsewhere.
    if (event->button() == Qt::LeftButton)
        endMove(Move::None);
    if (m_move != Move::None) {
        event->accept(); // other buttons during a move do nothing
        return;
    }
    if (!pressStartsMove(event)) {
        QPlainTextEdit::mousePressEvent(event);
        return;
    }
    m_move = Move::Pressed;
    m_pressedAt = event->position().toPoint();
    event->accept();
}

void CodeBox::mouseMoveEvent(QMouseEvent *event)
{
    if (m_move == Move::None) {
        QPlainTextEdit::mouseMoveEvent(event);
        return;
    }
    event->accept();
    const QPoint at = event->position().toPoint();
    if (m_move == Move::Pressed) {
        if ((at - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
            return;
        m_move = Move::Moving;
        QGuiApplication::setOverrideCursor(Qt::DragMoveCursor);
        m_cursorOverridden = true;
    }
    if (m_move == Move::Moving)
        showDropAt(at);
}

void CodeBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_move == Move::None) {
        QPlainTextEdit::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const Move move = m_move;
    const QTextCursor target = m_dropAt;
    endMove(Move::None);
    const QPoint at = event->position().toPoint();
    if (move == Move::Pressed)
        setTextCursor(cursorForPosition(at));
    else if (move == Move::Moving && !target.isNull())
        moveSelectionTo(target);
}

void CodeBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_move != Move::None) {
        event->accept();
        return;
    }
    m_doubleClickAt = event->position().toPoint();
    m_sinceDoubleClick.start();
    QPlainTextEdit::mouseDoubleClickEvent(event);
}

void CodeBox::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_move != Move::None) {
        event->accept();
        return;
    }
    QPlainTextEdit::contextMenuEvent(event);
}

void CodeBox::keyPressEvent(QKeyEvent *event)
{
    if (m_move == Move::None || m_move == Move::Pressed) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // While text is being moved the keys do not edit. Escape gives the move up, and the rest of
    // the gesture, up to the release, does nothing.
    event->accept();
    if (event->key() == Qt::Key_Escape)
        endMove(Move::Cancelled);
}

void CodeBox::focusOutEvent(QFocusEvent *event)
{
    // The release may now go to another window: the move is over.
    endMove(Move::None);
    QPlainTextEdit::focusOutEvent(event);
}

void CodeBox::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    if (m_move != Move::Moving || m_dropAt.isNull())
        return;
    const QRect caret = cursorRect(m_dropAt);
    QPainter painter(viewport());
    painter.fillRect(QRect(caret.center().x(), caret.top(), 1, caret.height()), palette().text());
}

void CodeBox::showDropAt(QPoint at)
{
    const bool inside = viewport()->rect().contains(at);
    m_dropAt = inside ? cursorForPosition(at) : QTextCursor();
    QGuiApplication::changeOverrideCursor(inside ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    viewport()->update();
}

void CodeBox::moveSelectionTo(QTextCursor target)
{
    QTextCursor selection = textCursor();
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    if (target.position() >= start && target.position() <= end) {
        // Dropped onto itself: the text stays, the caret goes to its end.
        selection.setPosition(end);
        setTextCursor(selection);
        return;
    }
    // The raw selection keeps no-break spaces; its paragraph separators become line breaks
    // again as it is inserted. One undo step takes the whole move back.
    const QString moved = selection.selectedText();
    selection.beginEditBlock();
    selection.removeSelectedText();
    target.insertText(moved);
    selection.endEditBlock();
    setTextCursor(target);
}

void CodeBox::endMove(Move next)
{
    m_move = next;
    if (m_cursorOverridden) {
        QGuiApplication::restoreOverrideCursor();
        m_cursorOverridden = false;
    }
    if (!m_dropAt.isNull()) {
        m_dropAt = QTextCursor();
        viewport()->update();
    }
}
