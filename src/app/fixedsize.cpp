#include "app/fixedsize.h"

#include "app/application.h"

#include <QResizeEvent>
#include <QWidget>

namespace {

constexpr Qt::WindowStates kLeft = Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

FixedSizeWindow::FixedSizeWindow(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_wayland(Pinwright::onWayland())
{
    window->installEventFilter(this);
}

void FixedSizeWindow::keep(QWidget *window, QSize size)
{
    auto *keeper = window->findChild<FixedSizeWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!keeper)
        keeper = new FixedSizeWindow(window);
    keeper->fix(size);
}

void FixedSizeWindow::fix(QSize size)
{
    m_size = size;
    if (!m_wayland) {
        m_window->setFixedSize(size);
        return;
    }
    m_window->setMinimumSize(size);
    m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    restoreSize();
}

bool FixedSizeWindow::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowStateChange:
        // Left only after the frame at the size that comes with the state has gone out.
        if (m_window->windowState() & kLeft)
            QMetaObject::invokeMethod(this, &FixedSizeWindow::leaveState, Qt::QueuedConnection);
        break;
    case QEvent::Resize:
        if (m_wayland && m_size.isValid() && !(m_window->windowState() & kLeft)
            && static_cast<QResizeEvent *>(event)->size() != m_size)
            QMetaObject::invokeMethod(this, &FixedSizeWindow::restoreSize, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return false;
}

void FixedSizeWindow::leaveState()
{
    const Qt::WindowStates states = m_window->windowState();
    if (states & kLeft)
        m_window->setWindowState(states & ~kLeft);
}

void FixedSizeWindow::restoreSize()
{
    if (!(m_window->windowState() & kLeft) && m_window->size() != m_size)
        m_window->resize(m_size);
}
