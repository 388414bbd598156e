// showcode, the code text box. The program speaks of its text with CR LF between lines, as the
// generated fragments have them; the editor keeps lines as blocks. text() and setText() translate
// between the two, so that what goes in comes back out unchanged.
//
// What leaves the box takes one form whichever way it goes (the copy button, Ctrl+C, Ctrl+X, the
// context menu, the X11 primary selection): the characters as shown, lines joined by LF. What
// comes in by paste or drop must hold text; anything else changes nothing. Selected text can be
// dragged to another place in the box, but no drag leaves it: the box moves the text itself
// while the button is held, without a drag-and-drop session of the platform.
#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>

class CodeBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeBox(QWidget *parent = nullptr);
    ~CodeBox() override;

    QString text() const;              // lines joined by CR LF
    void setText(const QString &text); // replaces the whole text
    QString textForClipboard() const;  // lines joined by LF, the clipboard's native form

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // A press on the selection: a click puts the caret there, a drag moves the text.
    enum class Move { None, Pressed, Moving, Cancelled };

    bool pressStartsMove(const QMouseEvent *event) const;
    void showDropAt(QPoint at);
    void moveSelectionTo(QTextCursor target);
    void endMove(Move next);

    Move m_move = Move::None;
    QPoint m_pressedAt;
    QTextCursor m_dropAt; // null while the pointer is outside the box
    bool m_cursorOverridden = false;
    QPoint m_doubleClickAt;
    QElapsedTimer m_sinceDoubleClick; // a press soon after a double click selects the line
};
