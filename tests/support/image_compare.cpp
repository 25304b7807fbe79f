#include "tests/support/image_compare.h"

#include <QImage>

#include <cstdlib>

bool imagesMatch(const QImage &a, const QImage &b, int tolerance)
{
    if (a.isNull() || b.isNull() || a.size() != b.size())
        return false;
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < left.height(); ++y) {
        const QRgb *l = reinterpret_cast<const QRgb *>(left.constScanLine(y));
        const QRgb *r = reinterpret_cast<const QRgb *>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            if (std::abs(qAlpha(l[x]) - qAlpha(r[x])) > tolerance || std::abs(qRed(l[x]) - qRed(r[x])) > tolerance
                || std::abs(qGreen(l[x]) - qGreen(r[x])) > tolerance
                || std::abs(qBlue(l[x]) - qBlue(r[x])) > tolerance)
                return false;
        }
    }
    return true;
}
