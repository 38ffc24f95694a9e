#pragma once

#include "platform/pages/PropertyPageWidget.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class NumericBox;

// The "Calendar" page: edits the calendar properties of any control that
// publishes them by name (ZVCalendar, and ZVCalButton for its calendar).
class pagZVCalendar : public PropertyPageWidget
{
    Q_OBJECT

public:
    explicit pagZVCalendar(QWidget *parent = nullptr);

    void Initialize() override;

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    QList<QRadioButton *> optionGrid(QWidget *frame, const char *name);
    void watchOptions(const QList<QRadioButton *> &group, int *stored);

    QLineEdit *txtCaption;
    QComboBox *cbxAppearance, *cbxScrollArrowsPos, *cbxFirstDayofWeek;
    NumericBox *txtMinYear, *txtMaxYear, *txtWidth, *txtHeight;
    QList<QRadioButton *> optMonthTitle, optDayTitle, optAlignmentDay, optAlignmentNum;
    QCheckBox *chkOutline, *chkShowTitleBar, *chkMouseSensitiveDate, *chkShowDropdownMonth;

    // The page's stored values: option indexes last chosen, numbers last accepted.
    int m_alignmentDayTitle = 0, m_alignmentNum = 0, m_monthTitle = 0, m_dayTitle = 0;
    int m_minYear = 0, m_maxYear = 0, m_width = 0, m_height = 0;
};
