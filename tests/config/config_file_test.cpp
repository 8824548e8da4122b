#include "config/config_file.h"
#include "config/file_names.h"
#include "config/os_error.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

class ConfigFileTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return tmp_ / name; }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static ConfigRecord Sample() {
        ConfigRecord r;
        for (std::size_t i = 0; i < 15; ++i) r.Set(i, static_cast<std::uint8_t>(0xA0 + i));
        return r;
    }
    TempDir tmp_{"vt350-files"};
    const fs::path& dir_ = tmp_.path();
};

}  // namespace

TEST_F(ConfigFileTest, SaveThenLoadKeepsAll15BytesAndWritesExactly15) {
    const std::string path = Path("set.qkf");
    ASSERT_TRUE(SaveRecord(path, Sample()).ok());
    EXPECT_EQ(fs::file_size(path), 15u);
    ConfigRecord loaded;
    ASSERT_TRUE(LoadRecord(path, loaded, LoadMode::kWholeRecord).ok());
    EXPECT_EQ(loaded, Sample());
}

TEST_F(ConfigFileTest, SavingOverALongerFileKeepsItsTail) {
    const std::string path = Path("long.qkf");
    Write(path, std::string(20, 'x'));
    ASSERT_TRUE(SaveRecord(path, Sample()).ok());
    const std::string bytes = Read(path);
    ASSERT_EQ(bytes.size(), 20u);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[14]), 0xAE);
    EXPECT_EQ(bytes.substr(15), "xxxxx");
}

TEST_F(ConfigFileTest, LoadingALongerFileUsesTheFirst15Bytes) {
    const std::string path = Path("long.qkf");
    std::string bytes;
    for (int i = 0; i < 20; ++i) bytes += static_cast<char>(i + 1);
    Write(path, bytes);
    ConfigRecord r;
    ASSERT_TRUE(LoadRecord(path, r, LoadMode::kWholeRecord).ok());
    EXPECT_EQ(r.Get(0), 1);
    EXPECT_EQ(r.Get(14), 15);
}

TEST_F(ConfigFileTest, UserOpenRefusesAShortFileAndKeepsTheRecord) {
    const std::string path = Path("short.qkf");
    Write(path, "\x05\x06\x07");
    ConfigRecord r = Sample();
    FileResult result = LoadRecord(path, r, LoadMode::kWholeRecord);
    EXPECT_EQ(result.status, FileStatus::kShort);
    EXPECT_EQ(r, Sample());
    EXPECT_NE(DescribeFileResult(result, path).find("short.qkf"), std::string::npos);
    EXPECT_NE(DescribeFileResult(result, path).find("3 bytes"), std::string::npos);
}

TEST_F(ConfigFileTest, AutosaveLoadFillsMissingBytesWithZero) {
    const std::string path = Path("Data.qkf");
    Write(path, "\x05\x06\x07");
    ConfigRecord r = Sample();
    ASSERT_TRUE(LoadRecord(path, r, LoadMode::kAutosave).ok());
    EXPECT_EQ(r.Get(0), 5);
    EXPECT_EQ(r.Get(2), 7);
    for (std::size_t i = 3; i < 15; ++i) EXPECT_EQ(r.Get(i), 0) << i;

    Write(path, "");
    ASSERT_TRUE(LoadRecord(path, r, LoadMode::kAutosave).ok());
    EXPECT_EQ(r, ConfigRecord{});
}

TEST_F(ConfigFileTest, MissingFileIsReportedAsMissingAndChangesNothing) {
    ConfigRecord r = Sample();
    FileResult result = LoadRecord(Path("none.qkf"), r, LoadMode::kAutosave);
    EXPECT_EQ(result.status, FileStatus::kMissing);
    EXPECT_EQ(r, Sample());
}

TEST_F(ConfigFileTest, AFolderCannotBeLoadedOrSaved) {
    const std::string path = Path("folder.qkf");
    fs::create_directory(path);
    ConfigRecord r = Sample();
    FileResult load = LoadRecord(path, r, LoadMode::kWholeRecord);
    EXPECT_FALSE(load.ok());
    EXPECT_NE(load.osError, 0);
    EXPECT_EQ(r, Sample());
    FileResult save = SaveRecord(path, r);
    EXPECT_EQ(save.status, FileStatus::kOpenFailed);
    EXPECT_NE(DescribeFileResult(save, path).find("folder.qkf"), std::string::npos);
}

TEST_F(ConfigFileTest, NoRightsIsAnErrorWithTheOsCode) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no mode bits to take the rights away with";
#else
    if (geteuid() == 0) GTEST_SKIP() << "root reads and writes every file";
#endif
    const std::string path = Path("locked.qkf");
    Write(path, std::string(15, '\1'));
    fs::permissions(path, fs::perms::none);
    ConfigRecord r;
    EXPECT_EQ(LoadRecord(path, r, LoadMode::kWholeRecord).osError, EACCES);
    EXPECT_EQ(SaveRecord(path, r).status, FileStatus::kOpenFailed);
}

// The window's "Errorcode = [N]" numbers an error as the system does: 5 on Windows for a
// read-only file (ERROR_ACCESS_DENIED), not the C runtime's 13.
TEST_F(ConfigFileTest, AReadOnlyFileIsRefusedWithTheSystemsOwnCode) {
#ifndef _WIN32
    if (geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
#endif
    const std::string path = Path("kept.qkf");
    Write(path, std::string(15, '\1'));
    fs::permissions(path, fs::perms::owner_read, fs::perm_options::replace);
    const FileResult saved = SaveRecord(path, Sample());
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_FALSE(saved.ok());
#ifdef _WIN32
    EXPECT_EQ(SystemErrorCode(saved.osError), 5);
#else
    EXPECT_EQ(SystemErrorCode(saved.osError), EACCES);
#endif
}

#ifdef _WIN32
TEST(SystemErrorText, IsWindowsOwnMessageForAWindowsCode) {
    // 31 is ERROR_GEN_FAILURE, a replugged controller's answer; read as an errno it would
    // say "Too many links".
    const std::string text = SystemErrorText(31);
    EXPECT_NE(text.find(", Windows error 31"), std::string::npos) << text;
    EXPECT_EQ(text.find("links"), std::string::npos) << text;
    EXPECT_NE(text.back(), '\n');
}
#endif

TEST_F(ConfigFileTest, FullDiskIsAWriteError) {
    if (!fs::exists("/dev/full")) GTEST_SKIP();
    FileResult result = SaveRecord("/dev/full", Sample());
    EXPECT_EQ(result.status, FileStatus::kWriteFailed);
    EXPECT_EQ(result.osError, ENOSPC);
}

TEST_F(ConfigFileTest, AutosaveLivesBesideAPortableCopyOrABuildTree) {
    // Unmarked: beside a build tree on POSIX; on Windows a folder of one's own is where an
    // installer may have put the program, so the user's data folder.
#ifdef _WIN32
    EXPECT_EQ(AutosavePath(dir_.string(), Path("user")), JoinPath(Path("user"), "Data.qkf"));
#else
    EXPECT_EQ(fs::path(AutosavePath(dir_.string(), Path("user"))).lexically_normal(),
              fs::path(Path("Data.qkf")).lexically_normal());
#endif
    // Marked portable: beside the programs everywhere, with one kind of separator.
    std::ofstream(Path(kPortableMarker)) << "portable\n";
    EXPECT_TRUE(IsPortableCopy(dir_.string()));
    EXPECT_EQ(AutosavePath(dir_.string(), Path("user")), JoinPath(dir_.string(), "Data.qkf"));
}

TEST_F(ConfigFileTest, AutosaveMovesToTheUserFolderWhenTheProgramFolderIsNotWritable) {
    // A folder that cannot be written (here: one that is not there, which holds for root
    // too) sends the autosave file to the user's data folder, created on demand.
    EXPECT_EQ(fs::path(AutosavePath(Path("no-such-bin"), Path("user"))).lexically_normal(),
              fs::path(Path("user") + "/Data.qkf").lexically_normal());
    EXPECT_TRUE(fs::is_directory(Path("user")));
}

TEST_F(ConfigFileTest, AnInstalledProgramNeverWritesBesideItself) {
#ifdef _WIN32
    const char* programs = std::getenv("ProgramFiles");
    ASSERT_NE(programs, nullptr);
    const std::vector<std::string> installed = {std::string(programs) + "\\vt350-config"};
    const std::vector<std::string> own = {"C:\\Tools\\vt350-config", dir_.string(),
                                          std::string(programs) + " Portable\\vt350"};
#else
    // /usr/bin is writable for root, and still not used.
    const std::vector<std::string> installed = {"/usr/bin", "/usr/local/bin", "/bin",
                                                "/usr/lib/vt350"};
    const std::vector<std::string> own = {"/opt/vt350-config", "/home/tech/vt350", dir_.string(),
                                          "/usrlocal/bin", "/binaries"};
#endif
    for (const std::string& folder : installed) {
        EXPECT_TRUE(IsSharedProgramFolder(folder)) << folder;
        EXPECT_EQ(AutosavePath(folder, Path("user")), JoinPath(Path("user"), "Data.qkf"));
    }
    for (const std::string& folder : own) EXPECT_FALSE(IsSharedProgramFolder(folder)) << folder;
}
