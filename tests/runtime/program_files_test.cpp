#include "runtime/program_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace runtime;
namespace fs = std::filesystem;

namespace {

// Sets or unsets an environment variable for the life of the object.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvVar() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ProgramFiles, ConfigFolderFollowsXdgElseHome)
{
    const struct {
        const char* xdg;
        const char* home;
        const char* expected;
    } rows[] = {
        {"/xdg", "/home/u", "/xdg/quorvel"},
        {nullptr, "/home/u", "/home/u/.config/quorvel"},
        {"", "/home/u", "/home/u/.config/quorvel"},
        {"relative/path", "/home/u", "/home/u/.config/quorvel"},
        {"/xdg", nullptr, "/xdg/quorvel"},
        {nullptr, nullptr, ""},
    };
    for (const auto& r : rows) {
        EnvVar xdg("XDG_CONFIG_HOME", r.xdg);
        EnvVar home("HOME", r.home);
        EXPECT_EQ(configFolder("quorvel"), fs::path(r.expected))
            << (r.xdg ? r.xdg : "(unset)") << " " << (r.home ? r.home : "(unset)");
    }
}

TEST(ProgramFiles, ReadAndWritePlaces)
{
    enum Folder { Writable, ReadOnly, Missing };
    const struct Row {
        const char* name;
        Folder program;
        bool inProgram, inFallback, noFallback;
        const char* read;  // "program" or "fallback"
        const char* write;
    } rows[] = {
        {"writable folder", Writable, false, false, false, "program", "program"},
        {"writable folder, file in the fallback too", Writable, true, true, false, "program", "program"},
        {"read-only folder with the file, no fallback file", ReadOnly, true, false, false, "program", "fallback"},
        {"read-only folder, both have the file", ReadOnly, true, true, false, "fallback", "fallback"},
        {"read-only folder, only the fallback has it", ReadOnly, false, true, false, "fallback", "fallback"},
        {"read-only folder, no file at all", ReadOnly, false, false, false, "fallback", "fallback"},
        {"missing program folder", Missing, false, false, false, "fallback", "fallback"},
        {"read-only folder without a fallback", ReadOnly, true, false, true, "program", "program"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::string tmpl = (fs::temp_directory_path() / "program_files_XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        const fs::path top = tmpl;
        ProgramFiles files{top / "bin", r.noFallback ? fs::path() : top / "config"};
        if (r.program != Missing)
            fs::create_directory(files.programFolder);
        if (r.inProgram)
            std::ofstream(files.programFolder / "LCTDX.DAT") << "p";
        if (r.inFallback) {
            fs::create_directory(top / "config");
            std::ofstream(top / "config" / "LCTDX.DAT") << "f";
        }
        // No write bit at all: read-only for root as well.
        if (r.program == ReadOnly)
            ::chmod(files.programFolder.c_str(), 0555);
        EXPECT_EQ(writableFolder(files.programFolder), r.program == Writable);

        auto where = [&](const char* place) { return (std::string(place) == "program" ? top / "bin" : top / "config") / "LCTDX.DAT"; };
        EXPECT_EQ(files.readPath("LCTDX.DAT"), where(r.read));
        EXPECT_EQ(files.writePath("LCTDX.DAT"), where(r.write));

        ::chmod(files.programFolder.c_str(), 0755);
        fs::remove_all(top);
    }
}

} // namespace
