#include "forms/qt_services.h"
#include "quorvel/program.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    forms::QtServices services;
    // LCTDX.DAT lives beside the program, or in ~/.config/quorvel when that
    // folder is not writable.
    const QString fallback =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/quorvel";
    quorvel::Program program(services, QCoreApplication::applicationDirPath(),
                             QDir(fallback).filesystemAbsolutePath());
    program.QUORVEL_.Show();
    if (program.Ended())
        return 0;
    return app.exec();
}
