#pragma once

#include <QGroupBox>

// The frame of the property pages: an etched line round the frame whose top
// runs through the middle of the caption, the caption painted over it. The
// children keep the frame's outer corner as their origin, as the pages'
// twips place them, and start clear of the caption and the line.
class PageFrame : public QGroupBox
{
    Q_OBJECT

public:
    PageFrame(const QString &caption, QWidget *parent);

    // Where the top line runs (half the caption's height; 0 without one), and
    // the area the caption covers, in the frame's coordinates.
    int lineTop() const;
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
