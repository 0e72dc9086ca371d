#include "FourColours.h"

#include <climits>

namespace trelon::assets {

QImage blankStimulus(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kBlack);
    return picture;
}

QImage toFourColours(const QImage& picture) {
    const QRgb choices[] = {kBlack.rgb(), kRed.rgb(), kBlue.rgb(), kWhite.rgb()};
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            int best = 0;
            int bestDistance = INT_MAX;
            for (int i = 0; i < 4; ++i) {
                const int dr = qRed(line[x]) - qRed(choices[i]);
                const int dg = qGreen(line[x]) - qGreen(choices[i]);
                const int db = qBlue(line[x]) - qBlue(choices[i]);
                const int d = dr * dr + dg * dg + db * db;
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            line[x] = choices[best];
        }
    }
    return out;
}

} // namespace trelon::assets
