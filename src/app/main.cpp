#include <QApplication>

#include "app/application.h"
#include "app/mainform.h"

int main(int argc, char *argv[])
{
    const auto app = Pinwright::startApplication(argc, argv);
    MainForm window;
    window.show();
    return QApplication::exec();
}
