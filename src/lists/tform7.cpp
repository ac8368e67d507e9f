#include "tform7.h"

#include "ui_tform7.h"

#include <QTextDocument>

TForm7::TForm7(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm7>())
{
    ui->setupUi(this);
    // A fixed dialog frame: a close button, no minimise, maximise or resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(577, 346);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm7::saveRequested);
}

TForm7::~TForm7() = default;

void TForm7::setText(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    ui->Memo1->setPlainText(lines);
}

QString TForm7::text() const
{
    // The raw text keeps every character as typed (toPlainText() would turn a
    // no-break space into a space); only the block and line separators of the
    // document become line ends.
    QString raw = ui->Memo1->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    raw.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return raw;
}
