#pragma once

#include <QString>
#include <QtGlobal>
#include <QStringList>

// Line files ("Category.cat", "Names.cat"): one entry per line in the
// single-byte code page, each line ended by CR LF.
namespace LineFile {

// The most lines a list file may hold. A list box whose index is a 16-bit
// number shows no more, and nobody picks a name out of a longer list; a
// larger file is refused as it is read, before it fills memory.
inline constexpr int MaxEntries = 32767;
// And the most bytes: 256 a line on average, line ends included, far more
// than any name or category needs, and little enough that the largest
// allowed list opens in a fraction of a second.
inline constexpr qint64 MaxBytes = qint64(MaxEntries) * 256;

// Reads every line. A missing file reads as no lines. Lines may also end in
// LF or CR alone, and the last line may have no ending. A file of more than
// MaxEntries lines or MaxBytes bytes, or that is no regular file, is refused: false,
// with a sentence for the user in *error, and lines left empty.
bool read(const QString &path, QStringList &lines, QString *error = nullptr);

// Replaces the file with the lines, each ended by CR LF, through a temporary
// file so that a failure leaves the old file whole. Lines that read() would
// refuse (too many, or too large) are not written: false, and *error says why.
bool write(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace LineFile
