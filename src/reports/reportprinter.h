#pragma once

#include "pdfexport.h"
#include "printersettings.h"
#include "reportpage.h"

#include <memory>

class Dialogs;
class QWidget;

enum class PrintResult
{
    Printed,
    NoPrinter,
    PrinterRefused
};
enum class SetupResult
{
    Accepted,
    Cancelled
};

// The produced pages of one preview: what the preview window shows, prints
// and saves. It keeps the page as it was when the preview started, and the
// printer settings of the report form it came from.
class ReportPrinter
{
public:
    ReportPrinter(ReportPage page, QString title, std::shared_ptr<PrinterSettings> settings);

    const ReportPage& page() const { return m_page; }
    // The document's title: the print job's name and the proposed PDF name.
    const QString& title() const { return m_title; }
    PrinterSettings& settings() const { return *m_settings; }

    // Prints with the printer, copies and orientation last chosen for the report form.
    PrintResult Print();
    // The print dialog for this report; on OK its choices stay with the report form.
    SetupResult PrinterSetup(Dialogs& dialogs, QWidget* parent = nullptr);
    PdfOutcome savePdf(const QString& path) const;

private:
    ReportPage pageAsPrinted() const;

    ReportPage m_page;
    QString m_title;
    std::shared_ptr<PrinterSettings> m_settings;
};
