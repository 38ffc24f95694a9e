#pragma once

#include "platform/objects/StdFont.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>

// A captioned 3-D panel: a flat colour fill, an optional one-pixel outline, a
// bevel (none, inset or raised) and a clipped caption in one of nine places.
//
// Mouse events carry the classic values: button 1 left, 2 right, 4 middle
// (MouseMove: the buttons held, or-ed); shift 1 Shift, 2 Ctrl, 4 Alt; x and y
// in pixels from the panel's top-left corner. Click needs the left button
// pressed on the panel and released inside it. For a double click Qt delivers
// press, release, press, double-click, release, and the panel emits MouseDown,
// MouseUp, Click, MouseDown, DblClick, MouseUp: the second release raises no
// Click. A disabled panel raises no events and greys its caption.
class SSPanel : public QWidget
{
    Q_OBJECT
public:
    // The caption places; the values of enumCALAlignment.
    enum Alignment {
        LeftTop = 0, LeftMiddle = 1, LeftBottom = 2,
        RightTop = 3, RightMiddle = 4, RightBottom = 5,
        CenterTop = 6, CenterMiddle = 7, CenterBottom = 8,
    };
    // The same numbers as enumCALAppearance.
    enum Bevel { BevelNone = 0, BevelInset = 1, BevelRaised = 2 };

    explicit SSPanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // 0 .. 8; any other value is refused (PropertyError 380).
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);

    // 0 none, 1 inset, 2 raised; any other value is refused (PropertyError 380).
    int bevel() const { return m_bevel; }
    void setBevel(int bevel);
    // Pixels per bevel, 0 .. 30 (default 1).
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);

    // A single black line just inside the panel's edge, outside the bevel.
    bool outline() const { return m_outline; }
    void setOutline(bool outline);

    // OLE colours (0x00BBGGRR, or a system colour). Defaults: button face and
    // button text.
    std::int32_t backColor() const { return m_backColor; }
    void setBackColor(std::int32_t color);
    std::int32_t foreColor() const { return m_foreColor; }
    void setForeColor(std::int32_t color);

    // The panel keeps its own copy of the font (QWidget::font()); later
    // changes to the StdFont object do not reach it.
    using QWidget::setFont;
    void setFont(const StdFont &font);
    void setFont(const FontAttributes &font);
    bool bold() const;
    void setBold(bool bold);

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // Keeps `child` (a child widget of this panel) sized to this panel's
    // rectangle less `inset` pixels on every side, now and at each resize
    // event (a hidden panel gets the event for its new size when shown).
    // nullptr stops it.
    void setFittedChild(QWidget *child, int inset);
    QWidget *fittedChild() const { return m_fitted; }

    // The area inside the outline and bevel, and the rectangle the caption is
    // drawn in (clipped to the inner area). Both may be empty, never negative.
    QRect innerRect() const;
    QRect captionRect() const;

    QSize sizeHint() const override;

signals:
    void Click();
    void DblClick();
    void MouseDown(short button, short shift, float x, float y);
    void MouseMove(short button, short shift, float x, float y);
    void MouseUp(short button, short shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitChild();
    int frameWidth() const;

    QString m_caption;
    QString m_tag;
    int m_alignment = CenterMiddle;
    int m_bevel = BevelRaised;
    int m_bevelWidth = 1;
    bool m_outline = false;
    std::int32_t m_backColor;
    std::int32_t m_foreColor;
    QPointer<QWidget> m_fitted;
    int m_fittedInset = 0;
    bool m_leftPressed = false;
    bool m_afterDoubleClick = false;
};
