#include "platform/objects/TextPropertyBag.h"

#include "platform/files/FileOps.h"
#include "platform/files/SafeRead.h"
#include "platform/objects/PropertyText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace {

bool validKey(const QString &key)
{
    if (key.isEmpty() || key.startsWith(QLatin1Char('#')) || key.startsWith(QLatin1Char(';')))
        return false;
    for (const QChar c : key) {
        if (c.isSpace() || c == QLatin1Char('=') || c == QLatin1Char('"') || c.unicode() < 0x20)
            return false;
    }
    return true;
}

// The words after a quoted font name: the size, then flags and numbered attributes.
FontAttributes parseFontRest(const QStringList &words, FontAttributes font, QString *error)
{
    if (words.isEmpty()) {
        *error = QStringLiteral("a font needs a size after its name");
        return font;
    }
    const auto size = PropertyText::parseDouble(words.first());
    if (!size || !(*size > 0 && *size <= 2048)) {
        *error = QStringLiteral("\"%1\" is not a font size").arg(words.first());
        return font;
    }
    font.size = *size;
    for (int i = 1; i < words.size(); ++i) {
        const QString w = words.at(i).toLower();
        if (w == QLatin1String("bold")) {
            font.weight = 700;
        } else if (w == QLatin1String("italic")) {
            font.italic = true;
        } else if (w == QLatin1String("underline")) {
            font.underline = true;
        } else if (w == QLatin1String("strikethrough")) {
            font.strikethrough = true;
        } else if ((w == QLatin1String("weight") || w == QLatin1String("charset")) && i + 1 < words.size()) {
            const auto n = PropertyText::parseInt(words.at(++i));
            const bool weight = w == QLatin1String("weight");
            if (!n || (weight && (*n < 1 || *n > 1000)) || (!weight && (*n < 0 || *n > 255))) {
                *error = QStringLiteral("\"%1\" is not a font %2").arg(words.at(i), w);
                return font;
            }
            (weight ? font.weight : font.charset) = short(*n);
        } else {
            *error = QStringLiteral("\"%1\" is not a font attribute").arg(words.at(i));
            return font;
        }
    }
    return font;
}

PropertyValue parseValue(const QString &type, const QString &text, const QString &baseDir, QString *error)
{
    const QString t = type.toLower();
    if (t == QLatin1String("int")) {
        if (auto v = PropertyText::parseInt(text))
            return *v;
        *error = QStringLiteral("\"%1\" is not a whole number from -2147483648 to 2147483647").arg(text);
    } else if (t == QLatin1String("bool")) {
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        *error = QStringLiteral("\"%1\" is not true or false").arg(text);
    } else if (t == QLatin1String("double")) {
        if (auto v = PropertyText::parseDouble(text))
            return *v;
        *error = QStringLiteral("\"%1\" is not a number").arg(text);
    } else if (t == QLatin1String("text")) {
        qsizetype pos = 0;
        if (auto v = PropertyText::unquote(text, pos, error)) {
            if (pos == text.size())
                return *v;
            *error = QStringLiteral("unexpected characters after the closing quote");
        }
    } else if (t == QLatin1String("date")) {
        if (auto v = PropertyText::parseDate(text))
            return PropertyDate{*v};
        *error = QStringLiteral("\"%1\" is not a date (yyyy-mm-dd, yyyy-mm-dd hh:mm:ss or a day number)").arg(text);
    } else if (t == QLatin1String("colour") || t == QLatin1String("color")) {
        if (auto v = PropertyText::parseColor(text))
            return PropertyColor{*v};
        *error = QStringLiteral("\"%1\" is not a colour (&H00BBGGRR&)").arg(text);
    } else if (t == QLatin1String("font")) {
        qsizetype pos = 0;
        FontAttributes font;
        if (auto name = PropertyText::unquote(text, pos, error)) {
            if (name->isEmpty()) {
                *error = QStringLiteral("a font needs a name");
                return {};
            }
            font.name = *name;
            font = parseFontRest(text.mid(pos).split(QLatin1Char(' '), Qt::SkipEmptyParts), font, error);
            if (error->isEmpty())
                return StdFont::create(font);
        }
    } else if (t == QLatin1String("picture")) {
        if (text == QLatin1String("none"))
            return std::make_shared<StdPicture>();
        if (text.startsWith(QLatin1String("base64:"))) {
            const auto decoded = QByteArray::fromBase64Encoding(text.mid(7).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded) {
                *error = QStringLiteral("the picture's base64 data is damaged");
                return {};
            }
            if (auto picture = StdPicture::fromPngBytes(*decoded, error))
                return picture;
        } else if (text.startsWith(QLatin1String("file:"))) {
            const QString path = text.mid(5).trimmed();
            const QString full = path.startsWith(QLatin1String(":/")) || QFileInfo(path).isAbsolute() || baseDir.isEmpty()
                ? path
                : QDir(baseDir).filePath(path);
            if (auto picture = StdPicture::fromFile(full, error))
                return picture;
        } else {
            *error = QStringLiteral("a picture is none, base64:<png data> or file:<path>");
        }
    } else {
        *error = QStringLiteral("unknown type \"%1\" (int, bool, double, text, date, colour, font or picture)").arg(type);
    }
    return {};
}

QString formatFont(const FontAttributes &font)
{
    QString out = PropertyText::quote(font.name) + QLatin1Char(' ') + PropertyText::formatDouble(font.size);
    if (font.weight == 700)
        out += QLatin1String(" bold");
    if (font.italic)
        out += QLatin1String(" italic");
    if (font.underline)
        out += QLatin1String(" underline");
    if (font.strikethrough)
        out += QLatin1String(" strikethrough");
    if (font.weight != 400 && font.weight != 700)
        out += QStringLiteral(" weight %1").arg(font.weight);
    if (font.charset != 0)
        out += QStringLiteral(" charset %1").arg(font.charset);
    return out;
}

QString formatValue(const PropertyValue &value)
{
    if (auto v = std::get_if<std::int32_t>(&value))
        return QString::number(*v);
    if (auto v = std::get_if<bool>(&value))
        return *v ? QStringLiteral("true") : QStringLiteral("false");
    if (auto v = std::get_if<double>(&value))
        return PropertyText::formatDouble(*v);
    if (auto v = std::get_if<QString>(&value))
        return PropertyText::quote(*v);
    if (auto v = std::get_if<PropertyDate>(&value))
        return PropertyText::formatDate(v->serial);
    if (auto v = std::get_if<PropertyColor>(&value))
        return PropertyText::formatColor(v->value);
    if (auto v = std::get_if<StdFontPtr>(&value))
        return formatFont((*v)->attributes());
    const StdPicturePtr &picture = std::get<StdPicturePtr>(value);
    if (!picture || picture->isNull())
        return QStringLiteral("none");
    return QStringLiteral("base64:") + QString::fromLatin1(picture->toPngBytes().toBase64());
}

} // namespace

TextPropertyBag TextPropertyBag::fromText(const QString &text, const QString &baseDir)
{
    TextPropertyBag bag;
    const QStringView all(text);
    const qsizetype lineCount = all.count(u'\n') + 1;
    bag.m_index.reserve(lineCount);
    bag.m_entries.reserve(lineCount);
    // Line by line through views of the text: no copy of every line is held.
    qsizetype start = 0;
    for (int lineNumber = 1; start <= all.size(); ++lineNumber) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
        QStringView line = all.sliced(start, end - start);
        start = end + 1;
        if (lineNumber == 1 && line.startsWith(QChar(0xFEFF)))
            line = line.sliced(1);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed().toString();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')) || trimmed.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
        if (eq < 0)
            throw PropertyBagError({}, lineNumber, QStringLiteral("expected \"key = type value\""));
        const QString key = trimmed.left(eq).trimmed();
        if (!validKey(key))
            throw PropertyBagError(key, lineNumber, QStringLiteral("\"%1\" is not a valid key").arg(key));
        const QString rest = trimmed.mid(eq + 1).trimmed();
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        const QString type = space < 0 ? rest : rest.left(space);
        const QString valueText = space < 0 ? QString() : rest.mid(space + 1).trimmed();
        if (type.isEmpty())
            throw PropertyBagError(key, lineNumber, QStringLiteral("the value has no type"));
        const QString folded = TextPropertyBag::folded(key);
        if (const int earlier = bag.m_index.value(folded, -1); earlier >= 0)
            throw PropertyBagError(key, lineNumber,
                                   QStringLiteral("given twice (also on line %1)").arg(bag.m_entries.at(earlier).line));
        QString error;
        PropertyValue value;
        try {
            value = parseValue(type, valueText, baseDir, &error);
        } catch (const PropertyError &e) {
            // A value the object itself refuses (a font size it cannot take).
            error = e.text();
        }
        if (!error.isEmpty())
            throw PropertyBagError(key, lineNumber, error);
        bag.m_index.insert(folded, int(bag.m_entries.size()));
        bag.m_entries.append(Entry{key, std::move(value), lineNumber});
    }
    return bag;
}

TextPropertyBag TextPropertyBag::fromFile(const QString &path)
{
    QByteArray bytes;
    if (path.startsWith(QLatin1String(":/"))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw PropertyBagError({}, 0, QStringLiteral("cannot be read: %1").arg(file.errorString()), path);
        bytes = file.readAll();
    } else {
        // Without blocking and within bounds: the name may lead to a pipe or
        // to something far larger than any bag.
        const SafeRead::Result result = SafeRead::readAll(path, MaxFileBytes, &bytes);
        if (result.status == SafeRead::Status::TooLarge)
            throw PropertyBagError({}, 0,
                                   QStringLiteral("is too large for a property bag (%1 bytes; at most %2)")
                                       .arg(result.size).arg(MaxFileBytes),
                                   path);
        if (result.status == SafeRead::Status::NotRegular)
            throw PropertyBagError({}, 0, QStringLiteral("is not a regular file"), path);
        if (!result.ok())
            throw PropertyBagError({}, 0, QStringLiteral("cannot be read: %1").arg(FileOps::errorText(result.error)), path);
    }
    const QString text = QString::fromUtf8(bytes);
    const QString baseDir = path.startsWith(QLatin1String(":/")) ? QFileInfo(path).path() : QFileInfo(path).absolutePath();
    try {
        return fromText(text, baseDir);
    } catch (const PropertyBagError &e) {
        throw PropertyBagError(e.key(), e.line(), e.message(), path);
    }
}

QString TextPropertyBag::toText() const
{
    QString out;
    for (const Entry &e : m_entries)
        out += e.key + QStringLiteral(" = ") + propertyTypeName(e.value) + QLatin1Char(' ') + formatValue(e.value) + QLatin1Char('\n');
    return out;
}

bool TextPropertyBag::saveToFile(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(toText().toUtf8());
        if (file.commit())
            return true;
    }
    if (error)
        *error = QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString());
    return false;
}

QString TextPropertyBag::folded(const QString &key)
{
    return key.toCaseFolded();
}

int TextPropertyBag::indexOf(const QString &key) const
{
    return m_index.value(folded(key), -1);
}

void TextPropertyBag::append(Entry entry)
{
    m_index.insert(folded(entry.key), int(m_entries.size()));
    m_entries.append(std::move(entry));
}

const PropertyValue *TextPropertyBag::find(const QString &key) const
{
    const int i = indexOf(key);
    return i < 0 ? nullptr : &m_entries.at(i).value;
}

void TextPropertyBag::store(const QString &key, const PropertyValue &value)
{
    if (!validKey(key))
        throw PropertyBagError(key, 0, QStringLiteral("\"%1\" is not a valid key").arg(key));
    PropertyValue copy = value;
    // The bag keeps its own font, so a later change to the caller's font
    // object does not reach the stored value.
    if (auto font = std::get_if<StdFontPtr>(&copy); font && *font)
        copy = (*font)->clone();
    if (auto font = std::get_if<StdFontPtr>(&copy); font && !*font)
        throw PropertyBagError(key, 0, QStringLiteral("no font to store"));
    const int i = indexOf(key);
    if (i < 0)
        append(Entry{key, std::move(copy), 0});
    else
        m_entries[i] = Entry{m_entries.at(i).key, std::move(copy), 0};
}

void TextPropertyBag::remove(const QString &key)
{
    const int i = indexOf(key);
    if (i < 0)
        return;
    m_entries.removeAt(i);
    m_index.remove(folded(key));
    for (auto it = m_index.begin(); it != m_index.end(); ++it) {
        if (it.value() > i)
            --it.value();
    }
}

int TextPropertyBag::lineOf(const QString &key) const
{
    const int i = indexOf(key);
    return i < 0 ? 0 : m_entries.at(i).line;
}

QStringList TextPropertyBag::keys() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out += e.key;
    return out;
}
