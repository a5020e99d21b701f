// The game as a process: killed at random moments it leaves a store holding a
// settled record; stop signals close it as its close box does; a second start is
// turned away; a store file of binary garbage does not stop it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace tonvale {
namespace {

using Record = std::map<std::string, std::string>;  // key -> text

// Which file holds each key of a player record.
const std::vector<std::string> kPoolKeys = {"grand", "major", "minor"};
bool isPoolKey(const std::string& key) { return key == "grand" || key == "major" || key == "minor"; }

struct GameHome {
    GameHome() {
        QDir().mkpath(dir.path() + QStringLiteral("/run"));
        QFile::setPermissions(dir.path() + QStringLiteral("/run"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir().mkpath(folder());
    }
    QString folder() const { return dir.path() + QStringLiteral("/config/Tonvale"); }
    QString file(const char* app) const { return folder() + QLatin1Char('/') + QLatin1String(app) + ".conf"; }

    void start(QProcess& p, const QStringList& args) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path() + QStringLiteral("/run"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TONVALE_GAME), args);
        ASSERT_TRUE(p.waitForStarted(10000));
    }

    // The keys of section "player1" in one store file; false when it does not parse.
    bool read(const char* app, Record& out) const {
        out.clear();
        if (!QFile::exists(file(app))) return true;
        QSettings ini(file(app), QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("player1"));
        for (const QString& key : ini.childKeys())
            out[key.toStdString()] = ini.value(key).toString().toStdString();
        return ini.status() == QSettings::NoError;
    }

    bool waitForLock() const {
        for (int i = 0; i < 200; ++i) {
            if (QFile::exists(folder() + QStringLiteral("/tonvale.lock"))) return true;
            QProcess::execute(QStringLiteral("sleep"), {QStringLiteral("0.05")});
        }
        return false;
    }

    QTemporaryDir dir;
};

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c;
    }
    return out;
}

// The lines "save<TAB>player1<TAB>key=value..." a process printed.
std::vector<Record> reportedSaves(const QByteArray& output) {
    std::vector<Record> saves;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 21 || fields[0] != "save" || fields[1] != "player1") continue;
        Record r;
        for (int i = 2; i < fields.size(); ++i) {
            const std::string f = fields[i].toStdString();
            const auto eq = f.find('=');
            r[f.substr(0, eq)] = unescape(f.substr(eq + 1));
        }
        saves.push_back(r);
    }
    return saves;
}

// The part of a record one file holds.
Record part(const Record& r, bool pools) {
    Record out;
    for (const auto& [k, v] : r)
        if (isPoolKey(k) == pools) out[k] = v;
    return out;
}

TEST(GameProcess, KilledAtRandomMomentsTheStoreHoldsASettledRecord) {
    GameHome home;
    std::mt19937 random(20240611);
    // From the start: some kills come before the first save, some during one,
    // most in the middle of a spin.
    std::uniform_int_distribution<int> delayMs(0, 1400);
    constexpr int kKills = 50;
    Record before;  // the whole player1 record the store held before each run
    int intact = 0, onLast = 0, onPrevious = 0, saves = 0, runsWithoutSave = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill + 1));
        QProcess game;
        home.start(game, {QStringLiteral("--demo"), QStringLiteral("--report-saves")});
        game.waitForFinished(delayMs(random));
        ASSERT_EQ(game.state(), QProcess::Running) << game.readAllStandardError().toStdString();
        game.kill();
        ASSERT_TRUE(game.waitForFinished(10000));
        const QByteArray out = game.readAllStandardOutput();

        std::vector<Record> reported = reportedSaves(out);
        saves += static_cast<int>(reported.size());
        if (reported.empty()) ++runsWithoutSave;
        const Record& last = reported.empty() ? before : reported.back();
        const Record& previous = reported.size() > 1 ? reported[reported.size() - 2] : before;

        Record keys, options, pools;
        ASSERT_TRUE(home.read("keys", keys));
        ASSERT_TRUE(home.read("Tonvale", options));
        ASSERT_TRUE(home.read("allslot", pools));
        // Each file on its own: all of the last record, or all of the one before.
        bool allLast = true;
        for (const auto& [file, pool] :
             {std::pair{&keys, false}, std::pair{&options, false}, std::pair{&pools, true}}) {
            const bool isLast = *file == part(last, pool);
            const bool isPrevious = *file == part(previous, pool);
            EXPECT_TRUE(isLast || isPrevious) << "a file holds neither of the last two records";
            allLast = allLast && isLast;
        }
        if (!::testing::Test::HasFailure()) ++intact;
        ++(allLast ? onLast : onPrevious);
        before = keys;
        for (const auto& [k, v] : pools) before[k] = v;
    }
    EXPECT_EQ(intact, kKills);
    std::printf(
        "%d kills, %d saves reported, %d runs killed before their first save, %d stores intact (%d on the "
        "last record, %d on the previous)\n",
        kKills, saves, runsWithoutSave, intact, onLast, onPrevious);
}

TEST(GameProcess, StopSignalsCloseAsTheCloseBoxAndASecondStartIsTurnedAway) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        GameHome home;
        // A keys file of binary garbage beside good files that must survive.
        QByteArray garbage;
        std::mt19937 random(static_cast<unsigned>(signal));
        for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>(random() & 0xff));
        QFile keys(home.file("keys"));
        ASSERT_TRUE(keys.open(QIODevice::WriteOnly));
        keys.write(garbage);
        keys.close();
        {
            QSettings pools(home.file("allslot"), QSettings::IniFormat);
            pools.setValue(QStringLiteral("player2/grand"), QStringLiteral("260000"));
            QSettings notice(home.file("tonvale"), QSettings::IniFormat);
            notice.setValue(QStringLiteral("notice/autoplay"), QStringLiteral("-1"));
        }

        QProcess game;
        home.start(game, {});
        ASSERT_TRUE(home.waitForLock());
        QFile before(home.file("keys"));
        ASSERT_TRUE(before.open(QIODevice::ReadOnly));
        const QByteArray keysBefore = before.readAll();

        QProcess second;
        home.start(second, {});
        ASSERT_TRUE(second.waitForFinished(20000));
        EXPECT_EQ(second.exitCode(), 1);
        EXPECT_TRUE(second.readAllStandardError().contains("Tonvale is already running."));
        QFile after(home.file("keys"));
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll(), keysBefore);
        EXPECT_EQ(game.state(), QProcess::Running);

        ASSERT_EQ(::kill(static_cast<pid_t>(game.processId()), signal), 0);
        ASSERT_TRUE(game.waitForFinished(20000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.exitCode(), 0);

        // The close saved slot 1 as the reading rules left it.
        Record saved;
        ASSERT_TRUE(home.read("keys", saved));
        EXPECT_EQ(saved["bank"], "0");
        EXPECT_EQ(saved["machinepay"], "3");
        EXPECT_EQ(saved["reelspeed"], "1");
        QSettings pools(home.file("allslot"), QSettings::IniFormat);
        EXPECT_EQ(pools.value(QStringLiteral("player2/grand")).toString(), QStringLiteral("260000"));
        EXPECT_EQ(pools.value(QStringLiteral("player1/grand")).toString(), QStringLiteral("0"));
        QSettings notice(home.file("tonvale"), QSettings::IniFormat);
        EXPECT_EQ(notice.value(QStringLiteral("notice/autoplay")).toString(), QStringLiteral("-1"));
        EXPECT_FALSE(QFile::exists(home.folder() + QStringLiteral("/tonvale.lock")));
    }
}

}  // namespace
}  // namespace tonvale
