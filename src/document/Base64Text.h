#pragma once

#include <QByteArray>
#include <QString>

// The Base64 text that books hold for their cover and introduction: standard
// alphabet, CR LF after every 76 characters of full groups, "=" padding on a
// final partial group with no line break of its own.
QString EncodeBase64Text(const QByteArray &bytes);

// Skips every character outside the alphabet (line breaks, padding, blanks,
// anything else) wherever it stands and stops at a NUL. 2 or 3 characters
// left at the end give 1 or 2 bytes; a single one gives none.
QByteArray DecodeBase64Text(QStringView text);
