#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue.h"

namespace kestro {
namespace {

struct ExpectedStep {
    std::string destination, source;
    float progress;
};

struct ExpectedChannel {
    std::string key, preview, message;
    std::vector<ExpectedStep> steps;
};

const std::string kOk = "Installation: All OK!";
const std::string kMisc16 = "\\DATA\\ENVIRO\\Misc16.fsh", kMisc8 = "\\DATA\\ENVIRO\\misc8.fsh";

// The published channel packs, file for file, in list order.
const std::vector<ExpectedChannel> kExpected = {
    {"PROTV",
     "\\protv\\preview.jpg",
     kOk,
     {{kMisc16, "\\protv\\misc16.fsh", 44},
      {kMisc8, "\\protv\\misc8.fsh", 50},
      {"\\DATA\\POPUPS\\popups.abg", "\\protv\\popups.abg", 99}}},
    {"NTV",
     "\\ntv\\preview.jpg",
     kOk,
     {{kMisc16, "\\ntv\\Misc16.fsh", 44}, {kMisc8, "\\ntv\\misc8.fsh", 99}}},
    {"WIZJA",
     "\\wizja\\preview.jpg",
     kOk,
     {{kMisc16, "\\wizja\\misc16.fsh", 44},
      {kMisc8, "\\wizja\\misc8.fsh", 50},
      {"\\DATA\\POPUPS\\popups.abg", "\\wizja\\popups.abg", 99}}},
    {"CANAL+", "\\canal+\\preview.jpg", kOk, {{kMisc16, "\\canal+\\misc16.fsh", 99}}},
    {"SPORTTV",
     "\\ssporttv\\preview.jpg",
     kOk,
     {{kMisc16, "\\ssporttv\\misc16.fsh", 44}, {kMisc8, "\\ssporttv\\misc8.fsh", 99}}},
    {"TELEON",
     "\\teleon\\preview.jpg",
     kOk,
     {{kMisc16, "\\teleon\\misc16.fsh", 44},
      {kMisc8, "\\teleon\\misc8.fsh", 50},
      {"\\DATA\\POPUPS\\popups.big", "\\teleon\\popups.big", 99}}},
    {"FOX",
     "\\fox\\preview.jpg",
     "Instalacion de Canal Completada con \xC3\x89xito",
     {{kMisc16, "\\fox\\misc16.fsh", 99}}},
};

class CatalogueEntry : public ::testing::TestWithParam<size_t> {};

TEST_P(CatalogueEntry, MatchesThePublishedPack) {
    const size_t position = GetParam();
    const ExpectedChannel& want = kExpected[position];
    ASSERT_EQ(channels().size(), kExpected.size());
    const Channel& got = channels()[position];
    EXPECT_EQ(got.key, want.key);
    EXPECT_EQ(got.previewPath, want.preview);
    EXPECT_EQ(got.completionMessage, want.message);
    ASSERT_EQ(got.steps.size(), want.steps.size());
    for (size_t i = 0; i < want.steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1));
        EXPECT_EQ(got.steps[i].destination, want.steps[i].destination);
        EXPECT_EQ(got.steps[i].source, want.steps[i].source);
        EXPECT_EQ(got.steps[i].progress, want.steps[i].progress);
    }
    EXPECT_EQ(findChannel(want.key), &got);
}

INSTANTIATE_TEST_SUITE_P(ListOrder, CatalogueEntry, ::testing::Range<size_t>(0, 7));

class NotAKey : public ::testing::TestWithParam<const char*> {};

TEST_P(NotAKey, MatchesNoChannel) {
    EXPECT_EQ(findChannel(GetParam()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Texts, NotAKey,
                         ::testing::Values("", "fox", "Fox", " FOX", "FOX ", "FOX\n", "SSPORTTV",
                                           "sporttv", "CANAL", "canal+", "Total: 7"));

}  // namespace
}  // namespace kestro
