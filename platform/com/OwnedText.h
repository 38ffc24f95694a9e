#pragma once

#include <QString>

// A copy of the text that owns its characters. Text a library hands to its
// host must not point into the library's own constant data (a QStringLiteral
// does), which goes when the library is unloaded; text already on the heap is
// shared as it is.
inline QString ownedText(const QString &text)
{
    if (text.isEmpty() || text.data_ptr().isMutable())
        return text;
    return QString(text.constData(), text.size());
}
