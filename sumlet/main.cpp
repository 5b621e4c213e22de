#include <QApplication>
#include <QDir>

#include "forms/qt_services.h"
#include "sumlet/program.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    forms::QtServices services;
    sumlet::Program program(services, QCoreApplication::applicationDirPath(),
                            QDir::home().filePath(QStringLiteral(".config/sumlet")));
    program.start();
    if (program.Ended())
        return 0;
    return app.exec();
}
