#pragma once

#include <QString>
#include <QStringList>

// The categories offered by the main window's combo box: a growable list whose
// last slot is always an empty spare slot.
class CategoryList
{
public:
    // The entries an index of 16 bits can hold besides the spare slot.
    static constexpr int MaxEntries = 32767;

    CategoryList();

    // Slots including the spare one; at least 1.
    int slotCount() const { return m_slots.size(); }
    const QString &slot(int index) const { return m_slots.at(index); }
    // Every entry, without the spare slot, in list order.
    QStringList entries() const { return m_slots.mid(0, m_slots.size() - 1); }

    // A line read from the file: stored in the spare slot, which grows anew.
    void append(const QString &entry);
    // The rule for a category typed into the combo box: added only when no
    // slot (the spare one included) is equal, case-sensitive; so an empty
    // text is never added. Returns whether it was added. A full list adds nothing.
    bool addIfNew(const QString &text);
    void clear();

    // Reads the file's lines as they stand (no trimming, duplicates kept).
    // A missing file is an empty list. On failure the list keeps only its
    // spare slot and *error holds a sentence for the user.
    bool load(const QString &path, QString *error = nullptr);
    // Writes every non-empty entry, one a line, replacing the file safely.
    bool save(const QString &path, QString *error = nullptr) const;

private:
    QStringList m_slots;
};
