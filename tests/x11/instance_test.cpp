#include "platform/x11/Autostart.h"
#include "platform/x11/Processes.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace {

TEST(Processes, NamesOfOneDisplayShareItsLock) {
    EXPECT_EQ(NormalDisplayName(":72.0"), ":72");
    EXPECT_EQ(NormalDisplayName("unix:72.1"), ":72");
    EXPECT_EQ(NormalDisplayName("host.example:3.0"), "host.example:3");
    EXPECT_EQ(InstanceLockPath(":72"), InstanceLockPath(":72.0"));
    EXPECT_NE(InstanceLockPath(":72"), InstanceLockPath(":73"));
    // A TCP connection to localhost may reach another server (ssh's X forwarding).
    EXPECT_NE(InstanceLockPath(":72"), InstanceLockPath("localhost:72"));
}

struct ConfigHome {
    fs::path path;
    std::string before;
    bool had = false;
    ConfigHome() {
        std::string pattern = (fs::temp_directory_path() / "quibnote-config-XXXXXX").string();
        path = mkdtemp(pattern.data());
        if (const char* v = std::getenv("XDG_CONFIG_HOME")) {
            had = true;
            before = v;
        }
        setenv("XDG_CONFIG_HOME", path.c_str(), 1);
    }
    ~ConfigHome() {
        if (had)
            setenv("XDG_CONFIG_HOME", before.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(path);
    }
};

TEST(Autostart, TheEntryIsMadeInTheConfigFolderAndRemovedAgain) {
    ConfigHome home;
    const fs::path entry = home.path / "autostart" / "quibnote.desktop";
    EXPECT_EQ(AutostartEntryPath(), entry.string());
    ASSERT_TRUE(SetAutostartEntry(true).ok);
    std::ifstream in(entry);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(text.find("Exec=\"" + fs::read_symlink("/proc/self/exe").string() + "\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Icon=quibnote\n"), std::string::npos);
    ASSERT_TRUE(SetAutostartEntry(false).ok);
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_TRUE(SetAutostartEntry(false).ok); // already gone
}

TEST(Autostart, TheProgramsPathIsQuotedAsDesktopEntriesRequire) {
    EXPECT_NE(AutostartEntry("/opt/my apps/quibnote").find("Exec=\"/opt/my apps/quibnote\"\n"),
              std::string::npos);
    EXPECT_NE(AutostartEntry("/a$b%c\"d\\e").find("Exec=\"/a\\\\$b%%c\\\\\"d\\\\\\\\e\"\n"),
              std::string::npos)
        << AutostartEntry("/a$b%c\"d\\e");
}

} // namespace
