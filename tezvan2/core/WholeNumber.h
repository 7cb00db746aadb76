#pragma once
// Whole numbers typed as text (durations, the duration multiplier): decimal with an
// optional sign, fitting a signed 32-bit value.

#include <QString>
#include <QtGlobal>
#include <optional>

namespace tezvan2 {

std::optional<qint32> parseWholeNumber(const QString& text);

// As parseWholeNumber, but a text that is no whole number ends the command with
// "'text' is not a valid integer value".
qint32 wholeNumberOrThrow(const QString& text);

QString notAnIntegerMessage(const QString& text);

} // namespace tezvan2
