#pragma once

#include "platform/com/HResult.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <variant>

class StdFont;
class StdPicture;
struct IUnknown;

using FontRef = std::shared_ptr<StdFont>;
using PictureRef = std::shared_ptr<StdPicture>;

// The 16-bit boolean of the interfaces: true is all bits set.
using VARIANT_BOOL = std::int16_t;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;
// Days since 30 December 1899, the fraction being the time of day.
using DATE = double;
// 0x00BBGGRR; signed so that a caller's out-of-range value reaches the setter.
using OLE_COLOR = std::int32_t;

enum class VarType {
    Empty,
    Bool,
    Int16,
    Int32,
    Double,
    Date,
    String,
    Font,
    Picture,
    Object,
};

// One value crossing the by-name interface. Objects are held with a reference
// that the variant owns.
class Variant
{
public:
    Variant() = default;
    Variant(bool b) : m_v(b) {}
    Variant(std::int16_t i) : m_v(i) {}
    Variant(std::int32_t i) : m_v(i) {}
    Variant(double d) : m_v(d) {}
    // Keeps text of its own (see ownedText), so that a value read from a
    // library outlives the library.
    Variant(const QString &s);
    Variant(const char16_t *s) : m_v(QString::fromUtf16(s)) {}
    Variant(FontRef f) : m_v(std::move(f)) {}
    Variant(PictureRef p) : m_v(std::move(p)) {}
    explicit Variant(IUnknown *object);
    static Variant fromDate(DATE d);

    Variant(const Variant &other);
    Variant(Variant &&other) noexcept;
    Variant &operator=(const Variant &other);
    Variant &operator=(Variant &&other) noexcept;
    ~Variant();

    VarType type() const;
    bool isEmpty() const { return type() == VarType::Empty; }

    // Direct reads; the value must be of that type (or of a convertible one for
    // the numeric reads, see convert()).
    bool toBool() const;
    std::int16_t toInt16() const;
    std::int32_t toInt32() const;
    double toDouble() const;
    DATE toDate() const { return toDouble(); }
    QString toString() const;
    FontRef toFont() const;
    PictureRef toPicture() const;
    IUnknown *toObject() const; // not add-ref'd

    // Converts to another type the way a late-bound caller expects: numbers
    // between each other (in range), booleans to and from numbers, numbers
    // and dates from text, anything to text. DISP_E_TYPEMISMATCH or
    // DISP_E_OVERFLOW when it cannot.
    HRESULT convert(VarType to, Variant &out) const;

    bool operator==(const Variant &other) const;

private:
    struct DateBox
    {
        double d;
        bool operator==(const DateBox &) const = default;
    };
    using Storage = std::variant<std::monostate, bool, std::int16_t, std::int32_t, double, DateBox, QString, FontRef, PictureRef, IUnknown *>;
    explicit Variant(Storage s) : m_v(std::move(s)) {}
    Storage m_v;
};

QString varTypeName(VarType t);
