#pragma once

#include <QString>

// The GP and verification numbers carry the year after a slash: 257 becomes
// 257/2014. A number that already ends with the suffix is left as it is.
inline QString withYearSuffix(const QString& number, const QString& year)
{
    const QString suffix = QStringLiteral("/") + year;
    return number.endsWith(suffix) ? number : number + suffix;
}
