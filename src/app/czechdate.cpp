#include "czechdate.h"

#include <QRegularExpression>

namespace CzechDate {

QString format(const QDate& date)
{
    return QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year());
}

QDate parse(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([0-9]{1,2})\\.\\s*([0-9]{1,2})\\.\\s*([0-9]{4})\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

} // namespace CzechDate
