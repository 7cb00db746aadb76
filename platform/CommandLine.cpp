#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace platform {
namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

// Every program's own two options.
const QCommandLineOption& helpOption()
{
    static const QCommandLineOption option({QStringLiteral("h"), kHelp}, QString::fromUtf8("Bu yardımı gösterir."));
    return option;
}

const QCommandLineOption& versionOption()
{
    static const QCommandLineOption option({QStringLiteral("v"), kVersion}, QString::fromUtf8("Sürümü gösterir."));
    return option;
}

void describe(QCommandLineParser& parser, const CommandLineProgram& program)
{
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    for (const CommandLineCommand& command : program.commands)
        parser.addOption(QCommandLineOption(command.option, command.description));
}

QString usageOf(const CommandLineCommand& command)
{
    return (QStringList{QStringLiteral("--") + command.option} + command.arguments).join(u' ');
}

// The parser's complaint, an unknown option named with its dashes.
QString errorOf(const QCommandLineParser& parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return parser.errorText();
    const QString name = unknown.first();
    return QString::fromUtf8("bilinmeyen seçenek: ")
        + (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

void print(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int runCommand(const CommandLineProgram& program, const QCommandLineParser& parser, bool parsed, int argc,
               char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<const CommandLineCommand*> asked;
    for (const CommandLineCommand& command : program.commands)
        if (parser.isSet(command.option))
            asked.push_back(&command);
    if (!parsed) {
        reportCommandLineError(program.name, errorOf(parser));
        return kCommandLineMisuse;
    }
    const CommandLineCommand& command = *asked.front();
    const QStringList arguments = parser.positionalArguments();
    if (asked.size() > 1 || arguments.size() != command.arguments.size()) {
        reportCommandLineError(program.name,
                               QString::fromUtf8("kullanım: ") + program.name + u' ' + usageOf(command));
        return kCommandLineMisuse;
    }
    return command.run(arguments);
}

} // namespace

QString commandLineHelp(const CommandLineProgram& program)
{
    const auto dashed = [](const QCommandLineOption& option) {
        return QStringLiteral("-") + option.names().first() + QStringLiteral(", --") + option.names().last();
    };
    std::vector<std::pair<QString, QString>> options{
        {dashed(helpOption()), helpOption().description()},
        {dashed(versionOption()), versionOption().description()},
    };
    for (const CommandLineCommand& command : program.commands)
        options.emplace_back(usageOf(command), command.description);
    qsizetype width = program.files.size();
    for (const auto& [left, right] : options)
        width = std::max(width, left.size());
    const auto row = [&](const QString& left, const QString& right) {
        return QStringLiteral("  ") + left.leftJustified(width + 2) + right + u'\n';
    };

    QString text = QString::fromUtf8("Kullanım: ") + program.name + QString::fromUtf8(" [SEÇENEK]");
    if (!program.files.isEmpty())
        text += QStringLiteral(" [") + program.files + u']';
    text += u'\n' + program.title + QStringLiteral("\n\n") + QString::fromUtf8("Seçenekler:\n");
    for (const auto& [left, right] : options)
        text += row(left, right);
    if (!program.files.isEmpty())
        text += QString::fromUtf8("\nArgümanlar:\n") + row(program.files, program.filesDescription);
    return text;
}

std::optional<int> answerWithoutWindow(const CommandLineProgram& program, int argc, char** argv)
{
    QCommandLineParser parser;
    describe(parser, program);
    // Errors wait for the window's own reading when no command is asked: the window
    // system's options are not known here.
    const bool parsed = parser.parse(argumentsOf(argc, argv));
    if (parser.isSet(kHelp)) {
        print(commandLineHelp(program));
        return 0;
    }
    if (parser.isSet(kVersion)) {
        print(program.name + u' ' + program.version + u'\n');
        return 0;
    }
    for (const CommandLineCommand& command : program.commands)
        if (parser.isSet(command.option))
            return runCommand(program, parser, parsed, argc, argv);
    return std::nullopt;
}

std::optional<QStringList> windowFiles(const CommandLineProgram& program, const QStringList& arguments)
{
    QCommandLineParser parser;
    describe(parser, program);
    if (!parser.parse(arguments)) {
        reportCommandLineError(program.name, errorOf(parser));
        return std::nullopt;
    }
    return parser.positionalArguments();
}

void reportCommandLineError(const QString& program, const QString& message)
{
    std::fputs((program + QStringLiteral(": ") + message + u'\n').toLocal8Bit().constData(), stderr);
}

} // namespace platform
