#pragma once

#include "platform/objects/PropertyBag.h"

#include <QHash>
#include <QList>
#include <QString>

// A property bag kept in memory and saved as human-readable UTF-8 text, one
// `key = type value` per line, in the order the keys were first stored:
//
//   # comment
//   calMinYear = int 1600
//   Enabled = bool true
//   Ratio = double 0.1
//   calCaption = text "Calendar \"One\"\n"      (escapes \" \\ \n \r \t \u{hex})
//   calValue = date 1997-03-15                  (also 1997-03-15 14:30:00, or
//                                                a serial day number: date 35504.5)
//   calSelectedDayBackColor = colour &H00800000&
//   calFont = font "Courier New" 10 bold italic underline strikethrough weight 500 charset 2
//   Picture = picture base64:iVBORw0...         (PNG), picture file:calendar.png
//                                                (relative to the bag's folder), picture none
//
// Loading checks every line; a malformed line, an unknown type word or a key
// given twice (in any case) fails the whole load with a PropertyBagError
// naming the line and the key. Saving writes every double with the fewest
// digits that read back to the same number, so a save and load give back
// exactly the values stored.
class TextPropertyBag : public PropertyBag
{
public:
    // The largest bag file read: some fifty keys take a few kilobytes, and
    // pictures kept in base64 a few megabytes at most.
    static constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

    TextPropertyBag() = default;

    // `baseDir` resolves relative picture file references (default: the
    // current directory). Throws PropertyBagError.
    static TextPropertyBag fromText(const QString &text, const QString &baseDir = {});
    // A file or a ":/" resource. Throws PropertyBagError (also when the file
    // cannot be read, is no regular file or is larger than MaxFileBytes).
    static TextPropertyBag fromFile(const QString &path);

    QString toText() const;
    // Replaces the file whole (temporary file, flush, rename); on failure the
    // old file stays as it was, *error says why and false is returned.
    bool saveToFile(const QString &path, QString *error = nullptr) const;

    const PropertyValue *find(const QString &key) const override;
    void store(const QString &key, const PropertyValue &value) override;
    void remove(const QString &key) override;
    int lineOf(const QString &key) const override;

    QStringList keys() const;
    int count() const { return int(m_entries.size()); }

private:
    struct Entry
    {
        QString key;
        PropertyValue value;
        int line = 0;
    };
    static QString folded(const QString &key);
    int indexOf(const QString &key) const;
    void append(Entry entry);

    QList<Entry> m_entries;
    // From each key, case folded, to its entry: loading stays linear in the keys.
    QHash<QString, int> m_index;
};
