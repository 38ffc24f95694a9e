#include "startup/Autostart.h"

#include "platform/files/SafeReplace.h"
#include "platform/files/XdgFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Autostart {

QString entryPath()
{
    return QDir(XdgFolders::configHome()).filePath(QStringLiteral("autostart/jotwell.desktop"));
}

QString quoteExecArgument(const QString &argument)
{
    // Reserved characters of the Exec key force quoting; inside the quotes
    // ", `, $ and \ are escaped. A literal % is always written %%.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = argument.isEmpty();
    for (const QChar c : argument)
        quote = quote || reserved.contains(c);
    QString out;
    for (const QChar c : argument) {
        if (c == u'%')
            out += QStringLiteral("%%");
        else if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out.append(u'\\').append(c);
        else
            out += c;
    }
    if (quote)
        out = u'"' + out + u'"';
    // The key's value is itself a string: its backslashes are escaped again.
    out.replace(u'\\', QStringLiteral("\\\\"));
    out.replace(u'\n', QStringLiteral("\\n"));
    return out;
}

QByteArray entryText(const QString &program)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Jotwell\n"
                                        "Comment=Notes, reminders and a daily alarm in the notification area\n"
                                        "Icon=jotwell\n"
                                        "Exec=%1 --data-folder\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(quoteExecArgument(program));
    return text.toUtf8();
}

bool enable(const QString &path, const QString &program, QString *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // A link in the entry's place is replaced, never written through: it may
    // lead to a desktop entry of the system or of another program.
    return SafeReplace::writeFile(path, entryText(program), error, SafeReplace::Links::ReplaceLink);
}

bool disable(const QString &path, QString *error)
{
    QFile entry(path);
    if (!QFileInfo(path).isSymLink() && !entry.exists())
        return true;
    if (entry.remove())
        return true;
    *error = QStringLiteral("Cannot remove %1: %2.").arg(QDir::toNativeSeparators(path), entry.errorString());
    return false;
}

} // namespace Autostart
