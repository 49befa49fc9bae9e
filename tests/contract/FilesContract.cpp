// What the program relies on from the file service, run against every implementation.
#include "contract/FilesUnderTest.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

// A folder of the test's own with its parent, made by the service and emptied afterwards.
class Folder {
public:
    Folder(platform::Files& files, const FilesUnderTest& side)
        : files_(files), side_(side), parent_(side.newFolder()), path_(parent_ + u"\\Sicher") {}
    ~Folder() {
        for (const std::u16string& name : files_.List(path_, u"*")) {
            files_.Delete(path_ + u"\\" + name);
        }
        side_.removeFolder(path_);
        side_.removeFolder(parent_);
    }
    std::u16string Path(const std::u16string& name = {}) const {
        return name.empty() ? path_ : path_ + u"\\" + name;
    }
    std::vector<std::u16string> Names(const std::u16string& pattern = u"*") const {
        std::vector<std::u16string> names = files_.List(path_, pattern);
        std::sort(names.begin(), names.end());
        return names;
    }
    std::optional<std::string> Content(const std::u16string& name) const {
        std::string bytes;
        return files_.Read(Path(name), bytes, SIZE_MAX) == 0 ? std::optional(bytes) : std::nullopt;
    }

private:
    platform::Files& files_;
    const FilesUnderTest& side_;
    std::u16string parent_;
    std::u16string path_;
};

} // namespace

TEST_P(FilesContract, AFolderIsMadeWithItsParentsAndFilesAreListedByPattern) {
    const auto files = GetParam().make();
    Folder folder(*files, GetParam());
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(files->CreateFolder(folder.Path()), 0u) << "round " << round;
    }
    for (const char16_t* name : {u"Makros 1.reg", u"Makros 2.reg", u"Makros.txt", u"andere.reg"}) {
        ASSERT_EQ(files->WriteReplacing(folder.Path(name), "x"), 0u);
    }
    EXPECT_EQ(folder.Names(u"Makros *.reg"),
              (std::vector<std::u16string>{u"Makros 1.reg", u"Makros 2.reg"}));
    EXPECT_TRUE(files->Exists(folder.Path(u"andere.reg")));
    EXPECT_FALSE(files->Exists(folder.Path()));
    EXPECT_TRUE(files->Delete(folder.Path(u"andere.reg")));
    EXPECT_FALSE(files->Delete(folder.Path(u"andere.reg")));
    EXPECT_FALSE(files->Exists(folder.Path(u"andere.reg")));
}

TEST_P(FilesContract, AWriteReplacesTheFileWholeAndLeavesNothingElseInItsFolder) {
    const auto files = GetParam().make();
    Folder folder(*files, GetParam());
    ASSERT_EQ(files->CreateFolder(folder.Path()), 0u);
    const std::u16string name = u"Tastor32 Makros.reg";
    for (const std::string& bytes :
         {std::string("REGEDIT4\r\n\r\nalt"), std::string("neu\0\xFC", 5), std::string()}) {
        EXPECT_EQ(files->WriteReplacing(folder.Path(name), bytes), 0u);
        EXPECT_EQ(folder.Content(name), bytes);
        EXPECT_EQ(folder.Names(), std::vector<std::u16string>{name});
    }
}

TEST_P(FilesContract, AWriteThatFailsLeavesWhatWasThereAndSaysWhy) {
    const auto files = GetParam().make();
    Folder folder(*files, GetParam());
    ASSERT_EQ(files->CreateFolder(folder.Path(u"Ordner")), 0u);
    ASSERT_EQ(files->WriteReplacing(folder.Path(u"alt.reg"), "vorher"), 0u);
    struct Case {
        const char* what;
        std::u16string path;
    } cases[] = {
        {"a folder that is missing", folder.Path(u"fehlt\\neu.reg")},
        {"a folder in the place of the file", folder.Path(u"Ordner")},
    };
    for (const auto& c : cases) {
        const std::uint32_t error = files->WriteReplacing(c.path, "neu");
        EXPECT_NE(error, 0u) << c.what;
        EXPECT_FALSE(files->ErrorText(error).empty()) << c.what;
        EXPECT_FALSE(files->Exists(c.path)) << c.what;
        EXPECT_EQ(folder.Names(), std::vector<std::u16string>{u"alt.reg"}) << c.what;
        EXPECT_EQ(folder.Content(u"alt.reg"), "vorher") << c.what;
    }
    std::string bytes;
    EXPECT_NE(files->Read(folder.Path(u"fehlt.reg"), bytes, SIZE_MAX), 0u);
    // A file larger than the reader takes is not read at all.
    EXPECT_EQ(files->Read(folder.Path(u"alt.reg"), bytes, 5), platform::kFileTooLarge);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(files->Read(folder.Path(u"alt.reg"), bytes, 6), 0u);
    EXPECT_EQ(bytes, "vorher");
    GetParam().removeFolder(folder.Path(u"Ordner"));
}
