#include "report.h"

Report::Report(const PageSetup& setup, QObject* parent)
    : QObject(parent), m_page(setup),
      m_printerSettings(std::make_shared<PrinterSettings>(setup.orientation))
{
}

void Report::Preview()
{
    ReportPage produced = m_page;
    // An orientation chosen in the printer set-up stays for the report's later prints.
    produced.setup().orientation = m_printerSettings->orientation();
    emit OnPreview(
        std::make_shared<ReportPrinter>(std::move(produced), m_title, m_printerSettings));
}
