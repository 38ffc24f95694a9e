#include "core/CalendarInterfaces.h"

#include "core/CalendarAccessible.h"
#include "core/MonthFill.h"
#include "core/ZVCalendar.h"
#include "platform/widgets/WidgetAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWindow>

namespace {

constexpr int Columns = 7;
constexpr int Rows = 6;
constexpr int Titles = 7;
constexpr int Cells = Columns * Rows;

const QLatin1String CellPrefix("pnlCalNum_");
const QLatin1String TitlePrefix("pnlCalDay_");

DayPanel *dayPanel(const QWidget *grid, QLatin1String prefix, int n)
{
    if (!grid)
        return nullptr;
    return grid->findChild<DayPanel *>(prefix + QString::number(n), Qt::FindDirectChildrenOnly);
}

// Child i of the table: the day titles first, then the cells row by row.
DayPanel *tableChild(const QWidget *grid, int index)
{
    if (index < 0 || index >= Titles + Cells)
        return nullptr;
    return index < Titles ? dayPanel(grid, TitlePrefix, index + 1) : dayPanel(grid, CellPrefix, index - Titles + 1);
}

int numberOf(const QWidget *panel, QLatin1String prefix)
{
    const QString name = panel->objectName();
    return name.startsWith(prefix) ? name.mid(prefix.size()).toInt() : 0;
}

bool isSelectedCell(const SSPanel *cell)
{
    return cell->tag() == MonthFill::tagText(MonthFill::Tag::CurrSelected);
}

ZVCalendar *calendarOf(const QWidget *grid)
{
    return grid ? qobject_cast<ZVCalendar *>(grid->parentWidget()) : nullptr;
}

// The calendar control itself holds the keyboard focus for its days.
bool calendarHasFocus(const QWidget *grid)
{
    const ZVCalendar *calendar = calendarOf(grid);
    return calendar && calendar->hasFocus();
}

DayPanel *selectedCell(const QWidget *grid)
{
    for (int n = 1; n <= Cells; ++n) {
        DayPanel *cell = dayPanel(grid, CellPrefix, n);
        if (cell && isSelectedCell(cell))
            return cell;
    }
    return nullptr;
}

QString panelName(const SSPanel *panel)
{
    return panel->accessibleName().isEmpty() ? WidgetAccessibility::nameFromCaption(panel->caption())
                                             : panel->accessibleName();
}

QAccessibleInterface *tableOf(const QWidget *grid);

// The table of days. It has no widget of its own: the titles and cells are
// children of the grid, which shows this table in their place.
class DayTable : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    explicit DayTable(CalendarGrid *grid) : m_grid(grid) {}

    bool isValid() const override { return !m_grid.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        if (!m_grid)
            return nullptr;
        const QWidget *top = m_grid->window();
        return top ? top->windowHandle() : nullptr;
    }

    QAccessibleInterface *parent() const override { return m_grid ? QAccessible::queryAccessibleInterface(m_grid) : nullptr; }
    int childCount() const override { return m_grid ? Titles + Cells : 0; }
    QAccessibleInterface *child(int index) const override
    {
        DayPanel *panel = tableChild(m_grid, index);
        return panel ? QAccessible::queryAccessibleInterface(panel) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QObject *o = child ? child->object() : nullptr;
        if (!o || !m_grid || o->parent() != m_grid)
            return -1;
        const auto *panel = static_cast<const QWidget *>(o);
        if (const int n = numberOf(panel, CellPrefix))
            return Titles + n - 1;
        if (const int i = numberOf(panel, TitlePrefix))
            return i - 1;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < Titles + Cells; ++i) {
            QAccessibleInterface *c = child(i);
            if (c && c->rect().contains(x, y))
                return c;
        }
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        // Named after the month it shows ("April 1997").
        if (t != QAccessible::Name || !m_grid)
            return {};
        const auto *title = m_grid->findChild<SSPanel *>(QStringLiteral("pnlText"), Qt::FindDirectChildrenOnly);
        return title ? panelName(title) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        const DayPanel *first = tableChild(m_grid, 0);
        const DayPanel *last = tableChild(m_grid, Titles + Cells - 1);
        if (!first || !last)
            return {};
        return QRect(first->mapToGlobal(QPoint(0, 0)), last->mapToGlobal(QPoint(last->width(), last->height())) - QPoint(1, 1));
    }

    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_grid || !m_grid->isVisible())
            s.invisible = true;
        const ZVCalendar *calendar = calendarOf(m_grid);
        if (calendar && !calendar->Enabled())
            s.disabled = true;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
    }

    // The table interface.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= Rows || column < 0 || column >= Columns)
            return nullptr;
        return child(Titles + row * Columns + column);
    }
    int selectedCellCount() const override { return selectedCell(m_grid) ? 1 : 0; }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        if (DayPanel *cell = selectedCell(m_grid))
            return {QAccessible::queryAccessibleInterface(cell)};
        return {};
    }
    QString columnDescription(int column) const override
    {
        const DayPanel *title = dayPanel(m_grid, TitlePrefix, column + 1);
        return title ? panelName(title) : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Columns; }
    int rowCount() const override { return Rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    QPointer<CalendarGrid> m_grid;
};

// The grid: its own children, with the table in place of the day titles and
// cells. It owns the table's interface.
class GridAccessible : public QAccessibleWidget
{
public:
    explicit GridAccessible(CalendarGrid *grid) : QAccessibleWidget(grid, QAccessible::Client) {}
    ~GridAccessible() override
    {
        if (m_tableId)
            QAccessible::deleteAccessibleInterface(m_tableId);
    }

    QAccessibleInterface *table() const
    {
        if (!m_tableId)
            m_tableId = QAccessible::registerAccessibleInterface(new DayTable(static_cast<CalendarGrid *>(widget())));
        return QAccessible::accessibleInterface(m_tableId);
    }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QObject *> list = children();
        if (index < 0 || index >= list.size())
            return nullptr;
        return list[index] ? QAccessible::queryAccessibleInterface(list[index]) : table();
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child == table())
            return int(children().indexOf(nullptr));
        return child->object() ? int(children().indexOf(child->object())) : -1;
    }

private:
    // The grid's child widgets in order, the table (nullptr here) taking the
    // place of the first day title and the other day panels left out.
    QList<QObject *> children() const
    {
        QList<QObject *> list;
        bool tablePlaced = false;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (!w || w->isWindow())
                continue;
            if (qobject_cast<DayPanel *>(w)) {
                if (!tablePlaced)
                    list.append(nullptr);
                tablePlaced = true;
                continue;
            }
            list.append(w);
        }
        return list;
    }

    mutable QAccessible::Id m_tableId = 0;
};

QAccessibleInterface *tableOf(const QWidget *grid)
{
    QAccessibleInterface *found = grid ? QAccessible::queryAccessibleInterface(const_cast<QWidget *>(grid)) : nullptr;
    auto *gridInterface = dynamic_cast<GridAccessible *>(found);
    return gridInterface ? gridInterface->table() : nullptr;
}

// A day title: the header of its column, named with the weekday.
class TitleAccessible : public QAccessibleWidget
{
public:
    explicit TitleAccessible(DayPanel *title) : QAccessibleWidget(title, QAccessible::ColumnHeader) {}

    QAccessibleInterface *parent() const override { return tableOf(widget()->parentWidget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return panelName(static_cast<const SSPanel *>(widget()));
        return QAccessibleWidget::text(t);
    }
};

// A day cell: its full date as name, selected when it holds the value, and a
// press action that chooses it as a click does.
class CellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    explicit CellAccessible(DayPanel *cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

    DayPanel *cell() const { return static_cast<DayPanel *>(widget()); }
    int number() const { return numberOf(widget(), CellPrefix); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface *parent() const override { return tableOf(widget()->parentWidget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return panelName(cell());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.focusable = true;
        s.selected = isSelected();
        s.focused = s.selected && calendarHasFocus(widget()->parentWidget());
        return s;
    }

    QStringList actionNames() const override
    {
        return widget()->isEnabled() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && widget()->isEnabled() && widget()->isVisible())
            emit cell()->Click();
    }

    // The table cell interface.
    bool isSelected() const override { return isSelectedCell(cell()); }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        if (DayPanel *title = dayPanel(widget()->parentWidget(), TitlePrefix, columnIndex() + 1))
            return {QAccessible::queryAccessibleInterface(title)};
        return {};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return (number() - 1) % Columns; }
    int rowIndex() const override { return (number() - 1) / Columns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return tableOf(widget()->parentWidget()); }
};

// The calendar: named after its host-given name or its caption; while it
// holds the focus, the selected day is the focused child.
class CalendarControlAccessible : public QAccessibleWidget
{
public:
    explicit CalendarControlAccessible(ZVCalendar *calendar) : QAccessibleWidget(calendar, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *calendar = static_cast<const ZVCalendar *>(widget());
        if (t == QAccessible::Name && calendar->accessibleName().isEmpty())
            return WidgetAccessibility::nameFromCaption(calendar->calCaption());
        return QAccessibleWidget::text(t);
    }

    QAccessibleInterface *focusChild() const override
    {
        if (!widget()->hasFocus())
            return QAccessibleWidget::focusChild();
        const auto *grid = widget()->findChild<CalendarGrid *>(QString(), Qt::FindDirectChildrenOnly);
        DayPanel *cell = selectedCell(grid);
        return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
    }
};

// A control whose inner button takes its focus (the drop-down button): the
// button stands for it, so the control itself is a plain container.
class ProxiedControlAccessible : public QAccessibleWidget
{
public:
    explicit ProxiedControlAccessible(QWidget *control) : QAccessibleWidget(control, QAccessible::Grouping) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->focusProxy()) {
            s.focusable = false;
            s.focused = false;
        }
        return s;
    }
};

// The casts check the class itself, not only its name: a process may hold
// two copies of this code (a program linking it and the library it loads),
// and each copy makes the interfaces of its own widgets.
QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("DayPanel")) {
        auto *panel = qobject_cast<DayPanel *>(object);
        if (panel && panel->objectName().startsWith(CellPrefix))
            return new CellAccessible(panel);
        if (panel && panel->objectName().startsWith(TitlePrefix))
            return new TitleAccessible(panel);
        return nullptr;
    }
    if (className == QLatin1String("CalendarGrid")) {
        auto *grid = qobject_cast<CalendarGrid *>(object);
        return grid ? new GridAccessible(grid) : nullptr;
    }
    if (className == QLatin1String("ZVCalendar")) {
        auto *calendar = qobject_cast<ZVCalendar *>(object);
        return calendar ? new CalendarControlAccessible(calendar) : nullptr;
    }
    if (className == QLatin1String("ZVCalButton"))
        return new ProxiedControlAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

namespace CalendarInterfaces {

QAccessibleInterface *create(const QString &className, QObject *object)
{
    return factory(className, object);
}

DayPanel *cell(const QWidget *grid, int n)
{
    return dayPanel(grid, CellPrefix, n);
}

DayPanel *selectedCell(const QWidget *grid)
{
    return ::selectedCell(grid);
}

bool calendarHasFocus(const QWidget *grid)
{
    return ::calendarHasFocus(grid);
}

} // namespace CalendarInterfaces
