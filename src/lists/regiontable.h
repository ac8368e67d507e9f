#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The 14 regions offered in the region combo ComboBox4, in its order, with the
// name of their list files (the same in the folders "cisla", "ku" and "obce").
// The names complete the caption "Katastrální úřad pro", hence "Prahu" and
// "Vysočinu"; they are stored in settings and job files and printed as shown.
class RegionTable
{
public:
    struct Region
    {
        QString name;
        QString fileName;
    };

    static const QList<Region>& regions();
    static QStringList names();

    // Position of the region named by text, compared whole and with exact
    // letter case, or -1. Older settings and job files spell Moravskoslezský
    // kraj without its second "s"; that spelling still finds the region.
    static int find(const QString& text);

    // File name of the region at position, or an empty text when there is none.
    static QString fileName(int position);
};
