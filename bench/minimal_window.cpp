// The least a Qt program does to show a window: one label. bench/startup.sh times it beside
// Quillon, so that Quillon's start-up is measured against what Qt itself costs on this machine.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label("A minimal Qt window");
    label.setWindowTitle("Minimal window");
    label.show();
    return QApplication::exec();
}
