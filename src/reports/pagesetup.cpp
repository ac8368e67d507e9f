#include "pagesetup.h"

#include <cmath>

namespace {
constexpr double mmPerInch = 25.4;
constexpr double reportPixelsPerInch = 96.0;
} // namespace

Mm reportPixelsToMm(double pixels, int zoom)
{
    return Mm(pixels * mmPerInch / reportPixelsPerInch * 100.0 / zoom);
}

double mmToReportPixels(Mm length, int zoom)
{
    return length.value() / mmPerInch * reportPixelsPerInch * zoom / 100.0;
}

SizeMm PageSetup::paperSize() const
{
    const SizeMm portrait = paper == Paper::A3 ? SizeMm{297_mm, 420_mm} : SizeMm{210_mm, 297_mm};
    if (orientation == Orientation::Landscape)
        return {portrait.height, portrait.width};
    return portrait;
}

RectMm PageSetup::bandRect() const
{
    return {margins.left, margins.top, band.width, band.height};
}

int PageSetup::toReportPixels(Mm length) const
{
    return static_cast<int>(std::lround(mmToReportPixels(length, zoom)));
}

QPageSize PageSetup::qPageSize() const
{
    return QPageSize(paper == Paper::A3 ? QPageSize::A3 : QPageSize::A4);
}

QPageLayout::Orientation PageSetup::qOrientation() const
{
    return orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}
