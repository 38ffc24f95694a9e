#include "notebook/FieldInput.h"

#include "platform/seams/Dialogs.h"
#include "platform/text/FixedText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>
#include <utility>

namespace FieldInput {

namespace {

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// Takes out, as they are typed or pasted, the characters the code page
// cannot hold; the rest of a paste goes in.
class CodePageValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        if (fitsCodePage(input))
            return Acceptable;
        pos = int(codePageOnly(QStringView(input).left(pos)).size());
        input = codePageOnly(input);
        Dialogs::instance().beep();
        return Acceptable;
    }
};

// Cuts what was just typed or pasted into the note box to what the field
// and the code page take. Works on the change as a whole once the box has
// taken it, so typing, pasting, dropping and input methods all pass here.
class NoteTextLimit : public QObject
{
public:
    NoteTextLimit(QPlainTextEdit *box, int width) : QObject(box), m_box(box), m_width(width)
    {
        setObjectName(QStringLiteral("NoteTextLimit"));
        connect(box->document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
            if (!m_busy) {
                m_position = position;
                m_added = added;
            }
        });
        connect(box, &QPlainTextEdit::textChanged, this, &NoteTextLimit::enforce);
    }

    bool paused = false;

private:
    void enforce()
    {
        const int added = std::exchange(m_added, 0);
        if (paused || m_busy || added <= 0)
            return;
        QTextDocument *document = m_box->document();
        QTextCursor cursor(document);
        const int end = qMin(m_position + added, document->characterCount() - 1);
        cursor.setPosition(m_position);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        const QString inserted = cursor.selectedText();
        QString kept = codePageOnly(inserted);
        int total = storedLength(document->toRawText()) - storedLength(inserted) + storedLength(kept);
        while (total > m_width && !kept.isEmpty()) {
            total -= storedLength(kept.right(1));
            kept.chop(1);
        }
        if (kept == inserted)
            return;
        m_busy = true;
        cursor.insertText(kept);
        m_box->setTextCursor(cursor);
        m_busy = false;
        Dialogs::instance().beep();
    }

    QPlainTextEdit *m_box;
    int m_width;
    int m_position = 0;
    int m_added = 0;
    bool m_busy = false;
};

} // namespace

bool fitsCodePage(QStringView text)
{
    return codePageOnly(text).size() == text.size();
}

QString codePageOnly(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        // The code page writes "?" for a character it has no byte for.
        if (c == U'?' || isLineBreak(one.front()) || FixedText::toCodePage(one) != "?")
            kept += one;
    }
    return kept;
}

int storedLength(QStringView text)
{
    int length = 0;
    for (QChar c : text)
        length += isLineBreak(c) ? 2 : 1;
    return length;
}

void limit(QLineEdit *box, int width)
{
    box->setMaxLength(width);
    box->setValidator(new CodePageValidator(box));
}

void limit(QPlainTextEdit *box, int width)
{
    new NoteTextLimit(box, width);
}

void setUnlimitedText(QPlainTextEdit *box, const QString &text)
{
    auto *limit = dynamic_cast<NoteTextLimit *>(
        box->findChild<QObject *>(QStringLiteral("NoteTextLimit"), Qt::FindDirectChildrenOnly));
    if (limit)
        limit->paused = true;
    box->setPlainText(text);
    if (limit)
        limit->paused = false;
}

} // namespace FieldInput
