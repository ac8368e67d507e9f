#include "reportprinter.h"

#include "dialogs.h"
#include "pagerenderer.h"

#include <QPrintDialog>
#include <QPrinter>

ReportPrinter::ReportPrinter(ReportPage page, QString title,
                             std::shared_ptr<PrinterSettings> settings)
    : m_page(std::move(page)), m_title(std::move(title)), m_settings(std::move(settings))
{
}

ReportPage ReportPrinter::pageAsPrinted() const
{
    ReportPage page = m_page;
    page.setup().orientation = m_settings->orientation();
    return page;
}

PrintResult ReportPrinter::Print()
{
    if (m_settings->hasNoPrinter())
        return PrintResult::NoPrinter;
    QPrinter& printer = m_settings->printer();
    const ReportPage page = pageAsPrinted();
    printer.setDocName(m_title);
    printer.setPageSize(page.setup().qPageSize());
    printer.setPageOrientation(page.setup().qOrientation());
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    printer.setFromTo(0, 0);
    return renderPageOn(printer, page) == OutputResult::Done ? PrintResult::Printed
                                                             : PrintResult::PrinterRefused;
}

SetupResult ReportPrinter::PrinterSetup(Dialogs& dialogs, QWidget* parent)
{
    QPrinter& printer = m_settings->printer();
    printer.setPageOrientation(m_settings->orientation() == Orientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Nastavení tiskárny"));
    dialog.setMinMax(1, 1);
    if (dialogs.execModal(dialog) != QDialog::Accepted)
        return SetupResult::Cancelled;
    m_settings->setOrientation(printer.pageLayout().orientation() == QPageLayout::Landscape
                                   ? Orientation::Landscape
                                   : Orientation::Portrait);
    return SetupResult::Accepted;
}

PdfOutcome ReportPrinter::savePdf(const QString& path) const
{
    return ::savePdf(pageAsPrinted(), m_title, path);
}
