// FILECTL: the data-folder chooser.
#pragma once

#include "forms/commands.h"
#include "forms/controls.h"
#include "forms/file_lists.h"
#include "forms/form.h"

namespace sumlet {

class Program;

class FILECTL : public forms::Form {
    Q_OBJECT
public:
    explicit FILECTL(Program& program);

    void Form_Activate() override;

    forms::Label Label1{this, "Label1"};
    forms::TextBox Text1{this, "Text1"};
    forms::Frame Frame1{this, "Frame1"};
    forms::DriveList Drive1{&Frame1, "Drive1"};
    forms::DirList Dir1{&Frame1, "Dir1"};
    forms::CommandButton Command2{this, "Command2"};
    forms::Label Label2{this, "Label2"};
    forms::TextBox Text2{this, "Text2"};
    forms::CommandButton Command3{this, "Command3"};
    forms::Label Label3{this, "Label3"};
    forms::CommandButton Command1{this, "Command1"};

    forms::Menu M1{this, "M1", QStringLiteral("ﾍﾙﾌﾟ(&H)")};

private:
    // Steps 3 to 6 of the activation: lists, Text1 and the focus follow DataFolder.
    void showStoredFolder();

    void Command2_Click();
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_Click();
    void Text2_GotFocus();
    void Command3_Click();
    void Command1_Click();
    void M1_Click();

    Program& prog;
};

} // namespace sumlet
