#include "forms/qt_services.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/program.h"
#include "runtime/program_files.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    forms::prepareProgram(app);
    forms::QtServices services;
    quorvel::Program program(services, QCoreApplication::applicationDirPath(),
                             QString::fromStdString(runtime::configFolder("quorvel").string()));
    program.QUORVEL_.Show();
    if (program.Ended())
        return 0;
    return app.exec();
}
