#pragma once

#include <QImage>

namespace kelvaro {

// The calm gradient behind both windows: white at the top, a pink-mauve band
// through the middle, deep blue at the bottom. Rows are uniform, which keeps
// the compressed picture small.
class BackgroundPainter {
public:
    static constexpr int width = 579;
    static constexpr int height = 263;

    QImage render() const;
};

} // namespace kelvaro
