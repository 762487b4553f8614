// The product's and the maker's texts, shared by qmark.rc and the code (plain string macros, so
// that the resource compiler can use them too).
#pragma once

#define PRODUCT_NAME "Quillmark"
#define PRODUCT_TITLE "Quillmark v 1.01"
#define MAKER_NAME "Velmora"
#define MAKER_HOME_URL "https://velmora.example/"
#define MAKER_MAIL "support@velmora.example"
// One line, short enough for the progress window's two-line notice.
#define MAKER_NOTICE "\xA9 Velmora. All rights reserved."

#define PRODUCT_HOME_URL "https://velmora.example/quillmark/"
#define PRODUCT_SUPPORT_URL "https://velmora.example/quillmark/support/"
#define MAKER_CATALOGUE_URL "https://velmora.example/software/"

// The maker's other products, in the order of menu items 2004 to 2011.
#define OTHER_PRODUCT1_NAME "Dialwise Phone Dialer"
#define OTHER_PRODUCT1_URL "https://velmora.example/dialwise/"
#define OTHER_PRODUCT2_NAME "Callkeeper Caller ID"
#define OTHER_PRODUCT2_URL "https://velmora.example/callkeeper/"
#define OTHER_PRODUCT3_NAME "Faxbridge Fax Sender"
#define OTHER_PRODUCT3_URL "https://velmora.example/faxbridge/"
#define OTHER_PRODUCT4_NAME "Linetally Call Logger"
#define OTHER_PRODUCT4_URL "https://velmora.example/linetally/"
#define OTHER_PRODUCT5_NAME "Voicebox Answering Machine"
#define OTHER_PRODUCT5_URL "https://velmora.example/voicebox/"
#define OTHER_PRODUCT6_NAME "Ringroute Call Forwarder"
#define OTHER_PRODUCT6_URL "https://velmora.example/ringroute/"
#define OTHER_PRODUCT7_NAME "Textpost SMS Sender"
#define OTHER_PRODUCT7_URL "https://velmora.example/textpost/"
#define OTHER_PRODUCT8_NAME "Contactly Address Book"
#define OTHER_PRODUCT8_URL "https://velmora.example/contactly/"
