#include "reportfont.h"

#include <QFontDatabase>
#include <QHash>

namespace ReportFonts {

QString resolvedFamily(const QString& family)
{
    static const QHash<QString, QString> twins{
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
    };
    const auto twin = twins.constFind(family);
    if (twin == twins.constEnd() || QFontDatabase::hasFamily(family))
        return family;
    // Without the twin fontconfig would pick some other sans or serif whose
    // widths differ; the twin is what the set-up installs.
    if (!QFontDatabase::hasFamily(*twin))
        return family;
    return *twin;
}

QFont font(const TextFont& textFont)
{
    QFont result(resolvedFamily(textFont.family));
    result.setPointSizeF(textFont.pointSize);
    result.setBold(textFont.bold);
    result.setItalic(textFont.italic);
    result.setUnderline(textFont.underline);
    result.setKerning(false);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setStyleStrategy(QFont::PreferOutline);
    return result;
}

} // namespace ReportFonts
