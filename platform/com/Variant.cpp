#include "platform/com/Variant.h"

#include "platform/com/OwnedText.h"
#include "platform/com/Unknown.h"

#include <cmath>
#include <limits>

Variant::Variant(const QString &s) : m_v(ownedText(s))
{
}

Variant::Variant(IUnknown *object) : m_v(object)
{
    if (object)
        object->AddRef();
}

Variant Variant::fromDate(DATE d)
{
    return Variant(Storage(DateBox {d}));
}

Variant::Variant(const Variant &other) : m_v(other.m_v)
{
    if (auto *p = std::get_if<IUnknown *>(&m_v); p && *p)
        (*p)->AddRef();
}

Variant::Variant(Variant &&other) noexcept : m_v(std::exchange(other.m_v, Storage {}))
{
}

Variant &Variant::operator=(const Variant &other)
{
    if (this != &other) {
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Variant &Variant::operator=(Variant &&other) noexcept
{
    if (this != &other) {
        if (auto *p = std::get_if<IUnknown *>(&m_v); p && *p)
            (*p)->Release();
        m_v = std::exchange(other.m_v, Storage {});
    }
    return *this;
}

Variant::~Variant()
{
    if (auto *p = std::get_if<IUnknown *>(&m_v); p && *p)
        (*p)->Release();
}

VarType Variant::type() const
{
    static constexpr VarType types[] = {VarType::Empty, VarType::Bool, VarType::Int16, VarType::Int32, VarType::Double,
                                        VarType::Date, VarType::String, VarType::Font, VarType::Picture, VarType::Object};
    return types[m_v.index()];
}

bool Variant::toBool() const
{
    Variant v;
    return convert(VarType::Bool, v) == S_OK && std::get<bool>(v.m_v);
}

std::int16_t Variant::toInt16() const
{
    Variant v;
    return convert(VarType::Int16, v) == S_OK ? std::get<std::int16_t>(v.m_v) : std::int16_t(0);
}

std::int32_t Variant::toInt32() const
{
    Variant v;
    return convert(VarType::Int32, v) == S_OK ? std::get<std::int32_t>(v.m_v) : 0;
}

double Variant::toDouble() const
{
    Variant v;
    return convert(VarType::Double, v) == S_OK ? std::get<double>(v.m_v) : 0.0;
}

QString Variant::toString() const
{
    Variant v;
    return convert(VarType::String, v) == S_OK ? std::get<QString>(v.m_v) : QString();
}

FontRef Variant::toFont() const
{
    auto *p = std::get_if<FontRef>(&m_v);
    return p ? *p : FontRef();
}

PictureRef Variant::toPicture() const
{
    auto *p = std::get_if<PictureRef>(&m_v);
    return p ? *p : PictureRef();
}

IUnknown *Variant::toObject() const
{
    auto *p = std::get_if<IUnknown *>(&m_v);
    return p ? *p : nullptr;
}

namespace {

// Rounds halves to even, as integer conversion of the interfaces does.
double roundEven(double d)
{
    return std::nearbyint(d);
}

} // namespace

HRESULT Variant::convert(VarType to, Variant &out) const
{
    const VarType from = type();
    if (from == to) {
        out = *this;
        return S_OK;
    }
    // Reference types convert only to themselves (and fonts or pictures to nothing else).
    if (from == VarType::Font || from == VarType::Picture || from == VarType::Object
        || to == VarType::Font || to == VarType::Picture || to == VarType::Object) {
        if (to == VarType::Empty) {
            out = Variant();
            return S_OK;
        }
        return DISP_E_TYPEMISMATCH;
    }

    // Every scalar has a numeric value (text is parsed) and a text form.
    double number = 0;
    bool isText = false;
    switch (from) {
    case VarType::Empty: number = 0; break;
    case VarType::Bool: number = std::get<bool>(m_v) ? -1 : 0; break;
    case VarType::Int16: number = std::get<std::int16_t>(m_v); break;
    case VarType::Int32: number = std::get<std::int32_t>(m_v); break;
    case VarType::Double: number = std::get<double>(m_v); break;
    case VarType::Date: number = std::get<DateBox>(m_v).d; break;
    case VarType::String: isText = true; break;
    default: return DISP_E_TYPEMISMATCH;
    }

    if (to == VarType::String) {
        switch (from) {
        case VarType::Empty: out = Variant(QString()); break;
        case VarType::Bool: out = Variant(std::get<bool>(m_v) ? QStringLiteral("True") : QStringLiteral("False")); break;
        case VarType::Int16:
        case VarType::Int32: out = Variant(QString::number(qint64(number))); break;
        default: out = Variant(QString::number(number, 'g', 15)); break;
        }
        return S_OK;
    }

    if (isText) {
        const QString text = std::get<QString>(m_v).trimmed();
        if (to == VarType::Bool) {
            if (text.compare(u"true", Qt::CaseInsensitive) == 0) {
                out = Variant(true);
                return S_OK;
            }
            if (text.compare(u"false", Qt::CaseInsensitive) == 0) {
                out = Variant(false);
                return S_OK;
            }
        }
        bool ok = false;
        if (text.startsWith(u"&H", Qt::CaseInsensitive)) {
            const qulonglong u = text.mid(2).toULongLong(&ok, 16);
            // &H literals of up to 32 bits read as signed 32-bit values.
            if (ok && u <= 0xFFFFFFFFull)
                number = double(std::int32_t(std::uint32_t(u)));
            else
                ok = false;
        } else {
            number = text.toDouble(&ok);
        }
        if (!ok)
            return DISP_E_TYPEMISMATCH;
    }

    switch (to) {
    case VarType::Empty: out = Variant(); return S_OK;
    case VarType::Bool: out = Variant(number != 0); return S_OK;
    case VarType::Double: out = Variant(number); return S_OK;
    case VarType::Date:
        if (!std::isfinite(number))
            return DISP_E_OVERFLOW;
        out = fromDate(number);
        return S_OK;
    case VarType::Int16: {
        const double r = roundEven(number);
        if (!(r >= std::numeric_limits<std::int16_t>::min() && r <= std::numeric_limits<std::int16_t>::max()))
            return DISP_E_OVERFLOW;
        out = Variant(std::int16_t(r));
        return S_OK;
    }
    case VarType::Int32: {
        const double r = roundEven(number);
        if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()))
            return DISP_E_OVERFLOW;
        out = Variant(std::int32_t(r));
        return S_OK;
    }
    default: return DISP_E_TYPEMISMATCH;
    }
}

bool Variant::operator==(const Variant &other) const
{
    if (m_v.index() != other.m_v.index())
        return false;
    if (auto *d = std::get_if<DateBox>(&m_v))
        return d->d == std::get<DateBox>(other.m_v).d;
    return m_v == other.m_v;
}

QString varTypeName(VarType t)
{
    switch (t) {
    case VarType::Empty: return QStringLiteral("Empty");
    case VarType::Bool: return QStringLiteral("Boolean");
    case VarType::Int16: return QStringLiteral("Integer");
    case VarType::Int32: return QStringLiteral("Long");
    case VarType::Double: return QStringLiteral("Double");
    case VarType::Date: return QStringLiteral("Date");
    case VarType::String: return QStringLiteral("String");
    case VarType::Font: return QStringLiteral("Font");
    case VarType::Picture: return QStringLiteral("Picture");
    case VarType::Object: return QStringLiteral("Object");
    }
    return {};
}
