#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text in the single-byte code page (Windows-1252) and the fixed-width text
// fields of records.
namespace FixedText {

// A character the code page cannot hold becomes '?'.
QByteArray toCodePage(const QString &text);
QString fromCodePage(QByteArrayView bytes);

// Cut to width or padded on the right with spaces (0x20).
QByteArray encodeField(const QString &text, int width);
// The field's text as stored, nothing removed.
QString decodeField(QByteArrayView bytes);
// Leading and trailing spaces removed; any other character (zero bytes too) stays.
QString trimSpaces(const QString &text);

} // namespace FixedText
