#include "properties/pages/pagZVCalendar.h"

#include "properties/pages/NumberChecks.h"
#include "properties/pages/NumericBox.h"
#include "properties/pages/PageParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

using namespace PageParts;

namespace {

NumericBox *numericBox(QWidget *parent, const char *name, QRect r)
{
    auto *box = new NumericBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(r);
    return box;
}

void select(const QList<QRadioButton *> &group, int index)
{
    if (index >= 0 && index < group.size())
        group.at(index)->setChecked(true);
}

} // namespace

pagZVCalendar::pagZVCalendar(QWidget *parent) : PropertyPageWidget(tr("Calendar"), QSize(5775, 4515), parent)
{
    setObjectName(QStringLiteral("pagZVCalendar"));
    usePageFont(this);
    setFixedSize(minimumSize());
    QGroupBox *fra = frame(this, "fraCalendar", QString(), twips(60, 0, 5655, 4455));

    image(fra, "imgCalendar", calendarIcon(), QPoint(120, 300));
    label(fra, "lblCaption", QStringLiteral("calCaption"), twips(720, 300, 855, 315));
    txtCaption = new SelectingLineEdit(fra);
    txtCaption->setObjectName(QStringLiteral("txtCaption"));
    txtCaption->setGeometry(twips(720, 540, 1875, 330));
    label(fra, "lblAppearance", QStringLiteral("calAppearance"), twips(720, 900, 1215, 315));
    cbxAppearance = dropDownList(fra, "cbxAppearance", twips(720, 1140, 1920, 330));
    label(fra, "lblScrollArrowsPos", QStringLiteral("calScrollArrowsPos"), twips(720, 1500, 1455, 315));
    cbxScrollArrowsPos = dropDownList(fra, "cbxScrollArrowsPos", twips(720, 1740, 1920, 330));
    label(fra, "lblFirstDayofWeek", QStringLiteral("calFirstDayofWeek"), twips(720, 2100, 1455, 315));
    cbxFirstDayofWeek = dropDownList(fra, "cbxFirstDayofWeek", twips(720, 2340, 1920, 330));
    label(fra, "lblMinYear", QStringLiteral("calMinYear"), twips(720, 2820, 855, 315));
    txtMinYear = numericBox(fra, "txtMinYear", twips(720, 3060, 915, 330));
    label(fra, "lblMaxYear", QStringLiteral("calMaxYear"), twips(1680, 2820, 915, 315));
    txtMaxYear = numericBox(fra, "txtMaxYear", twips(1680, 3060, 915, 330));
    label(fra, "lblWidth", QStringLiteral("calWidth"), twips(720, 3540, 855, 315));
    txtWidth = numericBox(fra, "txtWidth", twips(720, 3780, 915, 330));
    label(fra, "lblHeight", QStringLiteral("calHeight"), twips(1680, 3540, 915, 315));
    txtHeight = numericBox(fra, "txtHeight", twips(1680, 3780, 915, 330));

    QGroupBox *fraTitles = frame(fra, "fraTitles", tr("Titles"), twips(2820, 300, 2655, 1515));
    QGroupBox *fraMonthTitle = frame(fraTitles, "fraMonthTitle", tr("Month"), twips(120, 180, 1155, 1155));
    QGroupBox *fraDayTitle = frame(fraTitles, "fraDayTitle", tr("Days"), twips(1380, 180, 1125, 1155));
    const QStringList monthCaptions {tr("Jan"), tr("January")};
    for (int i = 0; i < monthCaptions.size(); ++i) {
        auto *opt = new QRadioButton(monthCaptions.at(i), fraMonthTitle);
        opt->setObjectName(QStringLiteral("optMonthTitle_%1").arg(i));
        opt->setGeometry(twips(120, 240 + 300 * i, 1155 - 180, 255));
        optMonthTitle.append(opt);
    }
    const QStringList dayCaptions {tr("M"), tr("Mon"), tr("Monday")};
    for (int i = 0; i < dayCaptions.size(); ++i) {
        auto *opt = new QRadioButton(dayCaptions.at(i), fraDayTitle);
        opt->setObjectName(QStringLiteral("optDayTitle_%1").arg(i));
        opt->setGeometry(twips(120, 240 + 300 * i, 1125 - 180, 255));
        optDayTitle.append(opt);
    }

    QGroupBox *fraAlignment = frame(fra, "fraAlignment", tr("Alignment"), twips(2820, 1860, 2655, 1515));
    optAlignmentDay = optionGrid(frame(fraAlignment, "fraAlignmentDays", tr("Days"), twips(120, 180, 1155, 1155)), "optAlignmentDay");
    optAlignmentNum = optionGrid(frame(fraAlignment, "fraAlignmentNum", tr("Numbers"), twips(1380, 180, 1125, 1155)), "optAlignmentNum");

    chkOutline = checkBox(fra, "chkOutline", QStringLiteral("calOutline"), twips(2940, 3420, 1035, 255));
    chkShowTitleBar = checkBox(fra, "chkShowTitleBar", QStringLiteral("calShowTitleBar"), twips(2940, 3660, 1695, 255));
    chkMouseSensitiveDate = checkBox(fra, "chkMouseSensitiveDate", QStringLiteral("calMouseSensitiveDate"), twips(2940, 3900, 2055, 255));
    chkShowDropdownMonth = checkBox(fra, "chkShowDropdownMonth", QStringLiteral("calShowDropdownMonth"), twips(2940, 4140, 2175, 255));

    // Every user action but typing a number marks the page changed.
    connect(txtCaption, &QLineEdit::textChanged, this, [this] { setChanged(true); });
    for (QComboBox *list : {cbxAppearance, cbxScrollArrowsPos, cbxFirstDayofWeek}) {
        // Choosing an item sets the flag even when it is the one shown
        // already (activated); a change made any other way sets it too.
        connect(list, &QComboBox::activated, this, [this] { setChanged(true); });
        connect(list, &QComboBox::currentIndexChanged, this, [this] { setChanged(true); });
    }
    for (QCheckBox *box : {chkOutline, chkShowTitleBar, chkMouseSensitiveDate, chkShowDropdownMonth})
        connect(box, &QCheckBox::toggled, this, [this] { setChanged(true); });
    watchOptions(optMonthTitle, &m_monthTitle);
    watchOptions(optDayTitle, &m_dayTitle);
    watchOptions(optAlignmentDay, &m_alignmentDayTitle);
    watchOptions(optAlignmentNum, &m_alignmentNum);

    watchNumber(this, txtMinYear, &m_minYear, [this](const QString &t) { return NumberChecks::minYear(t, txtMaxYear->text()); });
    watchNumber(this, txtMaxYear, &m_maxYear, [this](const QString &t) { return NumberChecks::maxYear(t, txtMinYear->text()); });
    watchNumber(this, txtWidth, &m_width, &NumberChecks::notNegative);
    watchNumber(this, txtHeight, &m_height, &NumberChecks::notNegative);
}

// Nine option buttons placed where their alignment puts text: indexes 0-2 in
// the left column, 6-8 in the centre, 3-5 on the right, top to bottom.
QList<QRadioButton *> pagZVCalendar::optionGrid(QWidget *frame, const char *name)
{
    static constexpr int columnLeft[3] = {180, 780, 480}; // left, right, centre
    QList<QRadioButton *> group;
    for (int i = 0; i < 9; ++i) {
        auto *opt = new QRadioButton(frame);
        opt->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        opt->setGeometry(twips(columnLeft[i / 3], 240 + 300 * (i % 3), 255, 195));
        group.append(opt);
    }
    return group;
}

void pagZVCalendar::watchOptions(const QList<QRadioButton *> &group, int *stored)
{
    for (int i = 0; i < group.size(); ++i)
        connect(group.at(i), &QRadioButton::toggled, this, [this, stored, i](bool on) {
            if (!on)
                return;
            *stored = i;
            setChanged(true);
        });
}

void pagZVCalendar::Initialize()
{
    // Filling a list is not the user choosing an item.
    const QSignalBlocker blockAppearance(cbxAppearance), blockArrows(cbxScrollArrowsPos), blockDay(cbxFirstDayofWeek);
    cbxAppearance->addItems({QStringLiteral("ZORVcalFlat"), QStringLiteral("ZORVcalSunken"), QStringLiteral("ZORVcalRaised")});
    cbxScrollArrowsPos->addItems({QStringLiteral("ZORVcalNoArrows"), QStringLiteral("ZORVcalTop"), QStringLiteral("ZORVcalMonthYear"),
                                  QStringLiteral("ZORVcalBottom")});
    cbxFirstDayofWeek->addItems({QStringLiteral("ZORVcalSunday"), QStringLiteral("ZORVcalMonday"), QStringLiteral("ZORVcalTuesday"),
                                 QStringLiteral("ZORVcalWednesday"), QStringLiteral("ZORVcalThursday"), QStringLiteral("ZORVcalFriday"),
                                 QStringLiteral("ZORVcalSaturday")});
    // Widened as far as the frames beside them allow when the page's font sets
    // an item wider than its box.
    const int titlesLeft = cbxAppearance->parentWidget()->findChild<QWidget *>(QStringLiteral("fraTitles"))->x();
    for (QComboBox *list : {cbxAppearance, cbxScrollArrowsPos, cbxFirstDayofWeek})
        fitItems(list, list->x(), titlesLeft - 8);
}

void pagZVCalendar::SelectionChanged()
{
    txtCaption->setText(get(QStringLiteral("calCaption")).toString());
    cbxAppearance->setCurrentIndex(get(QStringLiteral("calAppearance")).toInt32());
    cbxScrollArrowsPos->setCurrentIndex(get(QStringLiteral("calScrollArrowsPos")).toInt32());
    cbxFirstDayofWeek->setCurrentIndex(get(QStringLiteral("calFirstDayofWeek")).toInt32() - 1);

    chkOutline->setChecked(get(QStringLiteral("calOutline")).toBool());
    chkShowTitleBar->setChecked(get(QStringLiteral("calShowTitleBar")).toBool());
    chkMouseSensitiveDate->setChecked(get(QStringLiteral("calMouseSensitiveDate")).toBool());
    chkShowDropdownMonth->setChecked(get(QStringLiteral("calShowDropdownMonth")).toBool());

    const auto number = [this](const char16_t *name, NumericBox *box, int *stored) {
        *stored = get(QString::fromUtf16(name)).toInt32();
        box->setText(QString::number(*stored));
    };
    number(u"calMinYear", txtMinYear, &m_minYear);
    number(u"calMaxYear", txtMaxYear, &m_maxYear);
    number(u"calWidth", txtWidth, &m_width);
    number(u"calHeight", txtHeight, &m_height);

    const auto option = [this](const char16_t *name, const QList<QRadioButton *> &group, int *stored) {
        *stored = get(QString::fromUtf16(name)).toInt32();
        select(group, *stored);
    };
    option(u"calAlignmentDayTitle", optAlignmentDay, &m_alignmentDayTitle);
    option(u"calAlignmentNum", optAlignmentNum, &m_alignmentNum);
    option(u"calMonthTitle", optMonthTitle, &m_monthTitle);
    option(u"calDayTitle", optDayTitle, &m_dayTitle);

    setChanged(false);
}

void pagZVCalendar::ApplyChanges()
{
    put(QStringLiteral("calCaption"), txtCaption->text());
    put(QStringLiteral("calAppearance"), std::int32_t(cbxAppearance->currentIndex()));
    put(QStringLiteral("calScrollArrowsPos"), std::int32_t(cbxScrollArrowsPos->currentIndex()));
    put(QStringLiteral("calFirstDayofWeek"), std::int32_t(cbxFirstDayofWeek->currentIndex() + 1));
    put(QStringLiteral("calOutline"), chkOutline->isChecked());
    put(QStringLiteral("calShowTitleBar"), chkShowTitleBar->isChecked());
    put(QStringLiteral("calMouseSensitiveDate"), chkMouseSensitiveDate->isChecked());
    put(QStringLiteral("calShowDropdownMonth"), chkShowDropdownMonth->isChecked());
    put(QStringLiteral("calMinYear"), std::int32_t(m_minYear));
    put(QStringLiteral("calMaxYear"), std::int32_t(m_maxYear));
    put(QStringLiteral("calWidth"), std::int32_t(m_width));
    put(QStringLiteral("calHeight"), std::int32_t(m_height));
    put(QStringLiteral("calAlignmentDayTitle"), std::int32_t(m_alignmentDayTitle));
    put(QStringLiteral("calAlignmentNum"), std::int32_t(m_alignmentNum));
    put(QStringLiteral("calMonthTitle"), std::int32_t(m_monthTitle));
    put(QStringLiteral("calDayTitle"), std::int32_t(m_dayTitle));
}
