#include "notebook/CategoryList.h"

#include "notebook/LineFile.h"

CategoryList::CategoryList() : m_slots{QString()} {}

void CategoryList::append(const QString &entry)
{
    m_slots.last() = entry;
    m_slots.append(QString());
}

bool CategoryList::addIfNew(const QString &text)
{
    if (m_slots.contains(text, Qt::CaseSensitive) || m_slots.size() - 1 >= MaxEntries)
        return false;
    append(text);
    return true;
}

void CategoryList::clear()
{
    m_slots = QStringList{QString()};
}

bool CategoryList::load(const QString &path, QString *error)
{
    clear();
    QStringList lines;
    if (!LineFile::read(path, lines, error))
        return false;
    // Every line stays, even past MaxEntries, so that saving loses none of them.
    for (const QString &line : std::as_const(lines))
        append(line);
    return true;
}

bool CategoryList::save(const QString &path, QString *error) const
{
    QStringList lines;
    for (const QString &entry : m_slots) {
        if (!entry.isEmpty())
            lines.append(entry);
    }
    return LineFile::write(path, lines, error);
}
