#pragma once

#include "programfolder.h"

#include <QWidget>
#include <memory>

class Dialogs;
class ReportPreview;

namespace Ui {
class TForm3;
}

// The one preview window shared by every report form. It shows the page a
// report form hands over (QuickRep1Preview attaches it to QRPreview1) and
// prints or saves that page. It lives for the whole run and is only hidden
// between previews, so the zoom toggle carries over from one preview to the next.
class TForm3 : public QWidget
{
    Q_OBJECT

public:
    TForm3(Dialogs& dialogs, const ProgramFolder& programFolder, QWidget* parent = nullptr);
    ~TForm3() override;

    ReportPreview& QRPreview1() const;

    // Shows the window maximised without a frame; not modal. A window that
    // is already showing stays as it is.
    void showPreviewWindow();

    // "Tisk": prints the previewed report; without any printer it offers a PDF instead.
    void BitBtn2Click();
    // "Nastavení tiskárny": the print dialog for the previewed report.
    void BitBtn3Click();
    // "Zavřít": hides the window; the previewed pages stay attached.
    void BitBtn1Click();
    // "Uložit PDF": saves the previewed page as PDF/A in a file the user chooses.
    void BitpdfClick();
    // Zoom toggle on the grey background, by the preview area's tag.
    void QRPreview1Click();
    void QRPreview1MouseWheelDown();
    void QRPreview1MouseWheelUp();
    void QRPreview1MouseMove();

private:
    std::unique_ptr<Ui::TForm3> m_ui;
    Dialogs& m_dialogs;
    ProgramFolder m_programFolder;
};
