// showcode, the code text box. The program speaks of its text with CR LF between lines, as the
// generated fragments have them; the editor keeps lines as blocks. text() and setText() translate
// between the two, so that what goes in comes back out unchanged.
//
// What leaves the box takes one form whichever way it goes (the copy button, Ctrl+C, Ctrl+X, the
// context menu, the X11 primary selection): the characters as shown, lines joined by LF. What
// comes in by paste or drop must hold text; anything else changes nothing.
#pragma once

#include <QPlainTextEdit>

class CodeBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeBox(QWidget *parent = nullptr);

    QString text() const;              // lines joined by CR LF
    void setText(const QString &text); // replaces the whole text
    QString textForClipboard() const;  // lines joined by LF, the clipboard's native form

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;
};
