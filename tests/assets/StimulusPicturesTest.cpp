// The stimulus pictures hold only the four source colours, in the parts their roles need,
// at sizes that fit the scenes; the previews use colours the set-up screen shows exactly.
#include "AssetReading.h"

#include "stimulus/PictureFiles.h"

#include <QSet>
#include <gtest/gtest.h>

#include <cmath>

namespace trelon::assets::testing {
namespace {

Role roleOf(const char* name) {
    const QString wanted = QString::fromLatin1(name).toLower();
    for (const AssetFile& f : kAssetFiles)
        if (toQString(f.name).toLower() == wanted)
            return f.role;
    ADD_FAILURE() << "not generated: " << name;
    return Role::Sound;
}

int figurePixels(const ColourCensus& c) {
    return c.red + c.blue + c.white;
}

TEST(StimulusPictures, HoldOnlyBlackRedBlueAndWhite) {
    int checked = 0;
    for (const AssetFile& f : kAssetFiles) {
        if (!isStimulus(f.role))
            continue;
        const QImage picture = loadAsset(f.name);
        ASSERT_FALSE(picture.isNull()) << f.name;
        const ColourCensus c = census(picture);
        EXPECT_EQ(c.other, 0) << f.name;
        EXPECT_GT(c.black, 0) << f.name; // a background around the figure
        ++checked;
    }
    EXPECT_EQ(checked, 39);
}

TEST(StimulusPictures, TwoPartPicturesHoldARedAndABluePartThatMeet) {
    auto parts = filesOfRole(Role::TwoPart);
    parts.push_back({"Konfeta.bmp", Role::TwoPartFusion});
    for (const AssetFile& f : parts) {
        const ColourCensus c = census(loadAsset(f.name));
        SCOPED_TRACE(std::string(f.name));
        // Each eye gets a real figure of its own, not a speck.
        EXPECT_GE(c.red, figurePixels(c) / 10);
        EXPECT_GE(c.blue, figurePixels(c) / 10);
        // Drawn in the aligned position: the two boxes overlap or lie a few pixels apart.
        EXPECT_TRUE(c.redBox.adjusted(-12, -12, 12, 12).intersects(c.blueBox));
    }
}

TEST(StimulusPictures, FusionPicturesAreMostlyWhiteWithSmallControlMarks) {
    auto fused = filesOfRole(Role::Fusion);
    fused.push_back({"Konfeta.bmp", Role::TwoPartFusion});
    for (const AssetFile& f : fused) {
        const ColourCensus c = census(loadAsset(f.name));
        SCOPED_TRACE(std::string(f.name));
        EXPECT_GE(c.white, figurePixels(c) * 6 / 10);
        EXPECT_GT(c.red, 0);
        EXPECT_GT(c.blue, 0);
        EXPECT_LE(c.red, figurePixels(c) / 5);
        EXPECT_LE(c.blue, figurePixels(c) / 5);
    }
}

TEST(StimulusPictures, SingleColourFiguresHoldOnlyTheirColour) {
    for (const AssetFile& f : filesOfRole(Role::Silhouette)) {
        const ColourCensus c = census(loadAsset(f.name));
        EXPECT_GT(c.white, 0) << f.name;
        EXPECT_EQ(c.red + c.blue, 0) << f.name;
    }
    for (const AssetFile& f : filesOfRole(Role::Target)) {
        const ColourCensus c = census(loadAsset(f.name));
        EXPECT_GT(c.blue, 0) << f.name;
        EXPECT_EQ(c.red + c.white, 0) << f.name;
    }
    auto redOnly = filesOfRole(Role::Moving);
    for (const AssetFile& f : filesOfRole(Role::ScaleArrow))
        redOnly.push_back(f);
    for (const AssetFile& f : redOnly) {
        const ColourCensus c = census(loadAsset(f.name));
        EXPECT_GT(c.red, 0) << f.name;
        EXPECT_EQ(c.blue + c.white, 0) << f.name;
    }
}

TEST(StimulusPictures, SizesFitTheScenesOfA1024By768Screen) {
    for (const AssetFile& f : kAssetFiles) {
        if (f.role != Role::TwoPart && f.role != Role::TwoPartFusion)
            continue;
        const QImage picture = loadAsset(f.name);
        // Angle measurement refuses pictures taller than half the screen height.
        EXPECT_LE(picture.height(), 768 / 3) << f.name;
        EXPECT_LE(picture.width(), 1024 / 4) << f.name;
    }
    const int cheeseWidth = loadAsset("chees.bmp").width();
    EXPECT_GE(cheeseWidth, 90);
    EXPECT_LE(cheeseWidth, 110);
    for (const char* plane : kScotomaPlanes) {
        // Diagonal start positions use the figure's height for its horizontal place too.
        const QImage picture = loadAsset(plane);
        EXPECT_EQ(picture.width(), picture.height()) << plane;
    }
}

// Red pixels of the picture mirrored across its vertical (or horizontal) centre line equal
// the red pixels themselves.
bool mirrorSymmetric(const QImage& picture, bool acrossVerticalLine) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int mx = acrossVerticalLine ? picture.width() - 1 - x : x;
            const int my = acrossVerticalLine ? y : picture.height() - 1 - y;
            if (picture.pixel(x, y) != picture.pixel(mx, my))
                return false;
        }
    return true;
}

TEST(StimulusPictures, ScaleArrowsPointAtTheirScales) {
    // "strelvert" stands under the horizontal scale pointing up; its left edge is placed at
    // the tick's middle less half its width, so it must be symmetric about its middle.
    const QImage up = loadAsset(kHorizontalScaleArrow);
    ASSERT_GT(up.height(), up.width());
    EXPECT_TRUE(mirrorSymmetric(up, true));
    EXPECT_EQ(up.pixel(up.width() / 2, 0), qRgb(255, 0, 0)); // tip at the top middle
    EXPECT_NE(up.pixel(0, 0), qRgb(255, 0, 0));
    // "strelhor" stands right of the vertical scale pointing left.
    const QImage left = loadAsset(kVerticalScaleArrow);
    ASSERT_GT(left.width(), left.height());
    EXPECT_TRUE(mirrorSymmetric(left, false));
    EXPECT_EQ(left.pixel(0, left.height() / 2), qRgb(255, 0, 0));
    EXPECT_NE(left.pixel(0, 0), qRgb(255, 0, 0));
}

// Centre of the black pixels enclosed by the figure (not reachable from the border).
QPointF centreOfHoles(const QImage& picture) {
    const int w = picture.width();
    const int h = picture.height();
    std::vector<char> outside(static_cast<size_t>(w * h), 0);
    std::vector<QPoint> stack;
    auto push = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || outside[static_cast<size_t>(y * w + x)] ||
            (picture.pixel(x, y) & 0xFFFFFF) != 0)
            return;
        outside[static_cast<size_t>(y * w + x)] = 1;
        stack.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) {
        push(x, 0);
        push(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        push(0, y);
        push(w - 1, y);
    }
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        push(p.x() + 1, p.y());
        push(p.x() - 1, p.y());
        push(p.x(), p.y() + 1);
        push(p.x(), p.y() - 1);
    }
    QPointF sum;
    int count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) == 0 && !outside[static_cast<size_t>(y * w + x)]) {
                sum += QPointF(x, y);
                ++count;
            }
    return count == 0 ? QPointF(-1, -1) : sum / count;
}

TEST(StimulusPictures, EachAeroplaneFacesTheCentreItFliesTo) {
    // Start directions of the eight aeroplanes in degrees (0 right, 90 top); the cockpit,
    // the one hole in the figure, must lie ahead of the middle in the direction of flight.
    const int from[8] = {0, 90, 180, 270, 45, 135, 225, 315};
    for (int i = 0; i < 8; ++i) {
        const QImage plane = loadAsset(kScotomaPlanes[i]);
        const QPointF cockpit = centreOfHoles(plane);
        ASSERT_GE(cockpit.x(), 0) << kScotomaPlanes[i];
        const QPointF offset =
            cockpit - QPointF((plane.width() - 1) / 2.0, (plane.height() - 1) / 2.0);
        const double a = from[i] * M_PI / 180;
        const QPointF flight(-std::cos(a), std::sin(a)); // towards the centre, y down
        const double along = offset.x() * flight.x() + offset.y() * flight.y();
        const double across = offset.x() * flight.y() - offset.y() * flight.x();
        EXPECT_GT(along, 10) << kScotomaPlanes[i];
        EXPECT_LT(std::abs(across), 3) << kScotomaPlanes[i];
    }
}

TEST(StimulusPictures, ProcedureTablesNamePicturesOfTheRightRole) {
    for (const ObjectPicture& p : kDiagKosoglPictures) {
        const Role r = roleOf(p.file);
        EXPECT_TRUE(r == Role::TwoPart || r == Role::TwoPartFusion) << p.file;
    }
    for (const ObjectPicture& p : kTrenKosoglPictures) {
        const Role r = roleOf(p.file);
        EXPECT_TRUE(r == Role::TwoPart || r == Role::TwoPartFusion) << p.file;
    }
    for (const char* file : kDiagFuziaPictures) {
        const Role r = roleOf(file);
        EXPECT_TRUE(r == Role::Fusion || r == Role::TwoPartFusion) << file;
    }
    for (const ObjectPicture& p : kFusionTrainingPictures) {
        const Role r = roleOf(p.file); // drawn whole in the joint colour, whatever its parts
        EXPECT_TRUE(r == Role::Silhouette || r == Role::TwoPart) << p.file;
    }
    for (const char* file : kScotomaTargets)
        EXPECT_EQ(roleOf(file), Role::Target) << file;
    EXPECT_EQ(roleOf(kScotomaRat.file), Role::Moving);
    EXPECT_EQ(roleOf(kScotomaBee.file), Role::Moving);
    for (const char* file : kScotomaPlanes)
        EXPECT_EQ(roleOf(file), Role::Moving) << file;
    EXPECT_EQ(roleOf(kHorizontalScaleArrow), Role::ScaleArrow);
    EXPECT_EQ(roleOf(kVerticalScaleArrow), Role::ScaleArrow);
    for (const char* file : kTrainingObjectPreviews)
        EXPECT_EQ(roleOf(file), Role::Preview) << file;
    for (const char* file : kFusionObjectPreviews)
        EXPECT_EQ(roleOf(file), Role::Preview) << file;
    for (const char* file : kTestObjectPreviews)
        EXPECT_EQ(roleOf(file), Role::Preview) << file;
}

TEST(PreviewPictures, AreSmallIconsInColoursTheSetUpScreenKeeps) {
    // The set-up screen loads lake.bmp's colours, then rewrites entries 21-24 and 30-42 and
    // 51-62 (role colours, panel grey, swatches); a preview colour found among the others
    // (or the panel grey itself) is shown exactly as drawn.
    const QImage lake = QImage::fromData(readAsset("lake.bmp"));
    ASSERT_EQ(lake.colorCount(), 256);
    QSet<QRgb> kept{qRgb(212, 208, 200)};
    for (int i = 0; i < 256; ++i)
        if (!((i >= 21 && i <= 24) || (i >= 30 && i <= 42) || (i >= 51 && i <= 62)))
            kept.insert(lake.color(i) | 0xFF000000);
    for (const AssetFile& f : filesOfRole(Role::Preview)) {
        const QImage icon = loadAsset(f.name);
        SCOPED_TRACE(std::string(f.name));
        EXPECT_LE(icon.width(), 44);
        EXPECT_LE(icon.height(), 44);
        QSet<QRgb> used;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                used.insert(icon.pixel(x, y));
        EXPECT_GE(used.size(), 3); // background and at least two colours of the object
        for (const QRgb c : used)
            EXPECT_TRUE(kept.contains(c)) << std::hex << c;
    }
}

} // namespace
} // namespace trelon::assets::testing
