// The results screen's layout at the screen sizes the clinic uses, and the check of the
// printed graph's settings.
#include "review/ResultsScreenLayout.h"
#include "results/ResultsFormat.h"
#include "review/GraphPrintSettings.h"

#include <gtest/gtest.h>

using namespace trelon;

TEST(ResultsScreenLayoutTest, TableFiltersAndGraphShareTheWindowWithoutOverlap) {
    for (const QSize client : {QSize(1024, 768), QSize(1280, 800), QSize(1920, 1080)}) {
        for (const bool graph : {false, true}) {
            ResultsScreenShape shape{client, {150, 23}, 6, true, true, graph};
            const ResultsScreenLayout l = layOutResultsScreen(shape);
            const QRect window(QPoint(0, 0), client);
            SCOPED_TRACE(testing::Message() << client.width() << (graph ? " graph" : ""));
            for (const QRect& r : {l.PanelBtn, l.ComboBoxExp, l.choiceGroup, l.PanelKosogl,
                                   l.PanelTabl, l.LabelFamily}) {
                EXPECT_TRUE(window.contains(r)) << r.x() << "," << r.y();
            }
            // The filters stack down the right edge, right of the table.
            EXPECT_LT(l.choiceGroup.bottom(), l.PanelKosogl.top());
            EXPECT_LT(l.PanelKosogl.bottom(), l.RadioGroupUgol.top());
            EXPECT_LT(l.PanelTabl.right(), l.PanelKosogl.left());
            EXPECT_LT(l.PanelBtn.bottom(), l.choiceGroup.top());
            EXPECT_LT(l.LabelDel.bottom(), l.PanelTabl.top());
            EXPECT_FALSE(l.LabelFamily.intersects(l.ComboBoxExp));
            EXPECT_EQ(l.StringGridRezult.size(), l.PanelTabl.size() - QSize(2, 2));
            if (graph) {
                EXPECT_LT(l.PanelTabl.bottom(), l.PanelGraph.top());
                EXPECT_LE(l.PanelGraph.bottom(), client.height() - 5);
            }
            EXPECT_TRUE(window.contains(l.Panel2));
        }
    }
    // Where the filters leave no room below them, the print buttons go under the graph.
    for (int kind = 2; kind <= 8; ++kind) {
        const ResultsFormat& f = resultsFormatOf(static_cast<ProcedureKind>(kind));
        const ResultsScreenLayout l = layOutResultsScreen(
            {{1024, 600}, {900, 23}, f.choice ? 6 : std::optional<int>(), true, false, true});
        for (const QRect& other : {l.choiceGroup, l.PanelKosogl, l.PanelGraph, l.ComboBoxExp}) {
            EXPECT_FALSE(l.PanelPrint.intersects(other) || l.LabelFamily.intersects(other)) << kind;
        }
        EXPECT_LE(l.PanelPrint.bottom(), 600 - 5);
    }
    // Without filters the table takes the width up to the right margin.
    const ResultsScreenLayout bare =
        layOutResultsScreen({QSize(1024, 768), {150, 23}, std::nullopt, false, false, false});
    EXPECT_EQ(bare.PanelTabl.right(), 1024 - 5 - 1);
    EXPECT_TRUE(bare.choiceGroup.isNull());
}

TEST(GraphPrintSettingsTest, WidthsTakeOneToAThousandAndFontsOneToSeventyTwo) {
    // The panel's note names the ranges the check takes.
    EXPECT_TRUE(graphSettingsNote().contains(QStringLiteral("(от 1 до 1000)")));
    EXPECT_TRUE(graphSettingsNote().contains(QStringLiteral("пунктах (от 1 до 72)")));
    const QStringList best = {QStringLiteral("1"), QStringLiteral(" 1000 "), QStringLiteral("50"),
                              QStringLiteral("72"), QStringLiteral("1")};
    const GraphSettingsCheck ok = checkGraphSettings(best);
    ASSERT_TRUE(ok.values.has_value());
    EXPECT_EQ(*ok.values, (GraphSettingValues{1, 1000, 50, 72, 1}));

    auto refused = [&](int row, const QString& typed) {
        QStringList values = best;
        values[row] = typed;
        return checkGraphSettings(values);
    };
    EXPECT_FALSE(refused(0, QStringLiteral("0")).values);
    EXPECT_FALSE(refused(2, QStringLiteral("1001")).values);
    EXPECT_FALSE(refused(1, QStringLiteral("2.5")).values);
    EXPECT_FALSE(refused(4, QString()).values);
    const GraphSettingsCheck font = refused(3, QStringLiteral("73"));
    EXPECT_FALSE(font.values);
    EXPECT_EQ(font.message,
              QStringLiteral("«Шрифт для делений по оси Х»: введите целое число от 1 до 72"));
}
