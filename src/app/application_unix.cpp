// Starting on a Unix desktop (X11 or Wayland), where the display may be missing or gone.
#include "app/application.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include <QApplication>
#include <QLibraryInfo>

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

QString Pinwright::qtTranslationsPath()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
