#include <QApplication>

#include "app/application.h"
#include "app/mainform.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Pinwright::prepareApplication(app);
    MainForm window;
    window.show();
    return app.exec();
}
