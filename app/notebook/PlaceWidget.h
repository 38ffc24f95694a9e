#pragma once

#include "notebook/Twips.h"

#include <QLatin1String>
#include <QWidget>

namespace Twips {

// A new control of type W on parent, named and placed in twips.
template <typename W>
W *place(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect(left, top, width, height));
    return widget;
}

} // namespace Twips
