#include "applicationchecks.h"

#include <QCheckBox>

ApplicationChecks::ApplicationChecks(const QList<QCheckBox*>& boxes, QCheckBox* CheckBox7,
                                     QCheckBox* CheckBox5, QObject* parent)
    : QObject(parent)
{
    for (QCheckBox* box : boxes) {
        connect(box, &QCheckBox::toggled, this,
                [box](bool ticked) { box->setText(caption(ticked)); });
    }
    // Connected after the caption rule, so CheckBox7's own caption is set first.
    connect(CheckBox7, &QCheckBox::toggled, this,
            [CheckBox5](bool ticked) { CheckBox5->setChecked(!ticked); });
}

QString ApplicationChecks::caption(bool ticked)
{
    return ticked ? QStringLiteral("ANO") : QStringLiteral("NE");
}
