#include "platform/com/RegistryCheck.h"

#include <QCoreApplication>
#include <QList>
#include <QStringDecoder>

namespace {

// Each text is marked where it is used, so that it is found for translation.
QString reason(const char *text)
{
    return QCoreApplication::translate("RegistryFile", text);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Splits at "\r\n", "\n" or "\r", as the reader does.
QList<QByteArray> physicalLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

std::optional<QString> entryDamage(const QByteArray &line)
{
    bool quoted = false;
    qsizetype equals = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            // An escape at the end joins the next line to this one.
            if (++i == line.size())
                return reason(QT_TRANSLATE_NOOP("RegistryFile", "the line runs on into the next one (it ends in \"\\\")"));
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ';') {
            return reason(QT_TRANSLATE_NOOP("RegistryFile", "\";\" outside quotes would cut the line short"));
        } else if (!quoted && c == '=' && equals < 0) {
            equals = i;
        }
    }
    if (quoted)
        return reason(QT_TRANSLATE_NOOP("RegistryFile", "a quoted value is not closed on its line"));
    if (equals < 0)
        return reason(QT_TRANSLATE_NOOP("RegistryFile", "the line has no \"=\""));
    if (line.left(equals).trimmed().isEmpty())
        return reason(QT_TRANSLATE_NOOP("RegistryFile", "the line has no name before \"=\""));
    return std::nullopt;
}

std::optional<QString> lineDamage(QByteArray line)
{
    qsizetype start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    line = line.mid(start);
    if (line.isEmpty() || line.startsWith(';'))
        return std::nullopt;
    if (line.startsWith('[')) {
        const qsizetype close = line.indexOf(']');
        if (close < 0)
            return reason(QT_TRANSLATE_NOOP("RegistryFile", "the section heading is not closed by \"]\""));
        if (!line.mid(close + 1).trimmed().isEmpty())
            return reason(QT_TRANSLATE_NOOP("RegistryFile", "text follows the section heading"));
        return std::nullopt;
    }
    return entryDamage(line);
}

} // namespace

std::optional<RegistryDamage> registryDamage(const QByteArray &text)
{
    // The writer drops a byte order mark and then takes the file it wrote
    // for a damaged one.
    if (text.startsWith("\xEF\xBB\xBF"))
        return RegistryDamage {1, reason(QT_TRANSLATE_NOOP("RegistryFile", "the file starts with a byte order mark"))};
    const QList<QByteArray> lines = physicalLines(text);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(lines[n]);
        if (utf8.hasError())
            return RegistryDamage {int(n + 1), reason(QT_TRANSLATE_NOOP("RegistryFile", "the line is not UTF-8 text"))};
        if (const std::optional<QString> why = lineDamage(lines[n]))
            return RegistryDamage {int(n + 1), *why};
    }
    return std::nullopt;
}
