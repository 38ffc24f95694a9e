#pragma once

#include "platform/com/ServerLocks.h"

#include <QFont>
#include <QObject>
#include <QString>
#include <memory>

class StdFont;
// Fonts are held by reference: two holders of one pointer share one object.
using StdFontPtr = std::shared_ptr<StdFont>;

// The attributes of a font as plain, comparable data.
struct FontAttributes
{
    QString name = QStringLiteral("Arial");
    double size = 8.25;   // points; kept to 4 decimals
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    short weight = 400;   // 400 normal, 700 bold; bold is weight >= 600
    short charset = 0;

    bool bold() const { return weight >= 600; }
    bool operator==(const FontAttributes &) const = default;
};

// The standard font object: a shared, mutable font whose holders learn of
// changes through changed(). Create it with create(); it lives as long as its
// last holder.
class StdFont : public QObject
{
    Q_OBJECT
public:
    static StdFontPtr create();
    static StdFontPtr create(const QString &name, double size);
    static StdFontPtr create(const FontAttributes &attributes);
    static StdFontPtr fromQFont(const QFont &font);

    StdFontPtr clone() const;

    const FontAttributes &attributes() const { return m_attr; }
    void setAttributes(const FontAttributes &attributes);

    QString name() const { return m_attr.name; }
    void setName(const QString &name);      // an empty name is refused (PropertyError 380)
    double size() const { return m_attr.size; }
    void setSize(double points);            // 0 < points <= 2048, else PropertyError 380
    bool bold() const { return m_attr.bold(); }
    void setBold(bool bold);                // weight becomes 700 or 400
    bool italic() const { return m_attr.italic; }
    void setItalic(bool italic);
    bool underline() const { return m_attr.underline; }
    void setUnderline(bool underline);
    bool strikethrough() const { return m_attr.strikethrough; }
    void setStrikethrough(bool strikethrough);
    short weight() const { return m_attr.weight; }
    void setWeight(short weight);           // 1 .. 1000, else PropertyError 380
    short charset() const { return m_attr.charset; }
    void setCharset(short charset);         // 0 .. 255, else PropertyError 380

    QFont toQFont() const;
    static QFont toQFont(const FontAttributes &attributes);

    // Same attributes (not the same object; compare pointers for that).
    bool operator==(const StdFont &other) const { return m_attr == other.m_attr; }

    // Bumped on every change; lets a holder tell whether it is up to date.
    quint64 version() const { return m_version; }

signals:
    void changed();

private:
    explicit StdFont(const FontAttributes &attributes);
    void update(const FontAttributes &attributes);

    FontAttributes m_attr;
    quint64 m_version = 0;
    // A font made by a library and held by its host keeps the library loaded.
    ServerObject m_live;
};

// Same attributes, or both null.
bool sameFont(const StdFontPtr &a, const StdFontPtr &b);
