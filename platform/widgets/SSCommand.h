#pragma once

#include "platform/objects/StdFont.h"
#include "platform/objects/StdPicture.h"

#include <QString>
#include <QWidget>
#include <cstdint>

// A 3-D command button: raised when up, inset while pressed, a dotted focus
// rectangle when it has the focus; a caption (with an & mnemonic) and/or a
// picture. Takes the focus by Tab and by click.
//
// Click is raised when the left button is released inside the button, when
// Space is released after being pressed on it, and for its mnemonic
// (Alt+letter). Key events carry classic codes (platform/text/KeyCodes.h) by
// reference; connect to them directly (not queued). A KeyDown handler that
// sets keyCode to 0 stops the button's own handling of that key (Space);
// KeyPress is still raised for a key that types a character, and a KeyPress
// handler that sets keyAscii to 0 swallows it. Tab and Shift+Tab raise
// KeyDown (9) and KeyPress (9) before anything else and move the focus on only
// when neither handler set its code to 0. Mouse events are those of SSPanel;
// a double click is two clicks.
class SSCommand : public QWidget
{
    Q_OBJECT
public:
    enum AutoSizeMode { AutoSizeNone = 0, PictureToButton = 1, ButtonToPicture = 2 };
    enum Font3DStyle {
        Font3DNone = 0, RaisedLight = 1, RaisedHeavy = 2, InsetLight = 3, InsetHeavy = 4,
    };
    // The pointer shapes: 0 default .. 15 size all, 99 the MouseIcon picture.
    enum MousePointerShape {
        PointerDefault = 0, PointerArrow = 1, PointerCross = 2, PointerIBeam = 3, PointerIcon = 4,
        PointerSize = 5, PointerSizeNESW = 6, PointerSizeNS = 7, PointerSizeNWSE = 8,
        PointerSizeWE = 9, PointerUpArrow = 10, PointerHourglass = 11, PointerNoDrop = 12,
        PointerArrowHourglass = 13, PointerArrowQuestion = 14, PointerSizeAll = 15,
        PointerCustom = 99,
    };

    explicit SSCommand(QWidget *parent = nullptr);
    ~SSCommand() override;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    using QWidget::setFont;
    // A copy of the font's attributes, as with SSPanel.
    void setFont(const StdFont &font);
    void setFont(const FontAttributes &font);

    // OLE colour of the caption; default the system button-text colour.
    std::int32_t foreColor() const { return m_foreColor; }
    void setForeColor(std::int32_t color);

    // Null pointer and a null picture both mean no picture.
    StdPicturePtr picture() const { return m_picture; }
    void setPicture(const StdPicturePtr &picture);

    // 0 picture at its own size, centred and clipped; 1 picture scaled to the
    // button's inner area (aspect kept); 2 the button resizes itself to the
    // picture (plus frame and margin) whenever the picture, bevel or outline
    // change. Other values: PropertyError 380.
    int autoSize() const { return m_autoSize; }
    void setAutoSize(int mode);
    // The size AutoSize 2 gives the button for its current picture (the
    // current size when there is no picture).
    QSize pictureFitSize() const;

    // 0 .. 4 (Font3DStyle); else PropertyError 380.
    int font3D() const { return m_font3D; }
    void setFont3D(int style);

    bool roundedCorners() const { return m_roundedCorners; }
    void setRoundedCorners(bool rounded);

    // A one-pixel black line around the button (default false).
    bool outline() const { return m_outline; }
    void setOutline(bool outline);

    // 0 .. 10 pixels (default 2); else PropertyError 380.
    short bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(short width);

    // 0 .. 15 or 99 (MousePointerShape); else PropertyError 380.
    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    StdPicturePtr mouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const StdPicturePtr &icon);

    // Whether the button is drawn pressed (mouse held inside, or Space down).
    bool isDown() const { return m_down; }

    QSize sizeHint() const override;

signals:
    void Click();
    void KeyDown(short &keyCode, short &shift);
    void KeyPress(short &keyAscii);
    void KeyUp(short &keyCode, short &shift);
    // By reference, like the key events: a handler's change is seen by the
    // handlers connected after it.
    void MouseDown(short &button, short &shift, float &x, float &y);
    void MouseMove(short &button, short &shift, float &x, float &y);
    void MouseUp(short &button, short &shift, float &x, float &y);
    void GotFocus();
    void LostFocus();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Raises KeyDown and KeyPress; true when neither handler consumed the key.
    bool raiseKeyPress(QKeyEvent *event);
    void setDown(bool down);
    void updateMnemonic();
    void updateCursor();
    void applyAutoSize();
    int frameWidth() const;

    QString m_caption;
    std::int32_t m_foreColor;
    StdPicturePtr m_picture;
    StdPicturePtr m_mouseIcon;
    int m_autoSize = AutoSizeNone;
    int m_font3D = Font3DNone;
    bool m_roundedCorners = false;
    bool m_outline = false;
    short m_bevelWidth = 2;
    int m_mousePointer = PointerDefault;
    bool m_down = false;
    bool m_mouseHeld = false;
    bool m_spaceHeld = false;
    int m_shortcutId = 0;
};
