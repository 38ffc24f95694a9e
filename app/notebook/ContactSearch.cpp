#include "notebook/ContactSearch.h"

#include "notebook/RecordStore.h"
#include "platform/FixedText.h"

#include <array>

namespace {

// Every byte of the code page in upper case. Upper-casing goes character by
// character (one byte may become two characters, as the sharp s does), so
// comparing through this table equals upper-casing the decoded contact, without
// building a string for each of many thousand records.
const std::array<QString, 256> &upperCaseOfByte()
{
    static const std::array<QString, 256> table = [] {
        std::array<QString, 256> upper;
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            upper[size_t(byte)] = FixedText::fromCodePage(QByteArrayView(&c, 1)).toUpper();
        }
        return upper;
    }();
    return table;
}

} // namespace

bool ContactSearch::contactMatches(const char *contactField, const QString &upperAnswer)
{
    int begin = 0;
    int end = NoteRecord::ContactWidth;
    while (begin < end && contactField[begin] == ' ')
        ++begin;
    while (end > begin && contactField[end - 1] == ' ')
        --end;
    const auto &upper = upperCaseOfByte();
    const QChar *answer = upperAnswer.constData();
    const qsizetype answerLength = upperAnswer.size();
    qsizetype at = 0;
    for (int i = begin; i < end; ++i) {
        const QString &part = upper[uchar(contactField[i])];
        if (at + part.size() > answerLength)
            return false;
        for (const QChar c : part) {
            if (answer[at++] != c)
                return false;
        }
    }
    return at == answerLength;
}

ContactSearch::Result ContactSearch::find(RecordStore &store, const QString &answer)
{
    const QString upperAnswer = answer.toUpper();
    const qint32 count = store.RecordCount;
    // The scratch record: empty until a record is read into it.
    char scratch[NoteRecord::Size];
    bool scratchRead = false;
    Result result;
    for (qint32 r = 1; r <= count; ++r) {
        bool found = false;
        if (!store.readRecordBytes(r, scratch, found)) {
            result.ok = false;
            result.error = store.lastError();
            return result;
        }
        scratchRead = scratchRead || found;
        const bool matches = scratchRead ? contactMatches(scratch + NoteRecord::ContactOffset, upperAnswer)
                                         : upperAnswer.isEmpty();
        if (matches) {
            result.record = r;
            return result;
        }
    }
    return result;
}
