#pragma once
// The runtime's text-to-integer conversion that both programs rely on: decimal digits with
// an optional sign, fitting a signed 32-bit value, nothing else (no blanks, no hex).
// Not a general number parser: use QString::toInt where other forms are welcome.

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace platform {

// The value of text, or nothing when text is not a whole number in that form.
std::optional<qint32> parseWholeNumber(QStringView text);

// "'text' is not a valid integer value": the runtime's message for such a text.
QString notAnIntegerMessage(const QString& text);

// As parseWholeNumber, but a text that is no whole number ends the command
// (throws CommandError with notAnIntegerMessage(text)).
qint32 wholeNumberOrThrow(const QString& text);

} // namespace platform
