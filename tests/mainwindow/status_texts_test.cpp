// The rotating status texts and the web addresses of the links.
#include "mainwindow/status_texts.h"
#include "resources/maker.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StatusTexts, ElevenTextsInTurnThenFromTheStartAgain) {
    int index = 0;
    std::string shown[2 * statustexts::kStatusTextCount];
    for (std::string& text : shown)
        text = statustexts::NextStatusText(&index);
    EXPECT_EQ(11, index); // at the end marker: the next call starts again at entry 0
    for (int i = 0; i < statustexts::kStatusTextCount; ++i) {
        EXPECT_EQ(shown[i], shown[i + statustexts::kStatusTextCount]);
        const bool title = i == 0 || i == 4 || i == 8;
        EXPECT_EQ(title, shown[i] == PRODUCT_TITLE) << "entry " << i;
        if (!title) {
            EXPECT_NE(std::string::npos, shown[i].find("https://")) << "entry " << i;
        }
    }
    for (int i : {5, 10})
        EXPECT_NE(std::string::npos, shown[i].find(MAKER_CATALOGUE_URL)) << "entry " << i;
    EXPECT_EQ(nullptr, statustexts::StatusText(statustexts::kStatusTextCount));

    index = 57; // an index past the table starts again at entry 0
    EXPECT_EQ(std::string(PRODUCT_TITLE), statustexts::NextStatusText(&index));
    EXPECT_EQ(1, index);
}

TEST(WebLinks, EveryItemHasItsPageAndOtherIdsNone) {
    EXPECT_STREQ(PRODUCT_HOME_URL, statustexts::WebLinkAddress(IDM_WEB_HOME));
    EXPECT_STREQ(PRODUCT_SUPPORT_URL, statustexts::WebLinkAddress(IDM_WEB_SUPPORT));
    EXPECT_STREQ(OTHER_PRODUCT1_URL, statustexts::WebLinkAddress(IDM_WEB_PRODUCT1));
    EXPECT_STREQ(OTHER_PRODUCT8_URL, statustexts::WebLinkAddress(IDM_WEB_PRODUCT8));
    EXPECT_STREQ(MAKER_CATALOGUE_URL, statustexts::WebLinkAddress(IDM_WEB_MORE_SOFTWARE));
    EXPECT_STREQ(MAKER_CATALOGUE_URL, statustexts::WebLinkAddress(IDM_WEB_MAKER_HOME));
    EXPECT_STREQ(MAKER_CATALOGUE_URL, statustexts::StatusLinkAddress());
    EXPECT_EQ(nullptr, statustexts::WebLinkAddress(IDM_HELP_CONTENTS));
    EXPECT_EQ(nullptr, statustexts::WebLinkAddress(IDM_HELP_ABOUT));
}

} // namespace
