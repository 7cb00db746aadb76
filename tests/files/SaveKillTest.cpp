// A save killed midway leaves the earlier file whole: a child process saves a large file of
// each kind the programs write, stops itself at a chosen byte of its writing and is killed
// there (SIGKILL), at cuts spread over the whole file; each time every file it writes is
// either the earlier one or the new one. Where the cut falls is set by bytes, never by
// time, so every round is a kill inside a save however slow the machine.

#include "support/Files.h"
#include "support/RowName.h"

#include "tezvan2/core/NotaFile.h"
#include "tezvan2/core/NoteGrid.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using testing_support::readFile;
using testing_support::writeFile;

constexpr int kRounds = 10;

struct KillRow : testing_support::NamedRow {
    const char* kind;
    const char* input;                // a file the test writes first, or nullptr
    std::vector<const char*> outputs; // what the child writes, relative to the folder
    const char* target;               // the child's last argument, relative to the folder
};

// Runs the child to its end (cut "whole") or to the byte it is to stop at; a child stopped
// there is killed. Returns its wait status.
int runChild(const QString& cut, const QStringList& args)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<QByteArray> bytes{QByteArray(SAVE_CHILD), QFile::encodeName(cut)};
    for (const QString& a : args)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, SAVE_CHILD, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, WUNTRACED);
    if (WIFSTOPPED(status)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
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

    // One save to its end: the new files.
    setEarlier();
    const int status = runChild(QStringLiteral("whole"), args);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    std::vector<QByteArray> newer;
    qint64 largest = 0;
    for (const char* out : row.outputs) {
        newer.push_back(readFile(dir.filePath(QLatin1String(out))));
        ASSERT_NE(newer.back(), oldContents(out));
        largest = std::max<qint64>(largest, newer.back().size());
    }

    // Cuts from the first byte to the last of the largest file; where several files are
    // written, the cut falls in the first one longer than it.
    for (int round = 0; round < kRounds; ++round) {
        setEarlier();
        const qint64 cut = (largest - 1) * round / (kRounds - 1);
        const int st = runChild(QString::number(cut), args);
        ASSERT_TRUE(WIFSIGNALED(st) && WTERMSIG(st) == SIGKILL) << "cut at byte " << cut << ": status " << st;
        for (std::size_t i = 0; i < row.outputs.size(); ++i) {
            const QByteArray now = readFile(dir.filePath(QLatin1String(row.outputs[i])));
            if (now != oldContents(row.outputs[i])) {
                ASSERT_EQ(now, newer[i])
                    << row.outputs[i] << " cut at byte " << cut << ": neither the earlier file nor the new one";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveKilled,
    ::testing::Values(KillRow{{"note list"}, "tnl", nullptr, {"liste.tnl"}, "liste.tnl"},
                      KillRow{{"display text"}, "txt", nullptr, {"liste.txt"}, "liste.txt"},
                      KillRow{{"note grid"}, "nota", nullptr, {"sarki.nota"}, "sarki.nota"},
                      KillRow{{"render of a note list"}, "render_tnl", "in.tnl", {"take.wav"}, "take.wav"},
                      KillRow{{"render of a note grid"}, "render_nota", "in.nota", {"take.wav"}, "take.wav"},
                      KillRow{{"export of the built-in samples"},
                              "export",
                              nullptr,
                              {"out/00.wav", "out/01.wav", "out/07.wav", "out/14.wav", "out/15.wav"},
                              "out"}),
    testing_support::RowName{});

} // namespace
