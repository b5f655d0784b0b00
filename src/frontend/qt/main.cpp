#include <QApplication>

#include "MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quillon::qt::MainWindow window(quillon::RealEnvironment());
    if (!window.TheForm().OnStart()) {
        return 0;
    }
    window.PlaceWhereItWas();
    window.show();
    return QApplication::exec();
}
