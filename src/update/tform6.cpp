#include "tform6.h"

#include "settingsfile.h"
#include "ui_tform6.h"
#include "version.h"

#include <QApplication>
#include <QStyle>

TForm6::TForm6(const ProgramFolder& folder, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TForm6>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    ui->Label3->setText(programVersion());
    ui->Label4->setText(programVersion());
    ui->Label1->setText(creditLine());
    ui->Image1->setPixmap(QApplication::windowIcon().pixmap(25, 25));

    SettingsFile settings(folder.settingsFile());
    m_installedVersion =
        settings.readText(QStringLiteral("Programy"), QStringLiteral("ZRS"), versionText());
    settings.close();
}

TForm6::~TForm6() = default;

QString TForm6::versionText() const
{
    return ui->Label4->text();
}
