#include "app/messages.h"

#include "app/application.h"
#include "app/fixedsize.h"

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

// QMessageBox gives itself a fixed size as it is shown, and again when its style or font
// changes; the box keeps that size through any window state.
class Box final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

    void setVisible(bool visible) override
    {
        if (!visible && isVisible())
            Pinwright::finishFrame(this);
        QMessageBox::setVisible(visible);
    }

protected:
    bool event(QEvent *event) override
    {
        // Qt 6.4's QMessageBox fixes its size again on every layout request, also the one that
        // leaving a window state brings, before the compositor has ended that state; its
        // contents never change once it is shown.
        if (event->type() == QEvent::LayoutRequest && isVisible())
            return QDialog::event(event);
        return QMessageBox::event(event);
    }
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        FixedSizeWindow::keep(this, size());
    }
    void changeEvent(QEvent *event) override
    {
        QMessageBox::changeEvent(event);
        if (isVisible()
            && (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange))
            FixedSizeWindow::keep(this, size());
    }
};

} // namespace

QMessageBox::StandardButton QtMessageBoxes::ask(QWidget *parent, const MessageRequest &request)
{
    Box box(request.icon, request.title, request.text, request.buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(titleBarWidth(request.title), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    return QMessageBox::StandardButton(box.exec());
}
