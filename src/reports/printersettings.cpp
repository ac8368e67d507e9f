#include "printersettings.h"

#include <QPrinter>
#include <QPrinterInfo>

PrinterSettings::PrinterSettings(Orientation reportOrientation) : m_orientation(reportOrientation)
{
}

PrinterSettings::~PrinterSettings() = default;

QPrinter& PrinterSettings::printer()
{
    if (!m_printer) {
        QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
        if (chosen.isNull()) {
            // Printers without a system default: take the first rather than none.
            const QStringList names = QPrinterInfo::availablePrinterNames();
            if (!names.isEmpty())
                chosen = QPrinterInfo::printerInfo(names.constFirst());
        }
        m_printer = std::make_unique<QPrinter>(chosen, QPrinter::HighResolution);
        m_printer->setCopyCount(1);
        m_printer->setPageOrientation(m_orientation == Orientation::Landscape
                                          ? QPageLayout::Landscape
                                          : QPageLayout::Portrait);
    }
    // Full page: the painter's origin is the paper's corner, and the page
    // keeps its positions whatever margins the printer cannot print on.
    m_printer->setFullPage(true);
    return *m_printer;
}

bool PrinterSettings::hasNoPrinter()
{
    const QPrinter& current = printer();
    if (current.outputFormat() == QPrinter::PdfFormat)
        return current.outputFileName().isEmpty();
    return current.printerName().isEmpty();
}
