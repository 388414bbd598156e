// Starting on Windows: the desktop is always there, and Qt's own translations are built into
// the program, as a Windows machine has no copy of them to load.
#include "app/application.h"

#include <QApplication>

using namespace Qt::StringLiterals;

std::unique_ptr<QApplication> Pinwright::startApplication(int &argc, char **argv)
{
    auto app = std::make_unique<QApplication>(argc, argv);
    prepareApplication(*app);
    return app;
}

QString Pinwright::qtTranslationsPath()
{
    return u":/i18n"_s;
}

bool Pinwright::onWayland()
{
    return false;
}
