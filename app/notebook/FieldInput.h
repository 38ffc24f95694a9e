#pragma once

#include <QString>
#include <QStringView>

class QLineEdit;
class QPlainTextEdit;

// What a text box may take so that nothing typed is lost on the way to the
// files: no more than the field the text is stored in holds, and only
// characters of the files' code page (Windows-1252), which could otherwise
// only be stored as "?". Such a character is answered with a beep, and so is
// text the note box has to leave out; a one-line box stops at its length.
namespace FieldInput {

// Whether the code page holds every character of text.
bool fitsCodePage(QStringView text);
// text less the characters the code page cannot hold.
QString codePageOnly(QStringView text);
// The bytes a note text takes when stored: a line break is CR LF.
int storedLength(QStringView text);

// A one-line box: at most width characters, all of the code page. Text set
// from elsewhere is cut to width, so the box shows what the note keeps.
void limit(QLineEdit *box, int width);
// The note text box: at most width bytes as stored, all of the code page.
void limit(QPlainTextEdit *box, int width);
// Shows text in a limited note box whole: a stored note may take more room
// in the box than on disk (a lone CR shows as a two-byte line break).
void setUnlimitedText(QPlainTextEdit *box, const QString &text);

} // namespace FieldInput
