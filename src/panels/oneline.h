// Keeps a drop-down list's field to one line, as a one-line field should be: of a text pasted or
// dropped into it, only what comes before its first line break is kept, and the rest of the
// field stays as it was.
#pragma once

#include <QValidator>

class QComboBox;

class OneLineValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// The characters that end a line here: those a text box takes as a line break.
bool isLineBreak(QChar c);

// The function behind the validator: `cursor` is where an insertion ended. Everything from the
// first line break up to the cursor (or to the end, if the break lies beyond it) is dropped.
void keepFirstLine(QString &text, int &cursor);

// Lets a list's field take a paste only of text: with nothing to paste, Qt's line edit still
// pastes the empty string over the selection and so deletes it. With this, Ctrl+V and
// Shift+Insert do nothing then, like the context menu's Paste (offered only with text) and a
// middle click (which drops the selection before it pastes).
void pasteOnlyText(QComboBox *list);
