// The listing a template repeats: the commands each fitting's pieces are cut
// from, and their boxes and surface lines as the window shows them.

#include <gtest/gtest.h>

#include <algorithm>

#include "output/template_listing.h"
#include "output/template_presets.h"

namespace korvel {
namespace {

TEST(TemplateListing, EachFittingsListingComesFromTheCommandsItsPiecesAreCutFrom) {
    const std::map<std::string, std::vector<std::string>> expected = {
        {"elbow", {"计算端节展开", "计算中节展开"}},
        {"tee", {"计算支管展开", "计算主管展开"}},
        {"ytee", {"计算管Ⅰ展开", "计算管Ⅱ展开"}},
        {"rect-frustum", {"计算展开"}},
        {"transition-round-top", {"计算展开计算"}},
        {"transition-rect-top", {"计算展开"}},
        {"cone", {"展开计算"}},
    };
    for (const auto& [fitting, commands] : expected) {
        SCOPED_TRACE(fitting);
        const WindowDesign& design = designOf(fitting);
        const auto blocks = templateListing(design, design.presetState());
        std::vector<std::string> names;
        for (const ListingBlock& b : blocks) names.push_back(b.command);
        EXPECT_EQ(names, commands);
        for (const ListingBlock& b : blocks) EXPECT_TRUE(b.messages.empty());
    }
    // The elbow's end section as its window shows it: the two boxes side by
    // side, the middle station in both.
    const WindowDesign& elbow = designOf("elbow");
    const auto blocks = templateListing(elbow, elbow.presetState());
    const auto lines = listingText(blocks[0]);
    EXPECT_EQ(blocks[0].headings, (std::vector<std::string>{"       端节实", "长数据"}));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "L0 = 450 L8 = 450"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "管道周长 = 3519 mm   弯头重量 = 746 kg"), lines.end());
    // A surface listing keeps its columns' texts, a run of empty lines as one.
    const WindowDesign& transition = designOf("transition-round-top");
    const auto surface = templateListing(transition, transition.presetState())[0].surface;
    ASSERT_FALSE(surface.empty());
    for (size_t i = 1; i < surface.size(); ++i)
        EXPECT_FALSE(surface[i].items.empty() && surface[i - 1].items.empty()) << i;
    EXPECT_EQ(surface.front().items, (std::vector<TextItem>{{25, "西北角实线"}, {90, "东北角实线"}}));
}

}  // namespace
}  // namespace korvel
