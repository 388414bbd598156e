#include "panels/oneline.h"

#include <algorithm>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case u'\v':
    case u'\f':
    case 0x1c:
    case 0x1d:
    case 0x1e:
    case 0x85:
    case 0x2028:
    case 0x2029:
    case 0xfdd0: // the text box takes these two as frame breaks, that is, as line breaks
    case 0xfdd1:
        return true;
    default:
        return false;
    }
}

namespace {

class PasteFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
            const QMimeData *data = QGuiApplication::clipboard()->mimeData();
            if (!data || !data->hasText())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void keepFirstLine(QString &text, int &cursor)
{
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isLineBreak(text.at(i))) {
            ++i;
            continue;
        }
        // The break came with the text that was just inserted, which ends at the cursor.
        const qsizetype end = cursor > i ? cursor : text.size();
        text.remove(i, end - i);
        cursor = int(std::min<qsizetype>(cursor, i));
    }
}

QValidator::State OneLineValidator::validate(QString &input, int &pos) const
{
    keepFirstLine(input, pos);
    return Acceptable;
}

void pasteOnlyText(QComboBox *list)
{
    // Keys reach the field through the list, which has its focus, or directly.
    auto *filter = new PasteFilter(list);
    list->installEventFilter(filter);
    if (list->lineEdit())
        list->lineEdit()->installEventFilter(filter);
}
