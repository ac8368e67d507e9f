#include "reportform.h"

#include "dialogs.h"
#include "reportpreview.h"
#include "tform3.h"
#include "version.h"

ReportForm::ReportForm(const PageSetup& setup, QObject* parent) : QObject(parent), QuickRep1(setup)
{
    connect(&QuickRep1, &Report::OnPreview, this, &ReportForm::QuickRep1Preview);
}

ReportForm::ReportForm(TForm3& previewWindow, const PageSetup& setup, QObject* parent)
    : ReportForm(setup, parent)
{
    setPreviewWindow(previewWindow);
}

void ReportForm::showPreview()
{
    previewWindow().showPreviewWindow();
    QuickRep1.Preview();
}

void ReportForm::QuickRep1Preview(const std::shared_ptr<ReportPrinter>& sender)
{
    previewWindow().QRPreview1().setQRPrinter(sender);
}

QString creditLineText()
{
    return creditLine();
}

TextLabel creditLineLabel(const QString& name, PointMm topLeft)
{
    TextLabel label;
    label.name = name;
    label.caption = creditLineText();
    label.geometry = {topLeft.x, topLeft.y, 0_mm, 0_mm};
    label.font = {QStringLiteral("Arial"), 5};
    label.transparent = false;
    return label;
}
