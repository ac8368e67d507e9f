#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

// Keyboard conveniences of the ZPMZ tab: Enter (or, in the one-character
// record number boxes, any typed character) moves the focus to the next field
// of the usual order of filling in. The key still reaches the field it was
// typed into; an optional action runs before the focus moves.
class FocusChain : public QObject
{
    Q_OBJECT
public:
    enum class Trigger
    {
        Enter,
        AnyKey
    };

    explicit FocusChain(QObject* parent = nullptr) : QObject(parent) {}

    void add(QWidget* from, Trigger trigger, QWidget* to, std::function<void()> action = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Link
    {
        Trigger trigger;
        QWidget* to;
        std::function<void()> action;
    };
    QHash<QObject*, Link> m_links;
};
