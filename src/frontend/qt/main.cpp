#include <QApplication>

#include "MainWindow.h"
#include "app/Program.h"
#include "app/WorkingFolder.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const quillon::Outcome folder = quillon::UseWorkingFolder();
    quillon::qt::MainWindow window;
    if (!folder.Succeeded()) {
        window.ShowMessageBox(folder.Message(), quillon::kProgramName);
    }
    if (!window.TheForm().OnStart()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
