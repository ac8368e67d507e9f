#pragma once

#include "reportpage.h"

#include <QString>

class QIODevice;

// Report pages as PDF/A-1b files with every font embedded, the form in
// which cadastral offices accept documents handed in electronically.
enum class PdfResult
{
    Saved,
    CannotCreate
};

struct PdfOutcome
{
    PdfResult result;
    QString reason; // why the file could not be written, for the error box
};

PdfResult writePdf(const ReportPage& page, const QString& title, QIODevice& device);
// Writes through a temporary file, so a failure never leaves half a PDF behind.
PdfOutcome savePdf(const ReportPage& page, const QString& title, const QString& path);

// The file name proposed for a document title such as "ZPMZ 320/857/2007":
// characters that cannot stand in a file name become "-".
QString pdfFileName(const QString& title);
