#include "media/flood_fill.h"

#include <vector>

namespace ejteto {

void floodFill(QImage& image, QPoint start, QColor target, QColor fill)
{
    if (!image.rect().contains(start))
        return;
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const QRgb from = target.rgb();
    const QRgb to = fill.rgb();
    auto pixel = [&image](int x, int y) -> QRgb& { return reinterpret_cast<QRgb*>(image.scanLine(y))[x]; };
    if (from == to || pixel(start.x(), start.y()) != from)
        return;

    // Scanline fill with an explicit stack: each entry is a seed from which
    // a whole horizontal run is painted, so the stack stays small.
    std::vector<QPoint> seeds{start};
    const int width = image.width();
    const int height = image.height();
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        const int y = seed.y();
        if (pixel(seed.x(), y) != from)
            continue;
        int left = seed.x();
        while (left > 0 && pixel(left - 1, y) == from)
            --left;
        int right = seed.x();
        while (right + 1 < width && pixel(right + 1, y) == from)
            ++right;
        for (int x = left; x <= right; ++x)
            pixel(x, y) = to;
        for (const int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = pixel(x, ny) == from;
                if (open && !inRun)
                    seeds.emplace_back(x, ny);
                inRun = open;
            }
        }
    }
}

} // namespace ejteto
