#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// A 128-bit class, interface or library identifier, written in the usual
// braced form {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
struct Guid
{
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4 {};

    constexpr bool operator==(const Guid &) const = default;
    constexpr bool isNull() const { return *this == Guid {}; }

    // Accepts the text with or without braces, in either case.
    static std::optional<Guid> parse(const QString &text);
    // Upper-case hexadecimal in braces.
    QString toString() const;
};
