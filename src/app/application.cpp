#include "app/application.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

void Pinwright::prepareApplication(QApplication &app)
{
    QCoreApplication::setApplicationName(u"Pinwright"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(PINWRIGHT_VERSION));
    // No application display name: Qt would append it to the window's caption.
    QGuiApplication::setDesktopFileName(QStringLiteral(PINWRIGHT_APP_ID));

    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QLocale(), u"qtbase"_s, u"_"_s, qtTranslationsPath())) {
        QCoreApplication::installTranslator(translator.get());
        translator.release()->setParent(&app);
    }
}
