#include "app/messages.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>

namespace {

// Title bars put an icon on the left and up to three buttons on the right, and centre the title
// between them; Qt's own title bar on Wayland cuts the title off where the buttons begin. A box
// as narrow as its prompt would lose most of its title.
constexpr int kTitleBarSides = 80; // pixels on each side of a centred title

int titleBarWidth(const QString &title)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(14); // as the title bars draw it
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 2 * kTitleBarSides;
}

} // namespace

QMessageBox::StandardButton QtMessageBoxes::ask(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(titleBarWidth(request.title), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    return QMessageBox::StandardButton(box.exec());
}
