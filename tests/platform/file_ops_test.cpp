#include "platform/FileOps.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace {

namespace fs = std::filesystem;

struct Folder {
    fs::path path;
    Folder() {
        std::random_device random;
        do path = fs::temp_directory_path() / ("quibnote-fileops-" + std::to_string(random()));
        while (!fs::create_directory(path));
    }
    ~Folder() {
        std::error_code ec;
        fs::permissions(path / "QNhForms.dta", fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
};

} // namespace

// The atomic rename would replace a read-only file with a writable one: it is refused, with
// the file and its protection left as they were.
TEST(FileOps, AReadOnlyFileIsNotReplaced) {
    const Folder folder;
    const std::string file = (folder.path / "QNhForms.dta").string();
    ASSERT_TRUE(WriteFileAtomically(file, "before").ok);
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const FileStatus written = WriteFileAtomically(file, "after");
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.error.find("read-only"), std::string::npos) << written.error;
    EXPECT_EQ(ReadWholeFile(file), "before");
    EXPECT_FALSE(CopyFileAtomically(file, file).ok);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_FALSE(fs::exists(file + ".new"));
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(WriteFileAtomically(file, "after").ok);
    EXPECT_EQ(ReadWholeFile(file), "after");
}
