#pragma once

#include "reportpage.h"
#include "reportprinter.h"

#include <QObject>
#include <memory>

// The report of a report form: its page with the elements the document
// fills, the title of the document, and the form's printer settings.
class Report : public QObject
{
    Q_OBJECT

public:
    explicit Report(const PageSetup& setup, QObject* parent = nullptr);

    ReportPage& page() { return m_page; }
    const ReportPage& page() const { return m_page; }
    void setTitle(const QString& title) { m_title = title; }
    const QString& title() const { return m_title; }
    const std::shared_ptr<PrinterSettings>& printerSettings() const { return m_printerSettings; }

    // Produces the page as it is filled now and hands it to whoever shows it
    // (OnPreview). Fill every element before calling: later changes reach
    // only the next preview.
    void Preview();

signals:
    void OnPreview(const std::shared_ptr<ReportPrinter>& sender);

private:
    ReportPage m_page;
    QString m_title;
    std::shared_ptr<PrinterSettings> m_printerSettings;
};
