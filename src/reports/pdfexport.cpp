#include "pdfexport.h"

#include "dialogs.h"
#include "pagerenderer.h"

#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

PdfResult writePdf(const ReportPage& page, const QString& title, QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setResolution(1200);
    writer.setTitle(title);
    writer.setCreator(Dialogs::applicationTitle());
    const PageSetup& setup = page.setup();
    // Zero margins put the painter's origin at the paper's corner, as on a full-page printer.
    writer.setPageLayout(
        QPageLayout(setup.qPageSize(), setup.qOrientation(), QMarginsF(), QPageLayout::Millimeter));
    return renderPageOn(writer, page) == OutputResult::Done ? PdfResult::Saved
                                                            : PdfResult::CannotCreate;
}

PdfOutcome savePdf(const ReportPage& page, const QString& title, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {PdfResult::CannotCreate, file.errorString()};
    if (writePdf(page, title, file) != PdfResult::Saved) {
        file.cancelWriting();
        return {PdfResult::CannotCreate, file.errorString()};
    }
    if (!file.commit())
        return {PdfResult::CannotCreate, file.errorString()};
    return {PdfResult::Saved, {}};
}

QString pdfFileName(const QString& title)
{
    static const QRegularExpression forbidden(QStringLiteral("[/\\\\:*?\"<>|]"));
    QString name = QString(title).replace(forbidden, QStringLiteral("-")).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("tisk");
    return name + QStringLiteral(".pdf");
}
