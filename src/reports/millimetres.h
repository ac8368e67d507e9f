#pragma once

#include <QtGlobal>

// A length on paper. Report pages hold every position and size in
// millimetres; only the renderer turns them into device units, so the same
// page model serves screen, printer, PDF and test images.
class Mm
{
public:
    constexpr Mm() = default;
    constexpr explicit Mm(double value) : m_value(value) {}

    constexpr double value() const { return m_value; }
    // Device units for a device with the given density; the renderer's only conversion.
    constexpr double toDevice(double unitsPerMm) const { return m_value * unitsPerMm; }

    constexpr Mm operator+(Mm other) const { return Mm(m_value + other.m_value); }
    constexpr Mm operator-(Mm other) const { return Mm(m_value - other.m_value); }
    constexpr Mm operator-() const { return Mm(-m_value); }
    constexpr Mm operator*(double factor) const { return Mm(m_value * factor); }
    constexpr Mm operator/(double divisor) const { return Mm(m_value / divisor); }
    constexpr double operator/(Mm other) const { return m_value / other.m_value; }
    constexpr Mm& operator+=(Mm other)
    {
        m_value += other.m_value;
        return *this;
    }
    constexpr Mm& operator-=(Mm other)
    {
        m_value -= other.m_value;
        return *this;
    }
    constexpr auto operator<=>(const Mm&) const = default;

private:
    double m_value = 0.0;
};

constexpr Mm operator""_mm(long double value)
{
    return Mm(static_cast<double>(value));
}
constexpr Mm operator""_mm(unsigned long long value)
{
    return Mm(static_cast<double>(value));
}

struct PointMm
{
    Mm x;
    Mm y;
};

struct SizeMm
{
    Mm width;
    Mm height;
};

struct RectMm
{
    Mm left;
    Mm top;
    Mm width;
    Mm height;

    constexpr Mm right() const { return left + width; }
    constexpr Mm bottom() const { return top + height; }
    constexpr RectMm translated(Mm dx, Mm dy) const { return {left + dx, top + dy, width, height}; }
};
