#pragma once

#include <QRect>
#include <array>

// Where each part of the month calendar goes for a given inner size of its
// grid container, in whole pixels. Pure arithmetic: the control applies it.
namespace MonthGridLayout {

// The arrow positions (values of the scroll-arrows property).
enum ArrowsPos { NoArrows = 0, Top = 1, MonthYear = 2, Bottom = 3 };

struct Input
{
    int width = 0;               // inner width of the grid container
    int height = 0;              // inner height of the grid container
    bool showTitleBar = true;
    bool showDropdownMonth = false;
    int arrowsPos = Bottom;      // a value outside 0 .. 3 places no arrows
    int monthListLeft = 3;       // design offset of the month list in its panel
};

struct Result
{
    // Intermediate figures, kept for the reader of a layout.
    int titleHeight = 0, rows = 0, arrowWidth = 0, columnWidth = 0, rowHeight = 0;
    int monthYearHeight = 0, lastRowHeight = 0;

    QRect titleBar;
    bool titleBarVisible = false;
    QRect titleCaption;          // inside the title bar, 3 pixels in from each edge

    // The month-year row holds the month list panel when the drop-down is
    // shown, the text panel otherwise; the other one keeps its place hidden.
    bool dropdownShown = false;
    QRect monthYear;
    QRect monthList;             // inside the month list panel
    QRect yearBox;               // inside the month list panel

    bool arrowsVisible = false;
    bool arrowsPlaced = false;
    std::array<QRect, 4> arrows;

    std::array<QRect, 7> dayTitles;   // title i at index i - 1
    std::array<QRect, 42> cells;      // cell n at index n - 1
};

// Round to the nearest whole number, halves to the even neighbour.
int nearest(double v);

Result compute(const Input &in);

} // namespace MonthGridLayout
