// What the program relies on from the file service, run against every implementation.
#include "contract/FilesUnderTest.h"

#include <algorithm>
#include <vector>

namespace {

// A folder of the test's own with its parent, made by the service and emptied afterwards.
class Folder {
public:
    Folder(platform::Files& files, const FilesUnderTest& side)
        : files_(files), side_(side), parent_(side.newFolder()), path_(parent_ + "\\Sicher") {}
    ~Folder() {
        for (const std::string& name : files_.List(path_, "*")) {
            files_.Delete(path_ + "\\" + name);
        }
        side_.removeFolder(path_);
        side_.removeFolder(parent_);
    }
    const std::string& Path() const { return path_; }
    std::vector<std::string> Names(const std::string& pattern = "*") const {
        std::vector<std::string> names = files_.List(path_, pattern);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    platform::Files& files_;
    const FilesUnderTest& side_;
    std::string parent_;
    std::string path_;
};

} // namespace

TEST_P(FilesContract, AFolderIsMadeWithItsParentsAndFilesAreListedByPattern) {
    const auto files = GetParam().make();
    Folder folder(*files, GetParam());
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(files->CreateFolder(folder.Path()), 0u) << "round " << round;
    }
    for (const char* name : {"Makros 1.reg", "Makros 2.reg", "Makros.txt", "andere.reg"}) {
        ASSERT_EQ(files->WriteReplacing(folder.Path() + "\\" + name, name), 0u) << name;
    }
    EXPECT_EQ(folder.Names("Makros *.reg"),
              (std::vector<std::string>{"Makros 1.reg", "Makros 2.reg"}));
    EXPECT_TRUE(files->Exists(folder.Path() + "\\andere.reg"));
    EXPECT_FALSE(files->Exists(folder.Path()));
    EXPECT_TRUE(files->Delete(folder.Path() + "\\andere.reg"));
    EXPECT_FALSE(files->Delete(folder.Path() + "\\andere.reg"));
    EXPECT_FALSE(files->Exists(folder.Path() + "\\andere.reg"));
}

TEST_P(FilesContract, AWriteReplacesTheFileWholeAndLeavesNothingElseInItsFolder) {
    const auto files = GetParam().make();
    Folder folder(*files, GetParam());
    ASSERT_EQ(files->CreateFolder(folder.Path()), 0u);
    const std::string path = folder.Path() + "\\Tastor32 Makros.reg";
    for (const std::string& bytes :
         {std::string("REGEDIT4\r\n\r\nalt"), std::string("neu\0\xFC", 5), std::string()}) {
        EXPECT_EQ(files->WriteReplacing(path, bytes), 0u);
        EXPECT_EQ(GetParam().read(*files, path), bytes);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"Tastor32 Makros.reg"});
    }
}

TEST_P(FilesContract, AWriteThatFailsLeavesWhatWasThereAndSaysWhy) {
    const auto files = GetParam().make();
    Folder folder(*files, GetParam());
    ASSERT_EQ(files->CreateFolder(folder.Path() + "\\Ordner"), 0u);
    const std::string earlier = folder.Path() + "\\alt.reg";
    ASSERT_EQ(files->WriteReplacing(earlier, "vorher"), 0u);
    struct Case {
        const char* what;
        std::string path;
    } cases[] = {
        {"a folder that is missing", folder.Path() + "\\fehlt\\neu.reg"},
        {"a folder in the place of the file", folder.Path() + "\\Ordner"},
    };
    for (const auto& c : cases) {
        const std::uint32_t error = files->WriteReplacing(c.path, "neu");
        EXPECT_NE(error, 0u) << c.what;
        EXPECT_FALSE(files->ErrorText(error).empty()) << c.what;
        EXPECT_FALSE(files->Exists(c.path)) << c.what;
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"alt.reg"}) << c.what;
        EXPECT_EQ(GetParam().read(*files, earlier), "vorher") << c.what;
    }
    files->Delete(earlier);
    GetParam().removeFolder(folder.Path() + "\\Ordner");
}
