#pragma once

#include "platform/com/TypeInfo.h"

// The version record of the library file: 2.1.0.1.
namespace zvcal {

inline constexpr int VersionMajor = 2;
inline constexpr int VersionMinor = 1;
inline constexpr int VersionBuild = 0;
inline constexpr int VersionRevision = 1;

inline VersionRecord versionRecord()
{
    VersionRecord v;
    v.major = VersionMajor;
    v.minor = VersionMinor;
    v.build = VersionBuild;
    v.revision = VersionRevision;
    // Minor shown with two digits and revision with four, as the record shows it.
    v.fileVersionText = QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor, 2, 10, QChar(u'0')).arg(VersionRevision, 4, 10, QChar(u'0'));
    v.fileDescription = QStringLiteral("ZORVCalendar v2.1.1");
    v.productName = v.fileDescription;
    v.internalName = QStringLiteral("ZVCal");
    v.originalFilename = QStringLiteral("ZVCal.ocx");
    v.language = 0x0409;
    v.codePage = 1200;
    v.selfRegistering = true;
    return v;
}

} // namespace zvcal
