// The rotating status texts and the web addresses of the links.
#include "mainwindow/status_texts.h"
#include "resources/maker.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StatusTexts, TitleEveryFourthTextAndAnAddressInTheOthers) {
    // The turn and the wrap after entry 10 are seen on the window's status line.
    for (int i = 0; i < statustexts::kStatusTextCount; ++i) {
        const std::string text = statustexts::StatusText(i);
        const bool title = i == 0 || i == 4 || i == 8;
        EXPECT_EQ(title, text == PRODUCT_TITLE) << "entry " << i;
        EXPECT_EQ(!title, text.find("https://") != std::string::npos) << "entry " << i;
    }
    int index = 57; // an index past the table starts again at entry 0
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
