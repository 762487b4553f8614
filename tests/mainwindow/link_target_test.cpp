// Which clicked links open without a question.
#include "mainwindow/link_target.h"

#include <gtest/gtest.h>

namespace {

TEST(LinkTarget, OnlyWebAndMailSchemesOpenWithoutAQuestion) {
    for (const char* target : {"http://velmora.example/", "HTTPS://velmora.example/a?b=c",
                               "ftp://files.example/x.zip", "mailto:someone@velmora.example",
                               "Http:x"})
        EXPECT_TRUE(IsWebOrMailLink(target)) << target;
    for (const char* target :
         {"file:///C:/Windows/System32/calc.exe", "FILE://server/share/run.bat",
          "ms-settings:", "telnet://host", "news:group", "httpx://a", "http", "https//a",
          "C:\\Windows\\notepad.exe", "www.velmora.example", "", " http://a", "mailto"})
        EXPECT_FALSE(IsWebOrMailLink(target)) << target;
}

} // namespace
