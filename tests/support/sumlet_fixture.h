// GoogleTest fixture for SUMLET's forms: a Program on the recording services
// with the temporary folder as its program folder (and <tmp>/config as the
// fallback folder of the settings file).
//   TEST_F(SumletTest, X) { start(); click(menu().Command8); ... }
#pragma once

#include <QDir>
#include <QFile>
#include <memory>
#include <string>

#include "forms/testing/form_test.h"
#include "sumlet/program.h"
#include "sumlet/shell/menu_form.h"

namespace sumlet::testing {

class SumletTest : public forms::testing::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        program = std::make_unique<Program>(rec, dir.path(), dir.filePath(QStringLiteral("config")));
    }
    void TearDown() override
    {
        program.reset();
        FormTest::TearDown();
    }

    Program& prog() { return *program; }
    Shared& shared() { return program->shared; }

    // Shows the start form (reads or creates SETQ.DAT).
    MENU& start()
    {
        program->start();
        return *program->MENU_.get();
    }

    // The bytes of a file in the program folder ("" when missing).
    std::string fileBytes(const QString& name) const
    {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll().toStdString();
    }
    void writeFile(const QString& name, const std::string& bytes) const
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes.data(), qint64(bytes.size()));
    }
    // SETQ.DAT of the program folder.
    std::string settingsBytes() const { return fileBytes(QStringLiteral("SETQ.DAT")); }
    void writeSettings(const std::string& bytes) const { writeFile(QStringLiteral("SETQ.DAT"), bytes); }

    // The program folder as DataFolder holds it.
    std::string programFolder() const { return QDir::cleanPath(dir.path()).toStdString(); }

    std::unique_ptr<Program> program;
};

} // namespace sumlet::testing
