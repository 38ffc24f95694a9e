#include "platform/objects/OleColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace OleColor {

bool isSystemColor(std::int32_t color)
{
    return (std::uint32_t(color) & 0xFF000000u) == 0x80000000u;
}

namespace {

QColor paletteColor(int index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 0x01: return palette.color(QPalette::Window);          // desktop
    case 0x04: return palette.color(QPalette::Window);          // menu
    case 0x05: return palette.color(QPalette::Base);            // window
    case 0x06: return palette.color(QPalette::Shadow);          // window frame
    case 0x07: return palette.color(QPalette::WindowText);      // menu text
    case 0x08: return palette.color(QPalette::Text);            // window text
    case 0x0D: return palette.color(QPalette::Highlight);
    case 0x0E: return palette.color(QPalette::HighlightedText);
    case 0x0F: return palette.color(QPalette::Button);          // button face
    case 0x10: return palette.color(QPalette::Dark);            // button shadow
    case 0x11: return palette.color(QPalette::Disabled, QPalette::Text); // grey text
    case 0x12: return palette.color(QPalette::ButtonText);
    case 0x14: return palette.color(QPalette::Light);           // button highlight
    case 0x15: return palette.color(QPalette::Shadow);          // 3-D dark shadow
    case 0x16: return palette.color(QPalette::Midlight);        // 3-D light
    case 0x17: return palette.color(QPalette::ToolTipText);
    case 0x18: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::WindowText);
    }
}

} // namespace

QColor toQColor(std::int32_t color)
{
    const auto bits = std::uint32_t(color);
    if (isSystemColor(color))
        return paletteColor(int(bits & 0xFF));
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

std::int32_t fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return fromRgb(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace OleColor
