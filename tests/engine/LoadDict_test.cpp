#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/LoadDict.h"
#include "engine/ReplaceSynonyms.h"

using namespace rewrix::engine;
namespace fs = std::filesystem;

namespace {

class LoadDictTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/rewrix-dict-XXXXXX";
        dir_ = mkdtemp(tmpl);
    }
    void TearDown() override { fs::remove_all(dir_); }

    DictTable Load(const std::string& bytes) {
        fs::path p = dir_ / "dict.dict";
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
        return LoadDict(p);
    }

    fs::path dir_;
};

using Entries = std::vector<std::pair<std::u16string, std::u16string>>;

Entries EntriesOf(const DictTable& table) {
    Entries out;
    for (int32_t i = 0; i < table.Count(); ++i) {
        out.emplace_back(table.Word(i), table.Replacement(i));
    }
    return out;
}

} // namespace

TEST_F(LoadDictTest, LinesBecomeEntriesExactlyAsWritten) {
    struct Case {
        std::string file;
        Entries entries;
    } cases[] = {
        {"A|B\r\nC|D\r\n", {{u"A", u"B"}, {u"C", u"D"}}},
        {"\r\n\r\nA|B", {{u"A", u"B"}}},
        {"A|B\r\n\r\nC|D", {{u"A", u"B"}, {u"", u""}, {u"C", u"D"}}},
        {"A|B|C", {{u"A", u"B"}}},
        {"A", {{u"A", u""}}},
        {"|B", {{u"", u"B"}}},
        {"A | B", {{u"A ", u" B"}}},
        {"A|B\r\nA|C", {{u"A", u"B"}, {u"A", u"C"}}},
        {"A|B\n\r\nC|D\r", {{u"A", u"B\n"}, {u"C", u"D\r"}}}, // lone LF, lone CR
        {"A|B\nC|D", {{u"A", u"B\nC"}}},                      // a lone LF ends no line
        {"\xCD\xB7\xB7\xA2|\xCD\xB7\xC3\xAB\r\n", {{u"头发", u"头毛"}}},
        {"\xFF|A\x81", {{u"\uFFFD", u"A\uFFFD"}}}, // undecodable bytes
        {std::string("A\0B|C\r\n", 7), {{std::u16string(u"A\0B", 3), u"C"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EntriesOf(Load(c.file)), c.entries) << c.file;
    }
}

TEST_F(LoadDictTest, UnreadableEmptyOrBlankFilesGiveNoEntries) {
    EXPECT_EQ(Load("").Count(), 0);
    EXPECT_EQ(Load("\r\n\r\n\r\n").Count(), 0);
    EXPECT_EQ(LoadDict(dir_ / "missing.dict").Count(), 0);
    fs::create_directory(dir_ / "folder.dict");
    EXPECT_EQ(LoadDict(dir_ / "folder.dict").Count(), 0);

    NullProgress progress;
    EXPECT_EQ(ReplaceSynonyms(u"头发很长", Load(""), progress), u"头发很长");
}

TEST_F(LoadDictTest, AMillionLinesLoadInOrder) {
    std::string file;
    for (int i = 0; i < 1'000'000; ++i) {
        file += "w" + std::to_string(i) + "|r" + std::to_string(i) + "\r\n";
    }
    DictTable table = Load(file);
    ASSERT_EQ(table.Count(), 1'000'000);
    EXPECT_EQ(table.Word(0), u"w0");
    EXPECT_EQ(table.Replacement(999'999), u"r999999");
}
