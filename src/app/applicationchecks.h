#pragma once

#include <QList>
#include <QObject>

class QCheckBox;

// The ten yes/no boxes of the application tab keep their caption at "ANO"
// when ticked and "NE" when not, and ticking "pouze návrh zobrazení změny"
// (CheckBox7) unticks "celý ZPMZ" (CheckBox5) and the other way round. The
// rules run on every change of tick, whoever makes it; the job file stores the
// captions, the printout reads the ticks.
class ApplicationChecks : public QObject
{
    Q_OBJECT
public:
    ApplicationChecks(const QList<QCheckBox*>& boxes, QCheckBox* CheckBox7, QCheckBox* CheckBox5,
                      QObject* parent = nullptr);

    static QString caption(bool ticked);
};
