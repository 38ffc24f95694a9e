#include "core/MonthGridLayout.h"

#include <algorithm>
#include <cmath>

namespace MonthGridLayout {

int nearest(double v)
{
    const double fl = std::floor(v);
    const double diff = v - fl;
    double r;
    if (diff < 0.5)
        r = fl;
    else if (diff > 0.5)
        r = fl + 1;
    else
        r = (std::fmod(fl, 2.0) == 0.0) ? fl : fl + 1;
    return static_cast<int>(r);
}

// Child sizes are never negative, however small the control.
static QRect box(int x, int y, int w, int h)
{
    return QRect(x, y, std::max(0, w), std::max(0, h));
}

static void placeArrowRow(Result &r, int y, int w, int aw, int h)
{
    r.arrows[0] = box(0, y, aw, h);
    r.arrows[1] = box(aw, y, aw, h);
    r.arrows[2] = box(2 * aw, y, aw, h);
    r.arrows[3] = box(3 * aw, y, w - 3 * aw, h);
    r.arrowsPlaced = true;
}

Result compute(const Input &in)
{
    Result r;
    const int pos = (in.arrowsPos >= NoArrows && in.arrowsPos <= Bottom) ? in.arrowsPos : NoArrows;
    const int W = in.width;
    const int TH = in.showTitleBar ? 22 : 0;
    int H = in.height - TH;

    int rows = (pos == Top || pos == Bottom) ? 9 : 8;
    const int AW = (pos == Top || pos == Bottom) ? nearest(W / 4.0) : 0;
    if (in.showDropdownMonth) {
        H -= 28;
        rows -= 1;
    }
    const int CW = nearest(W / 7.0);
    const int RH = nearest(static_cast<double>(H) / rows);
    int MH, LH;
    if (in.showDropdownMonth) {
        MH = 28;
        LH = H - (rows - 1) * RH;
    } else {
        MH = H - (rows - 1) * RH;
        LH = RH;
    }
    r.titleHeight = TH;
    r.rows = rows;
    r.arrowWidth = AW;
    r.columnWidth = CW;
    r.rowHeight = RH;
    r.monthYearHeight = MH;
    r.lastRowHeight = LH;

    r.dropdownShown = in.showDropdownMonth;
    r.arrowsVisible = pos != NoArrows;

    r.titleBar = box(0, 0, W, TH);
    r.titleBarVisible = in.showTitleBar;
    r.titleCaption = box(3, 3, W - 6, TH - 6);

    int y = TH;
    if (pos == Top) {
        placeArrowRow(r, y, W, AW, RH - 1);
        y += RH;
    }

    if (pos == MonthYear) {
        r.arrows[0] = box(0, y, CW, MH - 1);
        r.arrows[1] = box(CW, y, CW - 1, MH - 1);
        r.monthYear = box(2 * CW, y, 3 * CW, MH);
        const int x = 2 * CW + r.monthYear.width();
        r.arrows[2] = box(x + 1, y, CW - 1, MH - 1);
        r.arrows[3] = box(x + CW, y, W - x - CW, MH - 1);
        r.arrowsPlaced = true;
    } else {
        r.monthYear = box(0, y, W, MH);
    }

    if (in.showDropdownMonth) {
        // Two thirds of the panel for the month list; the year box follows it
        // one pixel to the right of the list's width and keeps the list's
        // left offset free at the far end twice over.
        const int P = r.monthYear.width();
        const int listWidth = static_cast<int>(P - P / 3.0);
        r.monthList = box(in.monthListLeft, 3, listWidth, 22);
        r.yearBox = box(listWidth + 1, 3, P - (2 * in.monthListLeft + listWidth), 22);
    }

    y += MH;
    for (int i = 0; i < 6; ++i)
        r.dayTitles[i] = box(i * CW, y, CW, RH);
    r.dayTitles[6] = box(6 * CW, y, W - 6 * CW, RH);

    int x = 0;
    for (int n = 1; n <= 42; ++n) {
        if ((n - 1) % 7 == 0) {
            y += RH;
            x = 0;
        }
        const bool lastColumn = n % 7 == 0;
        const int h = (n >= 36 && pos != Bottom) ? LH : RH;
        r.cells[n - 1] = box(x, y, lastColumn ? W - x : CW, h);
        x += CW;
    }

    if (pos == Bottom)
        placeArrowRow(r, y + RH + 1, W, AW, LH - 1);

    return r;
}

} // namespace MonthGridLayout
