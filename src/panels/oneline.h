// Keeps a drop-down list's field to one line, as a one-line field should be: of a text pasted or
// dropped into it, only what comes before its first line break is kept, and the rest of the
// field stays as it was.
#pragma once

#include <QValidator>

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
