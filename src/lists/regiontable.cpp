#include "regiontable.h"

namespace {

// Written by earlier versions of the program, which misspelt the region.
const QString legacyMoravskoslezsky = QStringLiteral("Moravskoslezký kraj");

} // namespace

const QList<RegionTable::Region>& RegionTable::regions()
{
    static const QList<Region> table = {
        {QStringLiteral("Jihočeský kraj"), QStringLiteral("jihocesky.txt")},
        {QStringLiteral("Jihomoravský kraj"), QStringLiteral("jihomoravsky.txt")},
        {QStringLiteral("Karlovarský kraj"), QStringLiteral("karlovarsky.txt")},
        {QStringLiteral("Královéhradecký kraj"), QStringLiteral("kralovehradecky.txt")},
        {QStringLiteral("Liberecký kraj"), QStringLiteral("liberecky.txt")},
        {QStringLiteral("Moravskoslezský kraj"), QStringLiteral("moravskoslezky.txt")},
        {QStringLiteral("Olomoucký kraj"), QStringLiteral("olomoucky.txt")},
        {QStringLiteral("Pardubický kraj"), QStringLiteral("pardubicky.txt")},
        {QStringLiteral("Plzeňský kraj"), QStringLiteral("plzensky.txt")},
        {QStringLiteral("Prahu"), QStringLiteral("praha.txt")},
        {QStringLiteral("Středočeský kraj"), QStringLiteral("stredocesky.txt")},
        {QStringLiteral("Ústecký kraj"), QStringLiteral("ustecky.txt")},
        {QStringLiteral("Vysočinu"), QStringLiteral("vysocina.txt")},
        {QStringLiteral("Zlínský kraj"), QStringLiteral("zlinsky.txt")},
    };
    return table;
}

QStringList RegionTable::names()
{
    QStringList result;
    for (const Region& region : regions())
        result << region.name;
    return result;
}

int RegionTable::find(const QString& text)
{
    const QList<Region>& table = regions();
    for (qsizetype i = 0; i < table.size(); ++i) {
        if (table.at(i).name == text)
            return int(i);
    }
    if (text == legacyMoravskoslezsky)
        return find(QStringLiteral("Moravskoslezský kraj"));
    return -1;
}

QString RegionTable::fileName(int position)
{
    const QList<Region>& table = regions();
    if (position < 0 || position >= table.size())
        return {};
    return table.at(position).fileName;
}
