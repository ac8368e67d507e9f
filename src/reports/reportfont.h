#pragma once

#include <QFont>
#include <QString>

// A font as the report pages name it: a Windows family, a size in points and a style.
struct TextFont
{
    QString family = QStringLiteral("Arial");
    double pointSize = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const TextFont&) const = default;
};

// Turns report fonts into Qt fonts. Pages are laid out for Arial and Times
// New Roman; where those are not installed their metric twins (Liberation
// Sans and Liberation Serif) take their place, so that every text keeps the
// width it has on Windows.
namespace ReportFonts {

// The family that will actually draw the given report family.
QString resolvedFamily(const QString& family);
// A font of the given size in points, unhinted and without kerning so that
// advances scale linearly with resolution and match the Windows widths.
QFont font(const TextFont& textFont);

} // namespace ReportFonts
