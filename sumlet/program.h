// The program object of SUMLET: the forms, the shared state, the program
// folder and where the settings file and the help page are.
#pragma once

#include <QString>

#include "forms/printer.h"
#include "forms/program.h"
#include "sumlet/shared.h"
#include "sumlet/shell/settings.h"

namespace sumlet {

class MENU;
class VER;
class FILECTL;
class SUMLET;
class INSATSU;
class SHUKEI;
class ICHIRAN;
class PRINT_1;

class Program : public forms::Program {
    Q_OBJECT
public:
    // programFolder: the executable's folder (a temporary folder in tests);
    // fallbackFolder: where SETQ.DAT goes when the program folder is not
    // writable (runtime::configFolder("sumlet"); empty for none).
    Program(forms::Services& services, const QString& programFolder,
            const QString& fallbackFolder = QString());
    ~Program() override;

    // Shows the start form.
    void start();

    // The program folder as the text that DataFolder takes.
    QString programFolderText() const;
    SettingsPlace settingsPlace() const;
    // The help page the help commands open.
    QString helpFile() const;
    // The calculator program started by the calculator commands.
    QString calculatorFile() const;
    // The printer, its print-to-file dialog starting in the data folder.
    forms::Printer& printer();

    Shared shared;

    forms::FormSlot<sumlet::MENU> MENU_;
    forms::FormSlot<sumlet::VER> VER_;
    forms::FormSlot<sumlet::FILECTL> FILECTL_;
    forms::FormSlot<sumlet::SUMLET> SUMLET_;
    forms::FormSlot<sumlet::INSATSU> INSATSU_;
    forms::FormSlot<sumlet::SHUKEI> SHUKEI_;
    forms::FormSlot<sumlet::ICHIRAN> ICHIRAN_;
    forms::FormSlot<sumlet::PRINT_1> PRINT_1_;

private:
    QString fallbackFolder_;
};

} // namespace sumlet
