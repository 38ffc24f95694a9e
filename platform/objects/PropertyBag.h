#pragma once

#include "platform/objects/PropertyError.h"
#include "platform/objects/StdFont.h"
#include "platform/objects/StdPicture.h"

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <variant>

// A value as a property bag keeps it. Dates and colours are distinct types
// so that the text form can show them as what they are.
struct PropertyDate
{
    double serial = 0; // days since 30 December 1899, fraction = time of day
    bool operator==(const PropertyDate &) const = default;
};
struct PropertyColor
{
    std::int32_t value = 0; // 0x00BBGGRR
    bool operator==(const PropertyColor &) const = default;
};
using PropertyValue = std::variant<std::int32_t, bool, double, QString, PropertyDate, PropertyColor, StdFontPtr, StdPicturePtr>;

// The type word of a value in the text form: "int", "bool", "double", "text",
// "date", "colour", "font", "picture".
QString propertyTypeName(const PropertyValue &value);
// Same value: fonts and pictures by their attributes and pixels.
bool samePropertyValue(const PropertyValue &a, const PropertyValue &b);

// A value that cannot be converted to the type asked for, a malformed line of
// the text form, or a file that cannot be read or written.
class PropertyBagError : public std::runtime_error
{
public:
    PropertyBagError(const QString &key, int line, const QString &message, const QString &file = {});

    QString key() const { return m_key; }   // empty when the fault is not about one key
    int line() const { return m_line; }     // 1-based line of the text form; 0 when not from text
    QString message() const { return m_message; }
    QString file() const { return m_file; } // the file loaded or saved, when there was one
    // "settings.txt line 12: calMinYear: ..." as far as known; also what().
    QString text() const;

private:
    QString m_file;
    QString m_key;
    int m_line;
    QString m_message;
};

// The store a control saves its properties to and loads them from. Keys match
// without regard to case; a key keeps the spelling it was first written with.
//
// Reads hand the key and a default; an absent key gives the default. A stored
// value of another type is converted where that is meaningful (numbers,
// booleans, dates and colours between each other, text to a number or a date
// when it reads as one, anything but a font or picture to text); otherwise the
// read throws PropertyBagError naming the key (and its line when the value came
// from text).
//
// Writes hand the key, the value and the default; a value equal to its default
// is not stored, and an earlier stored value of that key is dropped, so that
// reading back gives the default. Fonts are stored as a copy and every font
// read returns a new font object, so no two controls share a font through the
// bag. Pictures never change and are shared.
class PropertyBag
{
public:
    virtual ~PropertyBag() = default;

    // The stored value, nullptr when the key is absent.
    virtual const PropertyValue *find(const QString &key) const = 0;
    virtual void store(const QString &key, const PropertyValue &value) = 0;
    virtual void remove(const QString &key) = 0;
    // Where the key's value came from, for error messages: a line of text, or 0.
    virtual int lineOf(const QString &key) const { Q_UNUSED(key); return 0; }

    bool contains(const QString &key) const { return find(key) != nullptr; }

    std::int32_t readInt(const QString &key, std::int32_t defaultValue) const;
    bool readBool(const QString &key, bool defaultValue) const;
    double readDouble(const QString &key, double defaultValue) const;
    QString readText(const QString &key, const QString &defaultValue) const;
    double readDate(const QString &key, double defaultSerial) const;
    std::int32_t readColor(const QString &key, std::int32_t defaultValue) const;
    // Absent key: the default pointer itself. Stored font: a new object.
    StdFontPtr readFont(const QString &key, const StdFontPtr &defaultValue) const;
    // Absent key: the default. "picture none" gives a null picture object.
    StdPicturePtr readPicture(const QString &key, const StdPicturePtr &defaultValue) const;

    void writeInt(const QString &key, std::int32_t value, std::int32_t defaultValue);
    void writeBool(const QString &key, bool value, bool defaultValue);
    void writeDouble(const QString &key, double value, double defaultValue);
    void writeText(const QString &key, const QString &value, const QString &defaultValue);
    void writeDate(const QString &key, double serial, double defaultSerial);
    void writeColor(const QString &key, std::int32_t value, std::int32_t defaultValue);
    // A null font pointer is stored as nothing (the key is dropped).
    void writeFont(const QString &key, const StdFontPtr &value, const StdFontPtr &defaultValue);
    // A null pointer and a null picture are both "no picture".
    void writePicture(const QString &key, const StdPicturePtr &value, const StdPicturePtr &defaultValue);

    // The generic write: stores unless the value equals the default.
    void write(const QString &key, const PropertyValue &value, const PropertyValue &defaultValue);

    // A load reads each key and hands its value to a setter at once, so a
    // setter's refusal concerns the key read last: the same error, its text
    // led by that key's line and name ("line 12: BevelWidth: Invalid property
    // value").
    PropertyError locate(const PropertyError &error) const;

protected:
    [[noreturn]] void fail(const QString &key, const QString &message) const;

private:
    const PropertyValue *lookUp(const QString &key) const;

    mutable QString m_lastKeyRead;
};
