#pragma once

#include "millimetres.h"

#include <QPageLayout>
#include <QPageSize>

// Paper, orientation, margins, the one title band and the report zoom of a
// report page, and the report pixel derived from the zoom.
enum class Paper
{
    A4,
    A3
};
enum class Orientation
{
    Portrait,
    Landscape
};

struct Margins
{
    Mm top;
    Mm bottom;
    Mm left;
    Mm right;
};

// The unit in which elements are moved at run time: 1/96 inch at report zoom
// 100, scaled by 100 / zoom (1/48 inch at zoom 50). Stored positions of the
// covers assume exactly this, so it does not follow the screen.
Mm reportPixelsToMm(double pixels, int zoom);
double mmToReportPixels(Mm length, int zoom);

struct PageSetup
{
    Paper paper = Paper::A4;
    Orientation orientation = Orientation::Portrait;
    Margins margins{10_mm, 10_mm, 10_mm, 10_mm};
    SizeMm band{190_mm, 277_mm};
    int zoom = 100;

    // The paper as it lies: width and height swapped for landscape.
    SizeMm paperSize() const;
    // The title band on the paper; it starts at the corner of the left and top margins.
    RectMm bandRect() const;
    Mm reportPixel() const { return reportPixelsToMm(1, zoom); }
    Mm fromReportPixels(int pixels) const { return reportPixelsToMm(pixels, zoom); }
    // Rounded to whole report pixels, as positions are stored.
    int toReportPixels(Mm length) const;

    QPageSize qPageSize() const;
    QPageLayout::Orientation qOrientation() const;
};
