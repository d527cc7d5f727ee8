#pragma once
// Colours are kept and stored as Windows colour values, 0x00BBGGRR, so that
// settings files from the Windows program read the same.
#include <QColor>
#include <cstdint>

inline QColor WinColorToQColor(std::uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline std::uint32_t QColorToWinColor(const QColor& color)
{
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8)
        | (std::uint32_t(color.blue()) << 16);
}
