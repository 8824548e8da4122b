// Saves are atomic: whatever fails part-way, the old file stays byte for byte and nothing
// else is left in its folder.
#include "config/file_replace.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
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
// A disk that fails while the old file's tail is read.
std::size_t FailingRead(void*, std::size_t, std::size_t, std::FILE* file) {
    std::fputc('x', file);  // refused on a stream opened for reading: its error is set
    errno = EIO;
    return 0;
}
// What a sticky folder answers a rename over another user's file on some systems.
int NotPermittedRename(const char*, const char*) {
    errno = EPERM;
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

// What a save flushes, in order: the new file before it takes the name, then the folder,
// so that the rename itself outlives a power cut.
std::vector<std::string> flushes;
int RecordingFsync(int fd) {
    struct stat st = {};
    ::fstat(fd, &st);
    flushes.push_back(S_ISDIR(st.st_mode) ? "folder" : "file");
    return ::fsync(fd);
}
int RecordingRename(const char* from, const char* to) {
    flushes.push_back("rename");
    return ::rename(from, to);
}

TEST_F(FileReplaceTest, AReadErrorOfTheOldTailIsReportedAndTheOldFileStays) {
    const std::string path = tmp_ / "set.qkf";
    Write(path, old_);
    ReplaceCalls().read = FailingRead;
    const FileResult result = SaveRecord(path, NewSet());
    ReplaceCalls() = saved_;
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.osError, EIO);
    EXPECT_EQ(Read(path), old_) << "never a file that lost its tail";
}

TEST_F(FileReplaceTest, TheFileIsFlushedBeforeItsRenameAndTheFolderAfterIt) {
    const std::string path = tmp_ / "set.qkf";
    Write(path, old_);
    flushes.clear();
    ReplaceCalls().fsync = RecordingFsync;
    ReplaceCalls().rename = RecordingRename;
    ASSERT_TRUE(SaveRecord(path, NewSet()).ok());
    ReplaceCalls() = saved_;
    EXPECT_EQ(flushes, (std::vector<std::string>{"file", "rename", "folder"}));
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
    struct stat st = {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"link.qkf", "target.qkf"}));
    // Through the link as without it: a write that fails part-way leaves the file it reaches
    // whole.
    const std::string before = Read(target);
    for (std::size_t after : {0u, 7u, 14u}) {
        ReplaceCalls().write = LimitedWrite;
        budget = after;
        EXPECT_FALSE(SaveRecord(link, RecordOf({1, 2, 3})).ok());
        ReplaceCalls() = saved_;
        EXPECT_EQ(Read(target), before) << "after " << after << " bytes";
        EXPECT_TRUE(fs::is_symlink(link));
    }
    // A link to a file not made yet: the file is made where the link points.
    fs::create_symlink("later.qkf", tmp_ / "new.qkf");
    ASSERT_TRUE(SaveRecord(tmp_ / "new.qkf", NewSet()).ok());
    EXPECT_TRUE(fs::is_symlink(tmp_ / "new.qkf"));
    EXPECT_EQ(Read(tmp_ / "later.qkf"), std::string(15, '\x09'));
}

TEST_F(FileReplaceTest, ANewFileGetsTheUsualModeForItsCreator) {
    const mode_t mask = umask(022);
    const std::string path = tmp_ / "fresh.qkf";
    ASSERT_TRUE(SaveRecord(path, NewSet()).ok());
    umask(mask);
    struct stat st = {};
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

TEST_F(FileReplaceTest, ASharedFileIsReplacedAndKeepsItsGroup) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to make the second user's files";
    // A workshop folder of the group "users", where every member may create and rename;
    // shop.qkf belongs to root and the group, writable by the group.
    const fs::path folder = tmp_ / "group";
    fs::create_directory(folder);
    ASSERT_EQ(::chown(folder.c_str(), 0, 100), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0775), 0);
    const std::string shop = folder / "shop.qkf";
    Write(shop, old_);
    ASSERT_EQ(::chown(shop.c_str(), 0, 100), 0);
    ASSERT_EQ(::chmod(shop.c_str(), 0664), 0);
    EXPECT_TRUE(AsOrdinaryUser([&] { return SaveRecord(shop, NewSet()).ok(); }));
    struct stat st = {};
    ASSERT_EQ(::stat(shop.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u) << "replaced by the saving user's new file, not written in place";
    EXPECT_EQ(st.st_gid, 100u) << "the colleagues keep their access";
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_EQ(Read(shop), std::string(15, '\x09') + "TAIL");
    EXPECT_EQ(fs::directory_iterator(folder)->path().filename(), "shop.qkf");
}

TEST_F(FileReplaceTest, AFolderThatRefusesTemporariesOrTheirRenameStillGetsTheFile) {
    // A refused rename, with EPERM as with EACCES: the writable file takes the new head.
    const std::string set = tmp_ / "set.qkf";
    Write(set, old_);
    ReplaceCalls().rename = NotPermittedRename;
    const FileResult renamed = SaveRecord(set, NewSet());
    ReplaceCalls() = saved_;
    EXPECT_TRUE(renamed.ok());
    EXPECT_EQ(Read(set), std::string(15, '\x09') + "TAIL");
    if (geteuid() != 0) GTEST_SKIP() << "needs root to make a folder another user may not write";
    // A folder the user may not make files in, holding a file the user may write.
    const fs::path folder = tmp_ / "closed";
    fs::create_directory(folder);
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    const std::string shared = folder / "shared.qkf";
    Write(shared, old_);
    ASSERT_EQ(::chmod(shared.c_str(), 0666), 0);
    EXPECT_TRUE(AsOrdinaryUser([&] { return SaveRecord(shared, NewSet()).ok(); }));
    EXPECT_EQ(Read(shared), std::string(15, '\x09') + "TAIL");
}

TEST_F(FileReplaceTest, AnotherUsersFileInAStickyFolderIsWrittenInPlace) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to make the second user's files";
    // A sticky world-writable folder: nobody may rename over root's file, but may write it.
    const fs::path folder = tmp_ / "sticky";
    fs::create_directory(folder);
    ASSERT_EQ(::chmod(folder.c_str(), 01777), 0);
    const std::string other = folder / "other.qkf";
    Write(other, old_);
    ASSERT_EQ(::chmod(other.c_str(), 0666), 0);
    EXPECT_TRUE(AsOrdinaryUser([&] { return SaveRecord(other, NewSet()).ok(); }));
    struct stat st = {};
    ASSERT_EQ(::stat(other.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(Read(other), std::string(15, '\x09') + "TAIL");
}

namespace {

// A sparse file of `size` bytes: "HEAD" first, "TAIL" last.
void MakeLargeFile(const std::string& path, off_t size) {
    std::ofstream(path, std::ios::binary) << "HEAD";
    ASSERT_EQ(::truncate(path.c_str(), size - 4), 0);
    std::ofstream(path, std::ios::binary | std::ios::app) << "TAIL";
}

std::string FirstFifteen(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(15, '\0');
    in.read(head.data(), 15);
    return head;
}

std::string LastFour(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(-4, std::ios::end);
    std::string tail(4, '\0');
    in.read(tail.data(), 4);
    return tail;
}

}  // namespace

TEST_F(FileReplaceTest, ALargeFileIsWrittenInPlaceNotCopiedAndPutBackWhenThatFails) {
    const std::string big = tmp_ / "big.qkf";
    constexpr off_t kSize = 1LL << 30;
    MakeLargeFile(big, kSize);
    struct stat before = {};
    ASSERT_EQ(::stat(big.c_str(), &before), 0);
    ASSERT_TRUE(SaveRecord(big, NewSet()).ok());
    struct stat after = {};
    ASSERT_EQ(::stat(big.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, not a 1 GB copy";
    EXPECT_LT(after.st_blocks, 1024) << "still sparse: nothing was copied";
    EXPECT_EQ(FirstFifteen(big), std::string(15, '\x09'));
    EXPECT_EQ(LastFour(big), "TAIL");
    // A disk that fills after 7 of the 15 bytes: the old head comes back.
    const std::string oldHead = FirstFifteen(big);
    ReplaceCalls().write = LimitedWrite;
    budget = 7;
    const FileResult result = SaveRecord(big, RecordOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    ReplaceCalls() = saved_;
    EXPECT_EQ(result.status, FileStatus::kWriteFailed);
    EXPECT_FALSE(result.mixed);
    EXPECT_EQ(FirstFifteen(big), oldHead);
    EXPECT_EQ(fs::file_size(big), static_cast<std::uintmax_t>(kSize));
}

TEST_F(FileReplaceTest, OnlyOurOwnStaleTemporariesAreSwept) {
    // A home folder: the user's own dot-files, old, of every shape a save's temporary file
    // once had, and two temporaries of killed saves, one old and one that a save may still
    // be writing.
    const std::vector<std::string> users = {".bashrc.backup",  ".profile.backup",
                                            ".env.local1",     ".gitconfig.before",
                                            ".set.qkf.AbC123", ".set.qkf.vt350-AbC12"};
    for (const std::string& name : users) Write(tmp_ / name, "the user's own");
    Write(tmp_ / ".set.qkf.vt350-AbC123", "half");
    Write(tmp_ / ".set.qkf.vt350-XyZ789", "half");
    const utimbuf old{::time(nullptr) - 3600, ::time(nullptr) - 3600};
    for (const std::string& name : users) ASSERT_EQ(::utime((tmp_ / name).c_str(), &old), 0);
    ASSERT_EQ(::utime((tmp_ / ".set.qkf.vt350-AbC123").c_str(), &old), 0);
    // A killed save of another user's, as old: that user's to sweep, never ours.
    const std::string theirs = tmp_ / ".set.qkf.vt350-Oth123";
    const bool another = geteuid() == 0;
    if (another) {
        Write(theirs, "half");
        ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
        ASSERT_EQ(::utime(theirs.c_str(), &old), 0);
    }
    const std::string set = tmp_ / "set.qkf";
    Write(set, old_);
    ASSERT_TRUE(SaveRecord(set, NewSet()).ok());
    std::vector<std::string> expected = users;
    expected.push_back(".set.qkf.vt350-XyZ789");
    if (another) expected.push_back(".set.qkf.vt350-Oth123");
    expected.push_back("set.qkf");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(), expected);
}

TEST_F(FileReplaceTest, WhatIsNoRegularFileIsWrittenAsItIs) {
    // /dev/null takes the set and refuses the flush: no failure.
    EXPECT_TRUE(SaveRecord("/dev/null", NewSet()).ok());
    // A pipe, also reached through a link as /dev/stdout is: the 15 bytes reach the
    // reader, and no file named after the link's text ("pipe:[N]") appears anywhere.
    const std::string fifo = tmp_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink(fifo, tmp_ / "out.qkf");
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    fs::create_symlink("/proc/self/fd/" + std::to_string(fds[1]), tmp_ / "stdout");
    EXPECT_TRUE(SaveRecord(tmp_ / "stdout", NewSet()).ok());
    ::close(fds[1]);
    char got[32];
    EXPECT_EQ(::read(fds[0], got, sizeof got), 15);
    ::close(fds[0]);
    const pid_t reader = ::fork();
    if (reader == 0) {
        const int fd = ::open(fifo.c_str(), O_RDONLY);
        char buffer[32];
        ::_exit(::read(fd, buffer, sizeof buffer) == 15 ? 0 : 1);
    }
    EXPECT_TRUE(SaveRecord(tmp_ / "out.qkf", NewSet()).ok());
    int status = 0;
    ::waitpid(reader, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the reader got 15 bytes";
    EXPECT_EQ(Entries(), (std::vector<std::string>{"fifo", "out.qkf", "stdout"}));
}
