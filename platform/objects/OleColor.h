#pragma once

#include <QColor>
#include <cstdint>

// Colours as the controls take them: 32 bits, 0x00BBGGRR (red in the low byte).
// A value with the top bit set names a system colour by its index in the low
// byte (0x80000012 is the text of buttons); it is resolved through the
// application palette.
namespace OleColor {

constexpr std::int32_t fromRgb(int r, int g, int b)
{
    return std::int32_t((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}

constexpr std::int32_t systemColor(int index) { return std::int32_t(0x80000000u | unsigned(index & 0xFF)); }
constexpr std::int32_t ButtonFace = systemColor(0x0F);
constexpr std::int32_t ButtonText = systemColor(0x12);
constexpr std::int32_t WindowBackground = systemColor(0x05);
constexpr std::int32_t WindowText = systemColor(0x08);

bool isSystemColor(std::int32_t color);
QColor toQColor(std::int32_t color);
std::int32_t fromQColor(const QColor &color);

} // namespace OleColor
