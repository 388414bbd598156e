// The window's one seam to modal message boxes. The window describes the box it needs; the
// default implementation shows a real QMessageBox, and tests put in one that answers at once.
#pragma once

#include <QMessageBox>
#include <QString>

struct MessageRequest {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally over `parent` and returns the button pressed.
    virtual QMessageBox::StandardButton ask(QWidget *parent, const MessageRequest &request) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton ask(QWidget *parent, const MessageRequest &request) override;
};
