#pragma once
// What every artwork tool's main shares: an off-screen GUI application (the tools draw with
// QPainter and need no display), the check of its arguments, and files written whole or not
// at all, each failure told on stderr.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace artwork {

// Runs `body` with the program's arguments (the program's name first) when there are
// between minArgs and maxArgs of them after the name (maxArgs < 0: no limit); otherwise
// prints "usage: <usage>" and returns 2. `body` returns the exit code.
int runTool(int argc, char** argv, const char* usage, int minArgs, int maxArgs,
            const std::function<int(const QStringList& args)>& body);

// Each is false, after a message on stderr, when the file or folder could not be made.
bool makeFolder(const QString& path);
bool writeWhole(const QString& path, const QByteArray& bytes);
bool writePng(const QString& path, const QImage& image);

} // namespace artwork
