#pragma once

#include <QtCore/qglobal.h>

// Symbols of libZVCalWidgets.so: exported while it is built, imported by
// programs that use it.
#if defined(ZVCAL_WIDGETS_LIBRARY)
#define ZVCAL_WIDGETS_EXPORT Q_DECL_EXPORT
#else
#define ZVCAL_WIDGETS_EXPORT Q_DECL_IMPORT
#endif
