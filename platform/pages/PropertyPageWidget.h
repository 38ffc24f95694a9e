#pragma once

#include "platform/com/Dispatch.h"

#include <QList>
#include <QSize>
#include <QWidget>

// The widget side of a property page: its controls, the three hooks the host
// calls and the changed flag. Pages reach the selected controls by property
// name only, and only the first control of a selection.
class PropertyPageWidget : public QWidget
{
    Q_OBJECT

public:
    PropertyPageWidget(const QString &title, QSize sizeTwips, QWidget *parent = nullptr);

    QString title() const { return m_title; }
    QSize sizeTwips() const { return m_sizeTwips; }

    // SelectionChanged runs with the new selection in place.
    void setSelection(const QList<IDispatch *> &objects);
    const QList<ComPtr<IDispatch>> &selection() const { return m_selection; }

    bool changed() const { return m_changed; }
    void setChanged(bool changed);

    // Runs ApplyChanges; false with the refusing setter's error in excep.
    bool apply(ExcepInfo *excep);

    // Called once by the creator after construction (the pages' Initialize).
    virtual void Initialize() {}

signals:
    void changedFlagChanged(bool changed);

protected:
    virtual void SelectionChanged() = 0;
    // Writes through put(), which throws at the first refusal.
    virtual void ApplyChanges() = 0;

    // The first selected control, or null without a selection.
    IDispatch *first() const;
    // Property get and put by name on the first selected control. get throws
    // PropertyError when the control refuses; put throws ApplyError.
    Variant get(const QString &name) const;
    void put(const QString &name, const Variant &value);

private:
    struct ApplyError
    {
        ExcepInfo info;
    };

    QString m_title;
    QSize m_sizeTwips;
    QList<ComPtr<IDispatch>> m_selection;
    bool m_changed = false;
};
