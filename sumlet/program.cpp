#include "sumlet/program.h"

#include <QDir>
#include <QFileInfo>

#include "sumlet/adding/insatsu_form.h"
#include "sumlet/adding/sumlet_form.h"
#include "sumlet/shell/filectl_form.h"
#include "sumlet/shell/menu_form.h"
#include "sumlet/shell/ver_form.h"
#include "sumlet/tally/shukei_form.h"
#include "sumlet/tally/print/ichiran_form.h"
#include "sumlet/tally/print/print_1_form.h"

namespace sumlet {

Program::Program(forms::Services& services, const QString& programFolder, const QString& fallbackFolder)
    : forms::Program(services, programFolder, QStringLiteral("SUMLET")),
      MENU_(*this, [this] { return std::make_unique<sumlet::MENU>(*this); }),
      VER_(*this, [this] { return std::make_unique<sumlet::VER>(*this); }),
      FILECTL_(*this, [this] { return std::make_unique<sumlet::FILECTL>(*this); }),
      SUMLET_(*this, [this] { return std::make_unique<sumlet::SUMLET>(*this); }),
      INSATSU_(*this, [this] { return std::make_unique<sumlet::INSATSU>(*this); }),
      SHUKEI_(*this, [this] { return std::make_unique<sumlet::SHUKEI>(*this); }),
      ICHIRAN_(*this, [this] { return std::make_unique<sumlet::ICHIRAN>(*this); }),
      PRINT_1_(*this, [this] { return std::make_unique<sumlet::PRINT_1>(*this); }),
      fallbackFolder_(fallbackFolder)
{
}

Program::~Program() = default;

void Program::start()
{
    MENU_.Show();
}

QString Program::programFolderText() const
{
    return QString::fromStdString(settingsPlace().programFolderText());
}

SettingsPlace Program::settingsPlace() const
{
    SettingsPlace place;
    place.programFolder = ProgramFolder().toStdString();
    place.fallbackFolder = fallbackFolder_.toStdString();
    return place;
}

QString Program::helpFile() const
{
    const QString nextToProgram = QDir(ProgramFolder()).filePath(QStringLiteral("help/index.html"));
    if (QFileInfo::exists(nextToProgram))
        return nextToProgram;
#ifdef SUMLET_HELP_SOURCE_DIR
    const QString inSources = QDir(QStringLiteral(SUMLET_HELP_SOURCE_DIR)).filePath(QStringLiteral("index.html"));
    if (QFileInfo::exists(inSources))
        return inSources;
#endif
    return nextToProgram;
}

QString Program::calculatorFile() const
{
    return QDir(ProgramFolder()).filePath(QStringLiteral("quorvel"));
}

forms::Printer& Program::printer()
{
    forms::Printer& p = services().printer();
    p.setPdfFolder(QString::fromStdString(shared.DataFolder.text()));
    return p;
}

} // namespace sumlet
