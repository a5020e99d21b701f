// SPDX-License-Identifier: MIT
// The game's command line: help, the version and refusals answer on a terminal
// without a display, and none of them starts the game or writes a file.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "tonvale_version.h"

namespace {

struct LineCase {
    QStringList args;
    int exitCode;
    const char* out;  // found on standard output
    const char* err;  // found on standard error
};

TEST(GameCommandLine, AnswersWithoutADisplayAndWritesNothing) {
    const std::vector<LineCase> cases = {
        {{"--help"}, 0, "Usage: tonvale [options]", ""},
        {{"-h"}, 0, "--version", ""},
        {{"--version"}, 0, "tonvale " TONVALE_VERSION "\n", ""},
        {{"-v"}, 0, "tonvale " TONVALE_VERSION "\n", ""},
        // Help wins over the options it would explain, even the test-only ones.
        {{"--demo", "--help"}, 0, "--report-saves", ""},
        {{"--bogus"}, 2, "", "Unknown option 'bogus'"},
        {{"--demo", "-x"}, 2, "", "Unknown option 'x'"},
        {{"extra"}, 2, "", "unexpected argument 'extra'"},
        {{"--draws", "3,x"}, 2, "", "'x' is not a whole number of 1 or more"},
        {{"--draws", "0"}, 2, "", "'0' is not a whole number of 1 or more"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path() + QStringLiteral("/run"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TONVALE_GAME), c.args);
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(out.contains(QLatin1String(c.out))) << out.toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(c.err))) << err.toStdString();
        if (c.exitCode == 2) {
            EXPECT_TRUE(err.contains(QLatin1String("tonvale --help"))) << err.toStdString();
        }
        QDirIterator written(home.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                             QDirIterator::Subdirectories);
        EXPECT_FALSE(written.hasNext()) << "wrote " << written.next().toStdString();
    }
}

TEST(GameCommandLine, HelpNamesTheTestOnlyOptionsAsSuch) {
    QProcess p;
    p.start(QStringLiteral(TONVALE_GAME), {QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QStringList lines = QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const char* option : {"--demo", "--report-saves"}) {
        SCOPED_TRACE(option);
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString& l) {
            return l.trimmed().startsWith(QLatin1String(option));
        });
        ASSERT_NE(line, lines.end());
        EXPECT_TRUE(line->contains(QLatin1String("For tests only"))) << line->toStdString();
    }
}

}  // namespace
