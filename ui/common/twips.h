#pragma once

// Window geometry is stated in twips, 1/1440 inch: 15 twips make one pixel at
// 96 dots per inch, and Qt's logical pixels are those.

namespace quillet::ui {

constexpr int pixels(int twips) {
    return (twips + 7) / 15;
}

} // namespace quillet::ui
