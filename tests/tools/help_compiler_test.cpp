// The help compiler, checked on its own output by the independent reader of hlp_reader.cpp.
#include "help_file.h"
#include "help_source.h"
#include "hlp_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Compiles source and reads the result back; failures are reported by the EXPECTs.
hlptest::HelpContents CompileAndRead(const std::string& source) {
    helpc::Document document;
    std::string error;
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(helpc::ParseHelpSource(source, "test.hlpsrc", &document, &error)) << error;
    EXPECT_TRUE(helpc::BuildHelpFile(document, &bytes, &error)) << error;
    hlptest::HelpContents help;
    EXPECT_TRUE(hlptest::ReadHelpFile(bytes, &help, &error)) << error;
    return help;
}

std::string TitleOf(const hlptest::HelpContents& help, uint32_t offset) {
    const hlptest::ReadTopic* topic = hlptest::TopicAt(help, offset);
    return topic == nullptr ? "<none>" : topic->title;
}

std::string TitleOfContext(const hlptest::HelpContents& help, const std::string& name) {
    uint32_t offset = 0;
    if (!hlptest::LookupContext(help, hlptest::HashOf(name), &offset)) return "<not found>";
    return TitleOf(help, offset);
}

TEST(HelpCompiler, ShippedHelpOpensAtContentsAndAtBothDialogContexts) {
    const std::string source = ReadText(QMARK_HELP_SOURCE);
    hlptest::HelpContents help = CompileAndRead(source);

    EXPECT_EQ((std::vector<std::string>{"|CONTEXT", "|CTXOMAP", "|FONT", "|SYSTEM", "|TOPIC",
                                        "|TTLBTREE"}),
              help.files);
    EXPECT_EQ(21u, help.version);
    EXPECT_EQ("Quillmark Help", help.title);
    EXPECT_EQ("Quillmark Help", TitleOf(help, help.contentsOffset));
    EXPECT_EQ("Diary Properties", TitleOf(help, help.contextNumbers[102]));
    EXPECT_EQ("Book Properties", TitleOf(help, help.contextNumbers[103]));
    EXPECT_GE(help.fonts, 4u);

    // Every ".topic NAME TITLE" of the source is in the file, in order, and found by its name.
    std::istringstream lines(source);
    std::string line;
    size_t index = 0;
    while (std::getline(lines, line)) {
        if (line.rfind(".topic ", 0) != 0) continue;
        std::istringstream words(line.substr(7));
        std::string name, title;
        words >> name;
        std::getline(words >> std::ws, title);
        ASSERT_LT(index, help.topics.size());
        EXPECT_EQ(title, help.topics[index].title);
        EXPECT_EQ(title, TitleOfContext(help, name)) << name;
        ++index;
    }
    EXPECT_EQ(index, help.topics.size());
    EXPECT_GE(index, 10u);

    // Every jump lands on a topic, and the title tree lists each topic at its offset.
    for (const hlptest::ReadTopic& topic : help.topics) {
        for (uint32_t hash : topic.links) {
            uint32_t offset = 0;
            EXPECT_TRUE(hlptest::LookupContext(help, hash, &offset)) << topic.title;
        }
    }
    ASSERT_EQ(help.topics.size(), help.titles.size());
    for (size_t i = 0; i < help.topics.size(); ++i) {
        EXPECT_EQ(help.topics[i].offset, help.titles[i].first);
        EXPECT_EQ(help.topics[i].title, help.titles[i].second);
    }

    // The contents topic leads to every other topic.
    const hlptest::ReadTopic* contents = hlptest::TopicAt(help, help.contentsOffset);
    ASSERT_NE(nullptr, contents);
    std::vector<std::string> reached;
    for (uint32_t hash : contents->links) {
        uint32_t offset = 0;
        if (hlptest::LookupContext(help, hash, &offset)) reached.push_back(TitleOf(help, offset));
    }
    for (const hlptest::ReadTopic& topic : help.topics) {
        if (&topic != contents) {
            EXPECT_NE(reached.end(), std::find(reached.begin(), reached.end(), topic.title))
                << topic.title;
        }
    }
}

TEST(HelpCompiler, TextFormattingAndEscapesSurviveTheRoundTrip) {
    hlptest::HelpContents help = CompileAndRead(".title T\n.contents a\n"
                                                ".topic a First\n"
                                                "plain *bold* \\\\ \\* \\[ \\] \\| [jump|b]\n"
                                                "joined line\n\n"
                                                "- item one\n"
                                                ".heading Head\n"
                                                ".topic b Second\n.map 7\nx\n");
    ASSERT_EQ(2u, help.topics.size());
    EXPECT_EQ("First\nplain bold \\ * [ ] | jump joined line\n\x95 item one\nHead\n",
              help.topics[0].text);
    ASSERT_EQ(1u, help.topics[0].links.size());
    EXPECT_EQ(hlptest::HashOf("b"), help.topics[0].links[0]);
    EXPECT_EQ("Second", TitleOf(help, help.contextNumbers[7]));
    EXPECT_EQ("Second", TitleOfContext(help, "b"));
    EXPECT_LT(help.topics[0].offset, help.topics[1].offset);
}

TEST(HelpCompiler, ManyLongTopicsSpanBlocksAndIndexPages) {
    // 300 topics of about 1.3 KB: records straddle the 4 KB topic blocks and the context tree
    // needs more than one leaf page under an index page.
    std::string source = ".title Big\n.contents t0\n";
    const std::string filler(400, 'x');
    for (int i = 0; i < 300; ++i) {
        std::string n = std::to_string(i);
        source += ".topic t" + n + " Topic " + n + "\n.map " + std::to_string(5000 + i) + "\n";
        source += "start-" + n + " " + filler + "\n\n" + filler + "\n\n" + filler + " [next|t" +
                  std::to_string((i + 1) % 300) + "] end-" + n + "\n";
    }
    hlptest::HelpContents help = CompileAndRead(source);
    ASSERT_EQ(300u, help.topics.size());
    for (int i = 0; i < 300; ++i) {
        const std::string n = std::to_string(i);
        const hlptest::ReadTopic& topic = help.topics[i];
        EXPECT_EQ("Topic " + n, topic.title);
        EXPECT_EQ(0u, topic.text.find("Topic " + n + "\nstart-" + n + " "));
        EXPECT_NE(std::string::npos, topic.text.find("next end-" + n + "\n")) << n;
        EXPECT_EQ("Topic " + n, TitleOfContext(help, "t" + n));
        EXPECT_EQ("Topic " + n, TitleOf(help, help.contextNumbers[5000 + i]));
        if (i > 0) {
            EXPECT_LT(help.topics[i - 1].offset, topic.offset);
        }
    }
    EXPECT_EQ("Topic 0", TitleOf(help, help.contentsOffset));
}

struct BadSource {
    const char* text;
    const char* where; // expected "test.hlpsrc:LINE: " prefix
    const char* what;  // part of the message
};

TEST(HelpSource, MalformedSourceIsReportedWithItsLine) {
    const BadSource cases[] = {
        {".title T\n.contents a\n.topic a A\n.bogus x\n", ":4: ", "unknown directive '.bogus'"},
        {".title T\n.contents a\n.topic a A\n\n.topic a Again\n", ":5: ", "duplicate context 'a'"},
        {".title T\n.contents a\n.topic a A\n.topic A Again\n",
         ":4: ", "context 'A' has the same hash as 'a'"},
        {".title T\n.contents a\n.topic a\n", ":3: ", "has no title"},
        {".title T\n.topic a A\ntext\n", ":1: ", "missing .contents"},
        {".title T\n.contents zz\n.topic a A\n", ":2: ", "contents topic 'zz' does not exist"},
        {".contents a\n.topic a A\n", ":1: ", "missing .title"},
        {".title T\n.contents a\n.topic a A\nsee\n[this|nowhere]\n",
         ":5: ", "link to unknown context 'nowhere'"},
        {".title T\n.contents a\n.topic a A\nsome *bold\nstill\n", ":4: ", "unterminated bold"},
        {".title T\n.contents a\nloose text\n", ":3: ", "text outside a topic"},
        {".title T\n.contents a\n.topic a A\n.map 5\n.topic b B\n.map 5\n",
         ":6: ", "already mapped on line 4"},
        {".title T\n.contents a\n.topic a A\ncaf\xc3\xa9\n", ":4: ", "non-ASCII"},
        {".title T\n.contents a\n.topic a-b A\n", ":3: ", "may hold only letters"},
        {".title T\n.contents a\n.topic a A\nend [here|a\n", ":4: ", "unterminated link"},
    };
    for (const BadSource& c : cases) {
        helpc::Document document;
        std::string error;
        EXPECT_FALSE(helpc::ParseHelpSource(c.text, "test.hlpsrc", &document, &error)) << c.text;
        EXPECT_EQ(0u, error.find(std::string("test.hlpsrc") + c.where)) << error;
        EXPECT_NE(std::string::npos, error.find(c.what)) << error;
    }
}

int RunCompiler(const std::string& source, const std::string& output, std::string* messages) {
    const std::string command =
        std::string(QMARK_HELPC) + " '" + source + "' '" + output + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return -1;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        *messages += buffer;
    return pclose(pipe);
}

TEST(HelpCompilerTool, MalformedSourceLeavesTheOutputAlone) {
    const std::string dir = testing::TempDir();
    const std::string bad = dir + "bad.hlpsrc", good = dir + "good.hlpsrc";
    const std::string output = dir + "out.hlp";
    std::ofstream(bad) << ".title T\n.contents a\n.topic a\n";
    std::ofstream(good) << ".title T\n.contents a\n.topic a A\ntext\n";
    std::ofstream(output) << "old";

    std::string messages;
    EXPECT_NE(0, RunCompiler(bad, output, &messages));
    EXPECT_EQ(bad + ":3: topic 'a' has no title\n", messages);
    EXPECT_EQ("old", ReadText(output));
    EXPECT_EQ("", ReadText(output + ".tmp"));

    messages.clear();
    EXPECT_EQ(0, RunCompiler(good, output, &messages)) << messages;
    const std::string written = ReadText(output);
    hlptest::HelpContents help;
    std::string error;
    EXPECT_TRUE(
        hlptest::ReadHelpFile(std::vector<uint8_t>(written.begin(), written.end()), &help, &error))
        << error;
    EXPECT_EQ("T", help.title);
    std::remove(bad.c_str());
    std::remove(good.c_str());
    std::remove(output.c_str());
}

} // namespace
