#pragma once

#include "report.h"

#include <QObject>
#include <memory>

class TForm3;

// A report form: a window that is never shown, holding one report page
// (QuickRep1) that its document fills anew before every print. Its pages
// are shown in the shared preview window.
class ReportForm : public QObject
{
    Q_OBJECT

public:
    // The program creates the report forms before the preview window, in the
    // windows' fixed order, and attaches the preview window afterwards.
    explicit ReportForm(const PageSetup& setup, QObject* parent = nullptr);
    ReportForm(TForm3& previewWindow, const PageSetup& setup, QObject* parent = nullptr);

    Report QuickRep1;

    void setPreviewWindow(TForm3& previewWindow) { m_previewWindow = &previewWindow; }
    TForm3& previewWindow() const { return *m_previewWindow; }

    // The end of every print: show the preview window, then produce the
    // page into it. Call it only after every element has its value.
    void showPreview();

    // The report's OnPreview: instead of a preview of its own, the produced
    // pages go to the shared preview window, replacing what it showed.
    void QuickRep1Preview(const std::shared_ptr<ReportPrinter>& sender);

private:
    TForm3* m_previewWindow = nullptr;
};

// The maker's credit line that every report page carries near its bottom
// right: Arial 5 pt on white, as wide as its text.
QString creditLineText();
TextLabel creditLineLabel(const QString& name, PointMm topLeft);
