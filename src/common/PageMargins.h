#pragma once

// The four margins of a printed sheet in hundredths of a millimetre, counted from the
// sheet's edges.
struct PageMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PageMargins&) const = default;
};
