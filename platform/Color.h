#pragma once

// A 24-bit RGB colour, each component 0 ... 255.
struct Color {
    int r = 0;
    int g = 0;
    int b = 0;

    friend constexpr bool operator==(const Color&, const Color&) = default;
};
