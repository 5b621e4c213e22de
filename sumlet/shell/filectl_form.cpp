#include "sumlet/shell/filectl_form.h"

#include "sumlet/program.h"
#include "sumlet/shell/program_commands.h"
#include "sumlet/shell/settings.h"
#include "sumlet/shell/menu_form.h"

namespace sumlet {

namespace {
constexpr quint32 LightBlue = 0x00FFC0C0;
constexpr quint32 Red = 0x000000FF;
constexpr int DriveUnavailable = 68;
}

FILECTL::FILECTL(Program& program) : Form(program, "FILECTL"), prog(program)
{
    setCaption(QStringLiteral("　ﾌｧｲﾙを格納するフォルダ指定"));
    setClientSize(4620, 5655);

    Label1.Move(240, 240, 2295, 255);
    Label1.setCaption(QStringLiteral("現在の登録のフォルダ"));
    Text1.Move(240, 480, 4215, 375);

    Frame1.Move(240, 1200, 4215, 2295);
    Frame1.setBackColor(LightBlue);
    Frame1.setVisible(false);
    Drive1.Move(120, 240, 2295, 300);
    Dir1.Move(120, 600, 3975, 1500);

    Command2.Move(3480, 3600, 975, 375);
    Command2.setCaption(QStringLiteral("参照"));
    Label2.Move(240, 3840, 2535, 255);
    Label2.setCaption(QStringLiteral("これから登録するフォルダ"));
    Text2.Move(240, 4080, 4215, 375);

    Command3.Move(3120, 4560, 1335, 375);
    Command3.setCaption(QStringLiteral("保存登録"));
    Command3.setFontFace(QStringLiteral("ＭＳ Ｐゴシック"), 9, true);
    Label3.Move(360, 4560, 1455, 255);
    Label3.setCaption(QStringLiteral("保存しました"));
    Label3.setForeColor(Red);
    Label3.setFontFace(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, true);
    Label3.setVisible(false);

    Command1.Move(3480, 5160, 975, 375);
    Command1.setCaption(QStringLiteral("閉じる"));
    Command1.setTabIndex(0);

    Command2.Click = [this] { Command2_Click(); };
    Drive1.Change = [this] { Drive1_Change(); };
    Dir1.Change = [this] { Dir1_Change(); };
    Dir1.Click = [this] { Dir1_Click(); };
    Text2.GotFocus = [this] { Text2_GotFocus(); };
    Command3.Click = [this] { Command3_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    M1.Click = [this] { M1_Click(); };
}

void FILECTL::showStoredFolder()
{
    const QString folder = QString::fromStdString(prog.shared.DataFolder.text());
    Drive1.setDrive(folder);
    Dir1.setPath(folder);
    Text1.setText(Dir1.Path());
    Text2.SetFocus();
}

void FILECTL::Form_Activate()
{
    try {
        showStoredFolder();
        return;
    } catch (const forms::FormsError& e) {
        if (e.Number() == DriveUnavailable) {
            prog.shared.DataFolder = prog.programFolderText().toStdString();
            WriteSettings(prog.shared, prog.settingsPlace());
            showStoredFolder();
            return;
        }
    }
    // The stored folder is gone: browse from the program folder, keep what is stored.
    ReadSettings(prog.shared, prog.settingsPlace());
    const QString programFolder = prog.programFolderText();
    Drive1.setDrive(programFolder);
    Dir1.setPath(programFolder);
    Text1.setText(Dir1.Path());
    Text2.SetFocus();
}

void FILECTL::Command2_Click()
{
    Frame1.setVisible(true);
    Label3.setVisible(false);
}

void FILECTL::Drive1_Change()
{
    Dir1.setPath(Drive1.Drive());
}

void FILECTL::Dir1_Change()
{
    if (Frame1.Visible())
        Text2.setText(Dir1.Path());
}

void FILECTL::Dir1_Click()
{
    Label3.setVisible(false);
    if (Frame1.Visible())
        Text2.setText(Dir1.Path());
}

void FILECTL::Text2_GotFocus()
{
    Label3.setVisible(false);
}

void FILECTL::Command3_Click()
{
    if (Text2.Text().isEmpty())
        Text2.setText(prog.programFolderText());
    const std::string folder = Text2.Text().toStdString();
    if (!storableFolder(folder)) {
        Warn(QStringLiteral("フォルダ名に使えない文字があります！"), &Text2);
        return;
    }
    prog.shared.DataFolder = folder;
    if (WriteSettings(prog.shared, prog.settingsPlace()) != SettingsWrite::Ok) {
        Warn(QStringLiteral("保存できませんでした！"), &Text2);
        return;
    }
    Label3.setVisible(true);
    Text1.setText(QString::fromStdString(prog.shared.DataFolder.text()));
    Beep();
    Command1.SetFocus();
}

void FILECTL::Command1_Click()
{
    prog.MENU_.Show();
    Unload();
}

void FILECTL::M1_Click() { OpenHelp(prog, *this); }

} // namespace sumlet
