// Saves are atomic: whatever fails part-way, the old file stays byte for byte and nothing
// else is left in its folder.
#include "config/file_replace.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "config/config_file.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const std::string& path) {
    return FileBytes(path);
}

void Write(const std::string& path, const std::string& bytes) {
    PutFileBytes(path, bytes);
}

// Lets `budget` bytes through, then fails as a full disk does.
std::size_t budget = 0;
ssize_t LimitedWrite(int fd, const void* data, std::size_t size) {
    if (budget == 0) {
        errno = ENOSPC;
        return -1;
    }
    const std::size_t n = std::min(size, budget);
    budget -= n;
    return ::write(fd, data, n);
}
int FailingFsync(int) {
    errno = EIO;
    return -1;
}
int FailingRename(const char*, const char*) {
    errno = EXDEV;
    return -1;
}

class FileReplaceTest : public ::testing::Test {
  protected:
    void TearDown() override { ReplaceCalls() = saved_; }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(tmp_.path())) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static ConfigRecord NewSet() { return RecordOf({9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}); }

    FileReplaceCalls saved_ = ReplaceCalls();
    TempDir tmp_{"vt350-replace"};
    const std::string old_ = std::string(
        "\x0f\x1e\x87\x6e\x19\x01\x00\x00\x01\x00\x80\x00\x00"
        "\x00\x00TAIL",
        19);
};

}  // namespace

TEST_F(FileReplaceTest, AWriteFailingAfterAnyByteLeavesTheOldFileAndNothingElse) {
    const std::string path = tmp_ / "set.qkf";
    for (std::size_t after = 0; after < old_.size(); ++after) {
        Write(path, old_);
        ReplaceCalls().write = LimitedWrite;
        budget = after;
        const FileResult result = SaveRecord(path, NewSet());
        ReplaceCalls() = saved_;
        EXPECT_EQ(result.status, FileStatus::kWriteFailed) << after;
        EXPECT_EQ(result.osError, ENOSPC);
        EXPECT_EQ(Read(path), old_) << "after " << after << " bytes";
        EXPECT_EQ(Entries(), std::vector<std::string>{"set.qkf"}) << "no temporary file";
    }
}

TEST_F(FileReplaceTest, AFailedFlushOrRenameLeavesTheOldFile) {
    const std::string path = tmp_ / "set.qkf";
    for (auto fail : {+[](FileReplaceCalls& c) { c.fsync = FailingFsync; },
                      +[](FileReplaceCalls& c) { c.rename = FailingRename; }}) {
        Write(path, old_);
        fail(ReplaceCalls());
        EXPECT_FALSE(SaveRecord(path, NewSet()).ok());
        ReplaceCalls() = saved_;
        EXPECT_EQ(Read(path), old_);
        EXPECT_EQ(Entries(), std::vector<std::string>{"set.qkf"});
    }
}

TEST_F(FileReplaceTest, ANewFileThatCannotBeWrittenLeavesNoFileAtAll) {
    const std::string path = tmp_ / "new.qkf";
    ReplaceCalls().write = LimitedWrite;
    budget = 7;
    EXPECT_FALSE(SaveRecord(path, NewSet()).ok());
    EXPECT_TRUE(Entries().empty());
}

TEST_F(FileReplaceTest, KeepsTheTailTheModeAndALinkAsALink) {
    const std::string target = tmp_ / "target.qkf";
    const std::string link = tmp_ / "link.qkf";
    Write(target, old_);
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("target.qkf", link);
    ASSERT_TRUE(SaveRecord(link, NewSet()).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(target), std::string(15, '\x09') + "TAIL");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"link.qkf", "target.qkf"}));
}

TEST_F(FileReplaceTest, ANewFileGetsTheUsualModeForItsCreator) {
    const mode_t mask = umask(022);
    const std::string path = tmp_ / "fresh.qkf";
    ASSERT_TRUE(SaveRecord(path, NewSet()).ok());
    umask(mask);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(FileReplaceTest, AReadOnlyFileIsRefusedAsOpeningItForWritingWouldBe) {
    // Run as an ordinary user: root may write any file, so the test drops to "nobody"
    // in a child when it runs as root. The folder is the user's own and writable, so only
    // the file's own mode can stop the save.
    const std::string path = tmp_ / "locked.qkf";
    Write(path, old_);
    ::chmod(path.c_str(), 0444);
    const bool asRoot = geteuid() == 0;
    if (asRoot) {
        ASSERT_EQ(::chown(tmp_.path().c_str(), 65534, 65534), 0);
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    auto attempt = [&] {
        const FileResult result = SaveRecord(path, NewSet());
        return result.status == FileStatus::kOpenFailed && result.osError == EACCES;
    };
    if (!asRoot) {
        EXPECT_TRUE(attempt());
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
            ::_exit(attempt() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    EXPECT_EQ(Read(path), old_);
    EXPECT_EQ(Entries(), std::vector<std::string>{"locked.qkf"});
}

namespace {

// Runs `attempt` as the user "nobody" (in the group "users" besides its own) in a child
// when the test runs as root; directly otherwise. True when it returned true.
bool AsOrdinaryUser(const std::function<bool()>& attempt) {
    if (geteuid() != 0) return attempt();
    const pid_t child = ::fork();
    if (child == 0) {
        const gid_t groups[] = {100};
        if (::setgroups(1, groups) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(3);
        }
        ::_exit(attempt() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

TEST_F(FileReplaceTest, SharedFilesKeepTheirGroupAndAnotherUsersFileInAStickyFolderSaves) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to make the second user's files";
    // A workshop folder: sticky and world-writable; shop.qkf belongs to root and the group
    // "users", writable by the group; other.qkf to root, writable by all.
    ASSERT_EQ(::chmod(tmp_.path().c_str(), 01777), 0);
    const std::string shop = tmp_ / "shop.qkf", other = tmp_ / "other.qkf";
    Write(shop, old_);
    Write(other, old_);
    ASSERT_EQ(::chown(shop.c_str(), 0, 100), 0);
    ASSERT_EQ(::chmod(shop.c_str(), 0664), 0);
    ASSERT_EQ(::chmod(other.c_str(), 0666), 0);
    EXPECT_TRUE(AsOrdinaryUser([&] { return SaveRecord(shop, NewSet()).ok(); }));
    EXPECT_TRUE(AsOrdinaryUser([&] { return SaveRecord(other, NewSet()).ok(); }));
    struct stat st {};
    ASSERT_EQ(::stat(shop.c_str(), &st), 0);
    EXPECT_EQ(st.st_gid, 100u) << "the colleagues keep their access";
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    for (const std::string& path : {shop, other}) {
        EXPECT_EQ(Read(path), std::string(15, '\x09') + "TAIL") << path;
    }
}

TEST_F(FileReplaceTest, ALargeFileIsCopiedABlockAtATimeAndStaleTemporariesGo) {
    const std::string big = tmp_ / "big.qkf";
    constexpr off_t kSize = 256LL << 20;
    {
        std::ofstream(big, std::ios::binary) << "HEAD";
        ASSERT_EQ(::truncate(big.c_str(), kSize - 4), 0);
        std::ofstream(big, std::ios::binary | std::ios::app) << "TAIL";
    }
#if defined(__SANITIZE_ADDRESS__)
    const bool limited = false;  // the sanitizer's shadow memory needs all the address space
#else
    const bool limited = true;
#endif
    const pid_t child = ::fork();
    if (child == 0) {
        // Far less memory than the file: a save that reads it whole dies here.
        const rlimit limit{128LL << 20, 128LL << 20};
        if (limited) ::setrlimit(RLIMIT_AS, &limit);
        ::_exit(SaveRecord(big, NewSet()).ok() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(fs::file_size(big), static_cast<std::uintmax_t>(kSize));
    std::ifstream in(big, std::ios::binary);
    in.seekg(kSize - 4);
    std::string tail(4, '\0');
    in.read(tail.data(), 4);
    EXPECT_EQ(tail, "TAIL");
    fs::remove(big);
    // A temporary file a killed save left two minutes ago goes at the next save; one that a
    // save may still be writing stays.
    const std::string set = tmp_ / "set.qkf";
    Write(set, old_);
    Write(tmp_ / ".set.qkf.AbC123", "half");
    Write(tmp_ / ".set.qkf.XyZ789", "half");
    const utimbuf old{::time(nullptr) - 120, ::time(nullptr) - 120};
    ASSERT_EQ(::utime((tmp_ / ".set.qkf.AbC123").c_str(), &old), 0);
    ASSERT_TRUE(SaveRecord(set, NewSet()).ok());
    EXPECT_EQ(Entries(), (std::vector<std::string>{".set.qkf.XyZ789", "set.qkf"}));
}
