#include <QApplication>

#include "forms/qt_services.h"
#include "runtime/program_files.h"
#include "sumlet/program.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    forms::prepareProgram(app);
    forms::QtServices services;
    sumlet::Program program(services, QCoreApplication::applicationDirPath(),
                            QString::fromStdString(runtime::configFolder("sumlet").string()));
    program.start();
    if (program.Ended())
        return 0;
    return app.exec();
}
