#pragma once

#include "reportpage.h"

#include <QStringList>

// The layout of the ZPMZ title page: the header frame, the logo box and
// every label at its place, with empty captions until the first print.

// The ruled grid of the header, 189.8 x 46.6 mm, in near-black.
VectorDrawing zpmzHeaderFrame();
void addZpmzElements(ReportPage& page);

// The eight labels of the acknowledgement block, printed only when enabled.
const QStringList& zpmzAcknowledgementLabels();
