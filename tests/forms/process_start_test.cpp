// Starting another program leaves nothing behind in this one: no child that
// turns defunct when it ends.
#include "forms/qt_services.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Processes whose parent is this one, with their states ("Z" for defunct).
std::vector<std::string> childStates()
{
    std::vector<std::string> states;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        std::ifstream stat("/proc/" + pid.toStdString() + "/stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        // pid (name) state ppid ...; the name may hold blanks and parentheses.
        std::istringstream rest(line.substr(line.rfind(')') + 1));
        std::string state;
        long ppid = 0;
        rest >> state >> ppid;
        if (ppid == ::getpid())
            states.push_back(pid.toStdString() + " " + state);
    }
    return states;
}

TEST(ProcessStart, StartedProgramIsDetachedAndLeavesNoDefunctChild)
{
    QTemporaryDir dir;
    const QString done = dir.filePath(QStringLiteral("done"));
    const std::vector<std::string> before = childStates();
    forms::QtServices services;
    // The started program reports its parent and ends at once.
    ASSERT_TRUE(services.StartProcess(QStringLiteral("/bin/sh"),
                                      {QStringLiteral("-c"), QStringLiteral("echo $PPID > \"$0.tmp\" && mv \"$0.tmp\" \"$0\""), done}));
    for (int i = 0; i < 500 && !QFile::exists(done); ++i)
        QThread::msleep(10);
    ASSERT_TRUE(QFile::exists(done));
    QFile f(done);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_NE(f.readAll().trimmed().toLong(), static_cast<long>(::getpid()));
    QThread::msleep(200); // time for an ended child to show as defunct
    EXPECT_EQ(childStates(), before);

    // A program that cannot be started is reported.
    EXPECT_FALSE(services.StartProcess(dir.filePath(QStringLiteral("no-such-program")), {}));
    EXPECT_EQ(childStates(), before);
}

} // namespace
