// Each program's command line as a user types it: help and version with no display to
// open, and a command line in error answered on stderr with exit code 2.
#include "identity/ProgramIdentity.h"
#include "support/RowName.h"

#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Invocation : testing_support::NamedRow {
    const char* program;
    QStringList arguments;
    int exitCode;
    QStringList inStdout; // each must appear
    QString stderrStart;  // a line of stderr starts so
};

class CommandLine : public ::testing::TestWithParam<Invocation> {};

TEST_P(CommandLine, AnswersAsCommandLineProgramsDo)
{
    const Invocation& run = GetParam();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Help and version must not need one; an error after the window system took its own
    // options is told on the offscreen one.
    if (run.exitCode == 0) {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }
    process.setProcessEnvironment(env);
    process.start(QString::fromUtf8(run.program), run.arguments);
    ASSERT_TRUE(process.waitForFinished(120000));
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), run.exitCode) << err.toStdString();
    for (const QString& text : run.inStdout) {
        EXPECT_TRUE(out.contains(text)) << text.toStdString() << " not in:\n" << out.toStdString();
    }
    // The window system may say something of its own first.
    const QStringList errLines = err.split(u'\n');
    EXPECT_TRUE(std::ranges::any_of(errLines, [&](const QString& line) { return line.startsWith(run.stderrStart); }))
        << err.toStdString();
    if (!run.stderrStart.isEmpty()) {
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    }
}

const QString kTezvanVersion = QStringLiteral("tezvan ") + QString::fromUtf8(identity::kTezvanEdition) + u'\n';
const QString kTezvan2Version = QStringLiteral("tezvan2 ") + QString::fromUtf8(identity::kTezvan2Edition) + u'\n';

INSTANTIATE_TEST_SUITE_P(
    Invocations, CommandLine,
    ::testing::Values(
        Invocation{{"tezvan help"},
                   TEZVAN,
                   {QStringLiteral("--help")},
                   0,
                   {QStringLiteral("--help"), QStringLiteral("--version"), QStringLiteral("--render IN.tnl OUT.wav"),
                    QStringLiteral("--export-samples DIR"), QStringLiteral("DOSYA.tnl")},
                   {}},
        Invocation{{"tezvan2 help"},
                   TEZVAN2,
                   {QStringLiteral("-h")},
                   0,
                   {QStringLiteral("--version"), QStringLiteral("--render IN.nota OUT.wav")},
                   {}},
        Invocation{{"tezvan version"}, TEZVAN, {QStringLiteral("--version")}, 0, {kTezvanVersion}, {}},
        Invocation{{"tezvan2 version"}, TEZVAN2, {QStringLiteral("-v")}, 0, {kTezvan2Version}, {}},
        Invocation{
            {"tezvan unknown option"}, TEZVAN, {QStringLiteral("--bogus")}, 2, {}, QStringLiteral("tezvan: ")},
        Invocation{{"tezvan2 unknown option"}, TEZVAN2, {QStringLiteral("-x")}, 2, {}, QStringLiteral("tezvan2: ")},
        Invocation{{"tezvan render without its output"},
                   TEZVAN,
                   {QStringLiteral("--render"), QStringLiteral("a.tnl")},
                   2,
                   {},
                   QStringLiteral("tezvan: ")}),
    testing_support::RowName{});

} // namespace
