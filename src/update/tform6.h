#pragma once

#include "programfolder.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TForm6;
}

// The Info window: the program's version and the installed version recorded
// in the settings file.
class TForm6 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm6(const ProgramFolder& folder, QWidget* parent = nullptr);
    ~TForm6() override;

    // The version text shown in the window ("3.02").
    QString versionText() const;
    // The installed version read from the settings file when the window was made.
    const QString& installedVersion() const { return m_installedVersion; }

    Ui::TForm6& controls() { return *ui; }

private:
    std::unique_ptr<Ui::TForm6> ui;
    QString m_installedVersion;
};
