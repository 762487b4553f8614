#include "mainwindow/status_texts.h"

#include "resources/maker.h"
#include "resources/resource.h"

namespace statustexts {

namespace {

const char* const kStatusTexts[kStatusTextCount + 1] = {
    PRODUCT_TITLE,
    OTHER_PRODUCT1_NAME ": dial any number from your PC - " OTHER_PRODUCT1_URL,
    OTHER_PRODUCT2_NAME ": see who is calling before you answer - " OTHER_PRODUCT2_URL,
    OTHER_PRODUCT3_NAME ": send faxes straight from your PC - " OTHER_PRODUCT3_URL,
    PRODUCT_TITLE,
    "Download more software from " MAKER_NAME " - " MAKER_CATALOGUE_URL,
    OTHER_PRODUCT4_NAME ": keep a log of every call - " OTHER_PRODUCT4_URL,
    OTHER_PRODUCT5_NAME ": take messages while you are away - " OTHER_PRODUCT5_URL,
    PRODUCT_TITLE,
    OTHER_PRODUCT8_NAME ": all your contacts in one place - " OTHER_PRODUCT8_URL,
    "More phone related software to download at " MAKER_CATALOGUE_URL,
    nullptr,
};

const char* const kWebLinks[IDM_WEB_MAKER_HOME - IDM_WEB_HOME + 1] = {
    PRODUCT_HOME_URL,   PRODUCT_SUPPORT_URL, OTHER_PRODUCT1_URL,  OTHER_PRODUCT2_URL,
    OTHER_PRODUCT3_URL, OTHER_PRODUCT4_URL,  OTHER_PRODUCT5_URL,  OTHER_PRODUCT6_URL,
    OTHER_PRODUCT7_URL, OTHER_PRODUCT8_URL,  MAKER_CATALOGUE_URL, MAKER_CATALOGUE_URL,
};

} // namespace

const char* StatusText(int index) {
    return index >= 0 && index < kStatusTextCount ? kStatusTexts[index] : nullptr;
}

const char* NextStatusText(int* statusIndex) {
    if (StatusText(*statusIndex) == nullptr) *statusIndex = 0;
    return kStatusTexts[(*statusIndex)++];
}

const char* StatusLinkAddress() {
    return MAKER_CATALOGUE_URL;
}

const char* WebLinkAddress(int commandId) {
    if (commandId < IDM_WEB_HOME || commandId > IDM_WEB_MAKER_HOME) return nullptr;
    return kWebLinks[commandId - IDM_WEB_HOME];
}

} // namespace statustexts
