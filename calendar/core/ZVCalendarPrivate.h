#pragma once

#include "core/CalendarDateMath.h"
#include "core/CellLook.h"
#include "core/MonthFill.h"
#include "core/ZVCalendar.h"

#include <QMetaObject>
#include <array>

// Keeps the grid container from repainting while a procedure changes many
// children; only the outermost guard turns painting back on.
class BatchUpdates
{
public:
    explicit BatchUpdates(QWidget *w) : m_w(w), m_owner(w->updatesEnabled())
    {
        if (m_owner)
            m_w->setUpdatesEnabled(false);
    }
    ~BatchUpdates()
    {
        if (m_owner)
            m_w->setUpdatesEnabled(true);
    }
    BatchUpdates(const BatchUpdates &) = delete;
    BatchUpdates &operator=(const BatchUpdates &) = delete;

private:
    QWidget *m_w;
    bool m_owner;
};

// The state and the display procedures of ZVCalendar, shared by the control's
// display/input code and its property code.
struct ZVCalendar::Private
{
    // The saved state, as the properties hold it.
    struct State
    {
        bool enabled = true;
        QString caption = QStringLiteral("Calendar");
        bool outline = false;
        bool showTitleBar = true;
        bool showDropdownMonth = false;
        std::int32_t scrollArrowsPos = 3;
        bool mouseSensitiveDate = false;
        std::int32_t appearance = 2;
        std::int32_t minYear = 1600;
        std::int32_t maxYear = 9999;
        CellLook::Colours colours = CellLook::defaultColours();
        std::int32_t firstDayOfWeek = 1;
        std::int32_t monthTitle = 1;
        std::int32_t dayTitle = 0;
        std::int32_t alignmentNum = 7;
        std::int32_t alignmentDayTitle = 7;
        FontRef font;
        FontRef monthYearTitleFont;
        FontRef scrollArrowsFont;
        double value = 0;
    };

    explicit Private(ZVCalendar *q);

    ZVCalendar *q;
    State s;
    double lastRefreshedValue = 0;
    FontRef ambient;

    // Display fields.
    std::array<QString, 8> dayNames;     // 1 = Sunday .. 7
    std::array<QString, 13> monthNames;  // 1 .. 12
    CellLook::Bevels bevels;
    int selectedIndex = 1;
    int hoverIndex = 1;
    bool yearBoxAfterDoubleClick = false;
    // A border around the control whatever calOutline says: it drops down.
    bool popupFrame = false;

    // Child widgets (owned by their parents).
    QFrame *Picture1 = nullptr;
    SSPanel *pnlTitleBar0 = nullptr;
    SSPanel *pnlTitleBar1 = nullptr;
    SSPanel *pnlText = nullptr;
    SSPanel *pnlMonthYear = nullptr;
    QComboBox *cbxMonth = nullptr;
    QLineEdit *txtYear = nullptr;
    std::array<SSCommand *, 4> cmdButton {};
    std::array<SSPanel *, 7> pnlCalDay {};     // title i at index i - 1
    std::array<SSPanel *, 42> pnlCalNum {};    // cell n at index n - 1

    QMetaObject::Connection focusConnection;
    std::array<QMetaObject::Connection, 3> fontConnections;

    void createChildren();
    void connectChildren();
    SSPanel *cell(int n) const { return pnlCalNum[n - 1]; }

    // Display procedures.
    void controlResizeStep();
    void layoutPass();
    void fillMonth(double date);
    void buildDayNames();
    void fillDayTitles();
    void buildMonthNames();
    void showMonthYear();
    void applyNumberAlignment();
    void applyDayTitleAlignment();
    void applyFont();
    void applyTitleFont();
    void applyArrowsFont();
    void applyCaption();
    void applyOutline();
    void applyColors();
    void applyAppearance();
    void applyEnabled();
    void applyAll();
    void showTitleBarActive();
    void showTitleBarInactive();
    void restoreCellBevel(int k);
    void hoverCell(int n);
    void hoverRestore();
    void watchFonts();

    // Methods and input.
    void step(CalendarDateMath::Step step);
    void showLimitMessage(bool isMaximum);
    void dayChoice(int n);
    void cellDoubleClick(int n);
    void monthChoice(int index);
    void validateYear();
    // The key-down handling shared by the control, the year box and the
    // arrow buttons; raises KeyDown with the caller's own variables.
    void keyDown(short &keyCode, short &shift);
    void arrowKeyPress(int i, short &keyAscii);
    bool yearBoxEvent(QEvent *event);
    bool arrowButtonEvent(int i, QEvent *event);
    bool monthListEvent(QEvent *event);
    void focusChanged(QWidget *old, QWidget *now);
    bool contains(const QWidget *w) const;
    bool keyOfAChild() const;

    void showYear(const QString &year);
    void selectYear();

    // Colours and bevels applied to one cell.
    void paintCell(int n, MonthFill::Tag tag);
    static void setAlignment(SSPanel *panel, int alignment);
    FontRef dayFont() const;
    bool fontBold() const;

    // The three font properties by index 0 .. 2.
    FontRef &fontAt(int i);
    void setFontProperty(int i, FontRef font);
    void setColour(int index, OLE_COLOR colour);
    static QString fontPropertyName(int i);
};
