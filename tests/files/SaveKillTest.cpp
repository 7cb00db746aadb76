// A save killed at any moment leaves the earlier file whole: a child process saves a large
// file of each kind the programs write and is killed (SIGKILL) at a random moment, many
// times over; each time every file it writes is either the earlier one or the new one.

#include "support/Files.h"
#include "support/RowName.h"

#include "tezvan2/core/NotaFile.h"
#include "tezvan2/core/NoteGrid.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using testing_support::readFile;
using testing_support::writeFile;

// Fewer under the address sanitizer, where every child starts and saves several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRounds = 20;
#else
constexpr int kRounds = 60;
#endif

struct KillRow : testing_support::NamedRow {
    const char* kind;
    const char* input;               // a file the test writes first, or nullptr
    std::vector<const char*> outputs; // what the child writes, relative to the folder
    const char* target;              // the child's last argument, relative to the folder
};

struct Child {
    pid_t pid = -1;
    int ready = -1; // read end of the child's standard output
};

Child spawnChild(const QStringList& args)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    std::vector<QByteArray> bytes{QByteArray(SAVE_CHILD)};
    for (const QString& a : args)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    Child child;
    if (::posix_spawn(&child.pid, SAVE_CHILD, &actions, nullptr, argv.data(), environ) != 0)
        child.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    child.ready = fds[0];
    return child;
}

bool waitReady(const Child& child)
{
    char byte = 0;
    return ::read(child.ready, &byte, 1) == 1 && byte == 'r';
}

int waitExit(Child& child)
{
    int status = 0;
    ::waitpid(child.pid, &status, 0);
    ::close(child.ready);
    return status;
}

QByteArray oldContents(const char* output)
{
    return QByteArray("earlier ").append(output).append("\r\n").repeated(500);
}

void makeInput(const QString& path)
{
    if (path.endsWith(QStringLiteral(".tnl"))) {
        QByteArray text;
        for (int i = 0; i < 1500; ++i)
            text += QByteArray::number(i % 14).rightJustified(2, '0') + "=40\r\n";
        ASSERT_TRUE(writeFile(path, text));
    } else {
        tezvan2::NoteGrid grid;
        grid.setCount(1500);
        for (int c = 0; c < grid.count(); ++c) {
            grid.setName(c, QStringLiteral("yok"));
            grid.setDuration(c, QStringLiteral("40"));
        }
        ASSERT_TRUE(writeFile(path, tezvan2::nota::encode(grid)));
    }
}

class SaveKilled : public ::testing::TestWithParam<KillRow> {};

TEST_P(SaveKilled, LeavesTheEarlierFileOrTheNewOneWhole)
{
    const KillRow& row = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    QStringList args{QString::fromLatin1(row.kind)};
    if (row.input) {
        makeInput(dir.filePath(QLatin1String(row.input)));
        args << dir.filePath(QLatin1String(row.input));
    }
    args << dir.filePath(QLatin1String(row.target));
    if (row.outputs.size() > 1)
        QDir().mkpath(dir.filePath(QLatin1String(row.target)));
    const auto setEarlier = [&] {
        for (const char* out : row.outputs)
            ASSERT_TRUE(writeFile(dir.filePath(QLatin1String(out)), oldContents(out)));
    };

    // One save to its end: the new files, and how long a save takes after "ready".
    setEarlier();
    Child first = spawnChild(args);
    ASSERT_GT(first.pid, 0);
    ASSERT_TRUE(waitReady(first));
    QElapsedTimer timer;
    timer.start();
    const int status = waitExit(first);
    const qint64 saveNs = timer.nsecsElapsed();
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    std::vector<QByteArray> newer;
    for (const char* out : row.outputs) {
        newer.push_back(readFile(dir.filePath(QLatin1String(out))));
        ASSERT_NE(newer.back(), oldContents(out));
    }

    std::mt19937_64 random(std::random_device{}());
    std::uniform_int_distribution<qint64> moment(0, saveNs + saveNs / 4);
    int kills = 0;
    int earlier = 0;
    for (int round = 0; round < kRounds; ++round) {
        setEarlier();
        const qint64 delayNs = moment(random);
        Child child = spawnChild(args);
        ASSERT_GT(child.pid, 0);
        ASSERT_TRUE(waitReady(child));
        std::this_thread::sleep_for(std::chrono::nanoseconds(delayNs));
        ::kill(child.pid, SIGKILL);
        const int st = waitExit(child);
        if (WIFSIGNALED(st) && WTERMSIG(st) == SIGKILL)
            ++kills;
        for (std::size_t i = 0; i < row.outputs.size(); ++i) {
            const QByteArray now = readFile(dir.filePath(QLatin1String(row.outputs[i])));
            if (now == oldContents(row.outputs[i]))
                ++earlier;
            else
                ASSERT_EQ(now, newer[i]) << row.outputs[i] << " killed " << delayNs / 1000 << " us after ready, "
                                         << "round " << round << ": neither the earlier file nor the new one";
        }
    }
    std::cout << row.name << ": " << kills << " kills in " << kRounds << " saves of about "
              << saveNs / 1000 << " us; " << earlier << " files found as they were before\n";
    // Most moments fall inside the save; a machine so busy that none does proves nothing.
    EXPECT_GE(kills, kRounds / 4);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveKilled,
    ::testing::Values(KillRow{{"note list"}, "tnl", nullptr, {"liste.tnl"}, "liste.tnl"},
                      KillRow{{"display text"}, "txt", nullptr, {"liste.txt"}, "liste.txt"},
                      KillRow{{"note grid"}, "nota", nullptr, {"sarki.nota"}, "sarki.nota"},
                      KillRow{{"render of a note list"}, "render_tnl", "in.tnl", {"take.wav"}, "take.wav"},
                      KillRow{{"render of a note grid"}, "render_nota", "in.nota", {"take.wav"}, "take.wav"},
                      KillRow{{"export of the built-in samples"}, "export", nullptr,
                              {"out/00.wav", "out/01.wav", "out/07.wav", "out/14.wav", "out/15.wav"}, "out"}),
    testing_support::RowName{});

} // namespace
