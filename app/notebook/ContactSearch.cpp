#include "notebook/ContactSearch.h"

#include "notebook/RecordStore.h"
#include "platform/text/FixedText.h"

#include <algorithm>
#include <array>

namespace {

// A byte of the code page in upper case: one character, or two for the sharp s.
struct UpperCase
{
    char16_t chars[2] = {};
    int length = 0;
};

// Upper-casing goes character by character, so comparing through this table
// equals upper-casing the decoded contact, without building a string for each
// of many thousand records.
const std::array<UpperCase, 256> &upperCaseOfByte()
{
    static const std::array<UpperCase, 256> table = [] {
        std::array<UpperCase, 256> upper;
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            const QString text = FixedText::fromCodePage(QByteArrayView(&c, 1)).toUpper();
            UpperCase &entry = upper[size_t(byte)];
            entry.length = int(std::min<qsizetype>(text.size(), 2));
            for (int i = 0; i < entry.length; ++i)
                entry.chars[i] = text.at(i).unicode();
        }
        return upper;
    }();
    return table;
}

// Each byte's upper case as one byte of the code page, or -1 when it is not one.
const std::array<qint16, 256> &upperByteOfByte()
{
    static const std::array<qint16, 256> table = [] {
        std::array<qint16, 256> upper;
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            const QString text = FixedText::fromCodePage(QByteArrayView(&c, 1)).toUpper();
            const QByteArray encoded = FixedText::toCodePage(text);
            const bool single = text.size() == 1 && FixedText::fromCodePage(encoded) == text;
            upper[size_t(byte)] = single ? qint16(uchar(encoded.at(0))) : qint16(-1);
        }
        return upper;
    }();
    return table;
}

} // namespace

ContactSearch::Matcher::Matcher(const QString &upperAnswer)
    : m_upper(upperAnswer), m_bytes(FixedText::toCodePage(upperAnswer))
{
    m_encodable = FixedText::fromCodePage(m_bytes) == upperAnswer;
}

bool ContactSearch::Matcher::matches(const char *contactField) const
{
    if (!m_encodable)
        return contactMatches(contactField, m_upper);
    const auto &upper = upperByteOfByte();
    const auto *begin = reinterpret_cast<const uchar *>(contactField);
    const uchar *end = begin + NoteRecord::ContactWidth;
    while (begin < end && *begin == ' ')
        ++begin;
    const auto *answer = reinterpret_cast<const uchar *>(m_bytes.constData());
    const qsizetype length = m_bytes.size();
    // Most contacts differ early; decide those before trimming the end.
    qsizetype at = 0;
    const uchar *p = begin;
    for (; p < end && at < length; ++p, ++at) {
        const qint16 up = upper[*p];
        if (up != answer[at])
            return up < 0 ? contactMatches(contactField, m_upper) : false;
    }
    if (at < length)
        return false;
    // The answer is used up exactly where the contact ends before its padding.
    while (end > begin && end[-1] == ' ')
        --end;
    return p == end;
}

bool ContactSearch::contactMatches(const char *contactField, const QString &upperAnswer)
{
    const auto &upper = upperCaseOfByte();
    const char16_t *answer = reinterpret_cast<const char16_t *>(upperAnswer.constData());
    const qsizetype answerLength = upperAnswer.size();
    int begin = 0;
    while (begin < NoteRecord::ContactWidth && contactField[begin] == ' ')
        ++begin;
    if (begin == NoteRecord::ContactWidth)
        return answerLength == 0;
    // Most contacts differ in their first letter; decide those before trimming the end.
    if (answerLength == 0 || upper[uchar(contactField[begin])].chars[0] != answer[0])
        return false;
    int end = NoteRecord::ContactWidth;
    while (contactField[end - 1] == ' ')
        --end;
    qsizetype at = 0;
    for (int i = begin; i < end; ++i) {
        const UpperCase &part = upper[uchar(contactField[i])];
        if (at + part.length > answerLength)
            return false;
        for (int j = 0; j < part.length; ++j) {
            if (answer[at++] != part.chars[j])
                return false;
        }
    }
    return at == answerLength;
}

ContactSearch::Result ContactSearch::find(RecordStore &store, const QString &answer)
{
    const Matcher matcher(answer.toUpper());
    const qint32 count = store.RecordCount;
    // The scratch record: empty until a record is read into it; past the end
    // of the file it keeps the last record read.
    int lastRead = 0;
    Result result;
    for (qint32 r = 1; r <= count; ++r) {
        const char *record = nullptr;
        bool ok = store.peekRecord(r, record);
        if (ok && record)
            lastRead = r;
        else if (ok && lastRead > 0)
            ok = store.peekRecord(lastRead, record);
        if (!ok) {
            result.ok = false;
            result.error = store.lastError();
            return result;
        }
        const bool matches = record ? matcher.matches(record + NoteRecord::ContactOffset) : answer.isEmpty();
        if (matches) {
            result.record = r;
            return result;
        }
    }
    return result;
}
