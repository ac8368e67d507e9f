#pragma once

#include "reportpage.h"

#include <QImage>
#include <optional>

class QPainter;
class QPaintDevice;

// The one place where a report page becomes device units. Preview, printer,
// PDF and test images all paint through renderPage.
//
// Paints the whole page with the paper's top-left corner at the painter's
// origin, at pixelsPerMm device units per millimetre. Fonts are sized for the
// painter's device, so a zoomed preview gets text drawn from outlines, not a
// scaled bitmap.
void renderPage(QPainter& painter, const ReportPage& page, double pixelsPerMm);

enum class OutputResult
{
    Done,
    DeviceRefused
};

// Paints the page on a paged device (printer, PDF writer) whose origin is the
// paper's corner, at the device's own resolution.
OutputResult renderPageOn(QPaintDevice& device, const ReportPage& page);

// The page, or a window of it in paper millimetres, as an image of the given
// resolution; the image carries that resolution.
QImage renderPageImage(const ReportPage& page, double dotsPerInch,
                       std::optional<RectMm> window = std::nullopt);
