#pragma once

#include <QString>
#include <QStringList>

// Line files ("Category.cat", "Names.cat"): one entry per line in the
// single-byte code page, each line ended by CR LF.
namespace LineFile {

// Reads every line. A missing file reads as no lines. Lines may also end in
// LF or CR alone, and the last line may have no ending. On failure returns
// false with a sentence for the user in *error and leaves lines empty.
bool read(const QString &path, QStringList &lines, QString *error = nullptr);

// Replaces the file with the lines, each ended by CR LF, through a temporary
// file so that a failure leaves the old file whole.
bool write(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace LineFile
