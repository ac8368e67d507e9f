#pragma once

#include <QString>

// The program's own version text, shown in the Info window and written to
// the settings file at every close.
inline const QString& programVersion()
{
    static const QString version = QStringLiteral("3.02");
    return version;
}

// The maker's credit line: the Info window's status line at rest and the small
// print at the foot of every printed page.
inline const QString& creditLine()
{
    // Short enough to stand in one line at the foot of every page.
    static const QString line = QStringLiteral("Zemlar 3.00");
    return line;
}
