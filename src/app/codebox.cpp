#include "app/codebox.h"

#include <QMimeData>

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
    if (holdsText(source))
        QPlainTextEdit::insertFromMimeData(source);
}

QMimeData *CodeBox::createMimeDataFromSelection() const
{
    auto *selection = new QMimeData;
    selection->setText(clipboardForm(textCursor().selectedText()));
    return selection;
}
