// Starting on a Unix desktop (X11 or Wayland), where the display may be missing or gone.
#include "app/application.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QTimer>
#include <QVersionNumber>
#include <QWidget>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// What the program prints when there is no display to show its window on.
constexpr char kNoDisplay[] =
    "Pinwright 无法启动：找不到可用的显示。请在图形桌面中运行，或设置 DISPLAY（X11）或 "
    "WAYLAND_DISPLAY（Wayland）。\n";

// A message of Qt's start, kept with copies of its context.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

std::mutex heldMutex;
std::vector<HeldMessage> held;

void holdWhileStarting(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt would abort next.
        std::fputs(kNoDisplay, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldMutex);
    held.push_back({type, context.file, context.line, context.function, context.category, text});
}

void passOnHeld()
{
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldMutex);
        messages.swap(held);
    }
    for (const HeldMessage &message : messages) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

// Ends `loop` when `window` is given its next update request.
class UpdateRequestWatch final : public QObject {
public:
    UpdateRequestWatch(QWindow *window, QEventLoop *loop)
        : m_window(window)
        , m_loop(loop)
    {
        window->installEventFilter(this);
    }
    ~UpdateRequestWatch() override { m_window->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            m_loop->quit();
        return false;
    }

private:
    QWindow *m_window;
    QEventLoop *m_loop;
};

} // namespace

std::unique_ptr<QApplication> Pinwright::startApplication(int &argc, char **argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdWhileStarting);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    passOnHeld();
    prepareApplication(*app);
    return app;
}

bool Pinwright::onWayland()
{
    return QGuiApplication::platformName().startsWith(u"wayland"_s);
}

void Pinwright::finishFrame(QWidget *window)
{
    // Qt's Wayland plugin before 6.8 frees a hiding window's frame callback while its frame
    // thread may be running it, which corrupts memory. Qt delivers an update request to the window
    // only once that callback has been run, so the window hides after it.
    static const bool needed = onWayland() && QLibraryInfo::version() < QVersionNumber(6, 8);
    QWindow *handle = window->windowHandle();
    if (!needed || !handle || !handle->isExposed())
        return;
    QEventLoop loop;
    const UpdateRequestWatch watch(handle, &loop);
    // A compositor owes no frame to a surface it does not show.
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    handle->requestUpdate();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

QString Pinwright::qtTranslationsPath()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
