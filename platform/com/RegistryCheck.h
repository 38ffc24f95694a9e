#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Whether the text of a registry file can be read whole, entry by entry, so
// that writing it back loses nothing. The rules are those of the INI reader
// that writes the file: a line is blank, a comment starting with ";", a
// section heading "[name]" or "key=value" with quotes closed on the line.
// A line that reader would drop, cut short or run on into the next one makes
// the file damaged.
struct RegistryDamage
{
    int line = 0; // from 1; 0 when the file could not be read at all
    QString reason;
};

std::optional<RegistryDamage> registryDamage(const QByteArray &text);
