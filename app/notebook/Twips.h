#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>
#include <QtGlobal>

// Window geometry is laid out in twips; a pixel is 15 twips.
namespace Twips {

constexpr int PerPixel = 15;

inline int toPixels(int twips)
{
    return qRound(twips / double(PerPixel));
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

// A new child W of parent, named and placed at the given twips.
template <typename W>
W *place(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect(left, top, width, height));
    return widget;
}

} // namespace Twips
