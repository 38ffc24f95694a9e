#include "properties/pages/pagZVCalButton.h"

#include "properties/pages/NumberChecks.h"
#include "properties/pages/NumericBox.h"
#include "properties/pages/PageParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

using namespace PageParts;

namespace {

constexpr int CustomPointer = 99;

// An item's value is the number before its dash.
int itemValue(const QComboBox *list)
{
    return list->currentText().section(u' ', 0, 0).toInt();
}

} // namespace

pagZVCalButton::pagZVCalButton(QWidget *parent) : PropertyPageWidget(tr("Button"), QSize(5790, 4410), parent)
{
    setObjectName(QStringLiteral("pagZVCalButton"));
    usePageFont(this);
    setFixedSize(minimumSize());
    QGroupBox *fra = frame(this, "fraCalButton", QString(), twips(60, 0, 5655, 4335));

    image(fra, "imgCalendar", calendarButtonIcon(), QPoint(120, 300));
    label(fra, "lblCaption", QStringLiteral("Caption"), twips(720, 300, 1020, 240));
    txtCaption = new SelectingLineEdit(fra);
    txtCaption->setObjectName(QStringLiteral("txtCaption"));
    txtCaption->setGeometry(twips(720, 540, 2175, 330));
    label(fra, "lblFont3D", QStringLiteral("Font3D"), twips(3105, 300, 1020, 240));
    cbxFont3D = dropDownList(fra, "cbxFont3D", twips(3105, 540, 2175, 330));
    label(fra, "lblAutoSize", QStringLiteral("AutoSize"), twips(720, 960, 1020, 240));
    cbxAutoSize = dropDownList(fra, "cbxAutoSize", twips(720, 1200, 2175, 330));
    label(fra, "lblMousePointer", QStringLiteral("MousePointer"), twips(3105, 960, 1020, 240));
    cbxMousePointer = dropDownList(fra, "cbxMousePointer", twips(3105, 1200, 2175, 330));
    label(fra, "lblBevelWidth", QStringLiteral("BevelWidth"), twips(720, 1680, 1020, 240));
    txtBevelWidth = new NumericBox(fra);
    txtBevelWidth->setObjectName(QStringLiteral("txtBevelWidth"));
    txtBevelWidth->setGeometry(twips(720, 1920, 1200, 330));
    chkEnabled = checkBox(fra, "chkEnabled", QStringLiteral("Enabled"), twips(720, 2520, 1800, 285));
    chkOutline = checkBox(fra, "chkOutline", QStringLiteral("Outline"), twips(720, 2820, 1500, 285));
    chkRoundedCorners = checkBox(fra, "chkRoundedCorners", QStringLiteral("RoundedCorners"), twips(720, 3120, 1980, 285));

    connect(txtCaption, &QLineEdit::textChanged, this, [this] { setChanged(true); });
    for (QComboBox *list : {cbxFont3D, cbxAutoSize, cbxMousePointer}) {
        // Choosing an item sets the flag even when it is the one shown
        // already (activated); a change made any other way sets it too.
        connect(list, &QComboBox::activated, this, [this] { setChanged(true); });
        connect(list, &QComboBox::currentIndexChanged, this, [this] { setChanged(true); });
    }
    for (QCheckBox *box : {chkEnabled, chkOutline, chkRoundedCorners})
        connect(box, &QCheckBox::toggled, this, [this] { setChanged(true); });
    watchNumber(this, txtBevelWidth, &m_bevelWidth, &NumberChecks::notNegative);
}

void pagZVCalButton::Initialize()
{
    // Filling a list is not the user choosing an item.
    const QSignalBlocker blockAutoSize(cbxAutoSize), blockFont3D(cbxFont3D), blockPointer(cbxMousePointer);
    cbxAutoSize->addItems({tr("0 - None"), tr("1 - Picture To Button"), tr("2 - Button To Picture")});
    cbxFont3D->addItems({tr("0 - None"), tr("1 - Raised w/ Light Shading"), tr("2 - Raised w/ Heavy Shading"),
                         tr("3 - Inset w/ Light Shading"), tr("4 - Inset w/ Heavy Shading")});
    cbxMousePointer->addItems({tr("0 - Default"), tr("1 - Arrow"), tr("2 - Cross"), tr("3 - IBeam"),
                               tr("4 - Icon"), tr("5 - Size"), tr("6 - Size NE SW"), tr("7 - Size N S"),
                               tr("8 - Size NW SE"), tr("9 - Size W E"), tr("10 - UpArrow"),
                               tr("11 - HourGlass"), tr("12 - No Drop"), tr("13 - Arrow And HourGlass"),
                               tr("14 - Arrow And Question"), tr("15 - Size All"), tr("99 - Custom")});
    // The page's font may set the items wider than their boxes: the boxes
    // grow within the frame and short of their neighbours.
    const int frameRight = cbxFont3D->parentWidget()->width() - 6;
    fitItems(cbxFont3D, txtCaption->geometry().right() + 8, frameRight);
    fitItems(cbxMousePointer, cbxAutoSize->geometry().right() + 8, frameRight);
    fitItems(cbxAutoSize, cbxAutoSize->x(), cbxMousePointer->x() - 8);
    setChanged(false);
}

void pagZVCalButton::SelectionChanged()
{
    txtCaption->setText(get(QStringLiteral("Caption")).toString());
    cbxAutoSize->setCurrentIndex(get(QStringLiteral("AutoSize")).toInt32());
    cbxFont3D->setCurrentIndex(get(QStringLiteral("Font3D")).toInt32());
    m_mousePointer = get(QStringLiteral("MousePointer")).toInt32();
    cbxMousePointer->setCurrentIndex(m_mousePointer == CustomPointer ? cbxMousePointer->count() - 1 : m_mousePointer);

    chkEnabled->setChecked(get(QStringLiteral("Enabled")).toBool());
    chkOutline->setChecked(get(QStringLiteral("Outline")).toBool());
    chkRoundedCorners->setChecked(get(QStringLiteral("RoundedCorners")).toBool());

    m_bevelWidth = get(QStringLiteral("BevelWidth")).toInt32();
    txtBevelWidth->setText(QString::number(m_bevelWidth));

    setChanged(false);
}

void pagZVCalButton::ApplyChanges()
{
    put(QStringLiteral("Caption"), txtCaption->text());
    put(QStringLiteral("AutoSize"), std::int32_t(itemValue(cbxAutoSize)));
    put(QStringLiteral("Font3D"), std::int32_t(itemValue(cbxFont3D)));
    put(QStringLiteral("MousePointer"), std::int32_t(cbxMousePointer->currentIndex() < 0 ? m_mousePointer : itemValue(cbxMousePointer)));
    put(QStringLiteral("RoundedCorners"), chkRoundedCorners->isChecked());
    put(QStringLiteral("Outline"), chkOutline->isChecked());
    // The text as it stands; the property converts it.
    put(QStringLiteral("BevelWidth"), txtBevelWidth->text());
    put(QStringLiteral("Enabled"), chkEnabled->isChecked());
}
