#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class TForm7;
}

// The list editor: the whole reason list as one text in Memo1, saved with
// BitBtn1 "Uložit a zavřít". It has no cancel button; closing it by its title
// bar leaves without saving. The window only shows the text; reading and
// writing the list file is the pick lists' job.
class TForm7 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm7(QWidget* parent = nullptr);
    ~TForm7() override;

    // Puts text into Memo1, whatever its line ends (CR LF, lone CR or LF).
    void setText(const QString& text);
    // Memo1's text exactly as typed, lines separated by CR LF; a line end
    // follows the last line only if the text ends with one.
    QString text() const;

signals:
    // BitBtn1 "Uložit a zavřít" was pressed; the window stays open until the
    // text has been saved.
    void saveRequested();

private:
    std::unique_ptr<Ui::TForm7> ui;
};
