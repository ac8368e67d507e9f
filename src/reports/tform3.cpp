#include "tform3.h"

#include <QGuiApplication>
#include <QScreen>

#include "dialogs.h"
#include "pdfexport.h"
#include "reportpreview.h"
#include "ui_tform3.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>

namespace {

// Pixels per wheel notch, whatever the system's own scroll setting.
constexpr int wheelStep = 50;

// The small printer beside "Tisk", drawn here so the window needs no image files.
QIcon printerIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 8, 5); // paper going in
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(1, 6, 14, 6); // body
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 8, 5); // paper coming out
    painter.setPen(QColor(0, 160, 0));
    painter.drawPoint(13, 8);
    return QIcon(pixmap);
}

} // namespace

TForm3::TForm3(Dialogs& dialogs, const ProgramFolder& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_ui(std::make_unique<Ui::TForm3>()),
      m_dialogs(dialogs), m_programFolder(programFolder)
{
    m_ui->setupUi(this);
    m_ui->BitBtn2->setIcon(printerIcon());
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(m_ui->BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(m_ui->Bitpdf, &QPushButton::clicked, this, &TForm3::BitpdfClick);
    connect(m_ui->QRPreview1, &ReportPreview::backgroundClicked, this, &TForm3::QRPreview1Click);
    connect(m_ui->QRPreview1, &ReportPreview::wheelTurnedDown, this,
            &TForm3::QRPreview1MouseWheelDown);
    connect(m_ui->QRPreview1, &ReportPreview::wheelTurnedUp, this, &TForm3::QRPreview1MouseWheelUp);
    connect(m_ui->QRPreview1, &ReportPreview::mouseMovedOverBackground, this,
            &TForm3::QRPreview1MouseMove);
}

TForm3::~TForm3() = default;

ReportPreview& TForm3::QRPreview1() const
{
    return *m_ui->QRPreview1;
}

void TForm3::showPreviewWindow()
{
    if (!isVisible()) {
        // Cover the screen even where no window manager maximises windows.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
        showMaximized();
    }
    raise();
    activateWindow();
}

void TForm3::BitBtn2Click()
{
    const auto& printer = m_ui->QRPreview1->QRPrinter();
    if (!printer)
        return;
    switch (printer->Print()) {
    case PrintResult::Printed:
        break;
    case PrintResult::NoPrinter:
        if (m_dialogs.message(Dialogs::Kind::Confirmation,
                              QStringLiteral("Není nainstalována žádná tiskárna.\n"
                                             "Chcete stránku místo tisku uložit jako PDF?"),
                              {Dialogs::Button::Yes, Dialogs::Button::No}) == Dialogs::Button::Yes)
            BitpdfClick();
        break;
    case PrintResult::PrinterRefused:
        m_dialogs.error(
            QStringLiteral("Tiskárna nepřijala tiskovou úlohu „%1“.").arg(printer->title()));
        break;
    }
}

void TForm3::BitBtn3Click()
{
    if (const auto& printer = m_ui->QRPreview1->QRPrinter())
        printer->PrinterSetup(m_dialogs, this);
}

void TForm3::BitBtn1Click()
{
    hide();
}

void TForm3::BitpdfClick()
{
    const auto& printer = m_ui->QRPreview1->QRPrinter();
    if (!printer)
        return;
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Uložit PDF");
    request.directory = m_programFolder.file(QStringLiteral("ulozene"));
    request.filters = {QStringLiteral("*.pdf")};
    request.fileName = pdfFileName(printer->title());
    request.defaultSuffix = QStringLiteral("pdf");
    const QString path = m_dialogs.saveFileName(request);
    if (path.isEmpty())
        return;
    const PdfOutcome outcome = printer->savePdf(path);
    if (outcome.result != PdfResult::Saved)
        m_dialogs.error(QStringLiteral("PDF se nepodařilo uložit do souboru „%1“.\n%2")
                            .arg(QDir::toNativeSeparators(path), outcome.reason));
}

void TForm3::QRPreview1Click()
{
    ReportPreview& preview = *m_ui->QRPreview1;
    switch (preview.tag()) {
    case 0:
        preview.setTag(1);
        preview.ZoomToFit();
        break;
    case 1:
        preview.setTag(0);
        preview.ZoomToWidth();
        break;
    default:
        break;
    }
}

void TForm3::QRPreview1MouseWheelDown()
{
    m_ui->QRPreview1->scrollContentBy(wheelStep);
}

void TForm3::QRPreview1MouseWheelUp()
{
    m_ui->QRPreview1->scrollContentBy(-wheelStep);
}

void TForm3::QRPreview1MouseMove()
{
    m_ui->QRPreview1->setFocus(Qt::MouseFocusReason);
}
