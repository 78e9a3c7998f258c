#include "platform/core/Files.h"
#include "platform/core/Exception.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

TEST(WriteFileAtomic, CreatesAndReplacesWithoutLeavingTemporaries) {
    TTempFolder folder;
    const std::string path = folder.File("ParGen.xml");
    WriteFileAtomic(path, "first");
    WriteFileAtomic(path, std::string("second\0binary", 13));
    EXPECT_EQ(TTempFolder::Read(path), std::string("second\0binary", 13));
    EXPECT_EQ(ListFiles(folder.Path(), ""), std::vector<std::string>{"ParGen.xml"});
}

TEST(WriteFileAtomic, KeepsThePermissionsOfTheReplacedFile) {
    TTempFolder folder;
    const std::string path = folder.Write("settings.xml", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    WriteFileAtomic(path, "new");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

// A write over `path` raises an error naming the file, and the file keeps `oldBytes`.
void ExpectWriteRefusedKeeping(const std::string& path, const std::string& oldBytes) {
    try {
        WriteFileAtomic(path, "new " + oldBytes);
        ADD_FAILURE() << "no exception";
    } catch (const EFileError& error) {
        EXPECT_NE(error.Message.find(path), std::string::npos) << error.Message;
    }
    EXPECT_EQ(TTempFolder::Read(path), oldBytes);
}

TEST(WriteFileAtomic, FailureNamesTheFileAndLeavesTheOldOneIntact) {
    TTempFolder folder;
    const std::string path = folder.Write("Velmaro.xml", "old settings");
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder.Path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "permissions are not enforced for this user";
    ExpectWriteRefusedKeeping(path, "old settings");
}

TEST(WriteFileAtomic, RefusesToReplaceAReadOnlyFile) {
    TTempFolder folder;
    const std::string path = folder.Write("bank1.bin", "protected");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ExpectWriteRefusedKeeping(path, "protected");
    EXPECT_EQ(ListFiles(folder.Path(), ""), std::vector<std::string>{"bank1.bin"});
}

TEST(WriteFileAtomic, AWriteThatFailsHalfwayLeavesTheOldFileAndNoTemporary) {
    TTempFolder folder;
    const std::string path = folder.Write("bank2.bin", "old bank");
    // A file size limit makes the write fail after some bytes, whoever runs the test.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    EXPECT_THROW(WriteFileAtomic(path, std::string(100000, 'x')), EFileError);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(TTempFolder::Read(path), "old bank");
    EXPECT_EQ(ListFiles(folder.Path(), ""), std::vector<std::string>{"bank2.bin"});
}

TEST(WriteFileAtomic, LeftoversOfKilledSavesNeitherBlockTheSaveNorStay) {
    TTempFolder folder;
    const std::string path = folder.Write("bank1.bin", "old bank");
    // Earlier builds named the temporary file "<name>.tmp<pid>_<counter>", counting from 0 in
    // each run, so a run under the same process id found each of its names taken.
    for (int counter = 0; counter < 1000; ++counter)
        folder.Write("bank1.bin.tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter),
                     "partial");
    folder.Write(".bank1.bin.tmp-a1B2c3", "partial");
    WriteFileAtomic(path, "new bank");
    EXPECT_EQ(TTempFolder::Read(path), "new bank");
    EXPECT_EQ(ListFiles(folder.Path(), ""), std::vector<std::string>{"bank1.bin"});
}

TEST(WriteFileAtomic, KeepsTemporaryFilesOfSavesInProgressAndOfOtherFiles) {
    TTempFolder folder;
    const std::string path = folder.Write("bank1.bin", "old bank");
    // A save in progress holds the lock of its temporary file.
    const std::string inProgress = ".bank1.bin.tmp-Zx9Y8w";
    const int locked = ::open(folder.Write(inProgress, "half").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(locked, 0);
    ASSERT_EQ(::flock(locked, LOCK_EX), 0);
    std::vector<std::string> kept = {
        inProgress,
        ".bank2.bin.tmp-a1B2c3",      // another file's
        ".bank1.bin.tmp-a1B2c",       // names of other patterns
        ".bank1.bin.tmp-a1B2c3.keep", //
        "bank1.bin.tmpx_0",           //
        "bank1.bin.bak",              //
        // The old pattern of a process that still runs, maybe saving.
        "bank1.bin.tmp" + std::to_string(::getppid()) + "_0",
    };
    for (const std::string& name : kept)
        if (name != inProgress)
            folder.Write(name, "x");
    WriteFileAtomic(path, "new bank");
    ::close(locked);
    EXPECT_EQ(TTempFolder::Read(path), "new bank");
    kept.push_back("bank1.bin");
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(ListFiles(folder.Path(), ""), kept);
}

TEST(WriteFileAtomic, SavesOfOneFileAtTheSameTimeAllSucceed) {
    TTempFolder folder;
    const std::string path = folder.File("HART_Variables.xml");
    std::atomic<int> failures{0};
    std::vector<std::thread> savers;
    for (int t = 0; t < 6; ++t)
        savers.emplace_back([&, t] {
            for (int i = 0; i < 40; ++i) {
                try {
                    WriteFileAtomic(path, "saver " + std::to_string(t));
                } catch (const EFileError&) {
                    ++failures;
                }
            }
        });
    for (std::thread& saver : savers)
        saver.join();
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(TTempFolder::Read(path).starts_with("saver "));
    EXPECT_EQ(ListFiles(folder.Path(), ""), std::vector<std::string>{"HART_Variables.xml"});
}

TEST(WriteFileAtomic, RefusesAMissingFolderOrAFolderAsTarget) {
    TTempFolder folder;
    EXPECT_THROW(WriteFileAtomic(folder.File("missing/file.txt"), "x"), EFileError);
    ASSERT_TRUE(CreateDir(folder.File("sub")));
    EXPECT_THROW(WriteFileAtomic(folder.File("sub"), "x"), EFileError);
    EXPECT_TRUE(DirectoryExists(folder.File("sub")));
    EXPECT_EQ(ListFiles(folder.Path(), ""), std::vector<std::string>{});
}

TEST(ReadFileBytes, ReadsBinaryAndReportsMissingFiles) {
    TTempFolder folder;
    const std::string bytes("\0\xFF\r\n", 4);
    EXPECT_EQ(ReadFileBytes(folder.Write("bank1.bin", bytes)), bytes);
    EXPECT_THROW(ReadFileBytes(folder.File("absent.bin")), EFileError);
    EXPECT_THROW(ReadFileBytes(folder.Path()), EFileError);
}

TEST(Folders, CreateListAndDelete) {
    TTempFolder folder;
    EXPECT_TRUE(ForceDirectories(folder.File("PROJECTS/b/bin")));
    EXPECT_TRUE(ForceDirectories(folder.File("PROJECTS/b/bin")));
    EXPECT_TRUE(CreateDir(folder.File("PROJECTS/a")));
    EXPECT_FALSE(CreateDir(folder.File("PROJECTS/a")));
    EXPECT_FALSE(CreateDir(folder.File("none/x")));
    folder.Write("PROJECTS/file.txt", "");
    EXPECT_EQ(ListFolders(folder.File("PROJECTS")), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ListFolders(folder.File("absent")), std::vector<std::string>{});

    EXPECT_TRUE(FileExists(folder.File("PROJECTS/file.txt")));
    EXPECT_FALSE(FileExists(folder.File("PROJECTS/a")));
    EXPECT_TRUE(DeleteFile(folder.File("PROJECTS/file.txt")));
    EXPECT_FALSE(DeleteFile(folder.File("PROJECTS/file.txt")));
    EXPECT_FALSE(DeleteFile(folder.File("PROJECTS/a")));
    EXPECT_TRUE(DirectoryExists(folder.File("PROJECTS/a")));
}

TEST(ListFiles, MatchesTheExtensionIgnoringCaseAndSortsNames) {
    TTempFolder folder;
    for (const char* name : {"Italiano.lng", "English.LNG", "English.bmp", "lng", "x.lng.bak"})
        folder.Write(name, "");
    ForceDirectories(folder.File("dir.lng"));
    EXPECT_EQ(ListFiles(folder.Path(), ".lng"),
              (std::vector<std::string>{"English.LNG", "Italiano.lng"}));
}

struct PathCase {
    const char* Path;
    const char* Name;
    const char* Folder;
    const char* Ext;
    const char* ChangedToXml;
};

TEST(PathParts, SplitLikeTheFrameworkWithSlashes) {
    const std::vector<PathCase> cases = {
        {"/opt/app/ParGen.xml", "ParGen.xml", "/opt/app/", ".xml", "/opt/app/ParGen.xml"},
        {"bin/bank1.bin", "bank1.bin", "bin/", ".bin", "bin/bank1.xml"},
        {"English.lng", "English.lng", "", ".lng", "English.xml"},
        {"a.b/noext", "noext", "a.b/", "", "a.b/noext.xml"},
        {"archive.tar.gz", "archive.tar.gz", "", ".gz", "archive.tar.xml"},
        {"folder/", "", "folder/", "", "folder/.xml"},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(ExtractFileName(c.Path), c.Name) << c.Path;
        EXPECT_EQ(ExtractFilePath(c.Path), c.Folder) << c.Path;
        EXPECT_EQ(ExtractFileExt(c.Path), c.Ext) << c.Path;
        EXPECT_EQ(ChangeFileExt(c.Path, ".xml"), c.ChangedToXml) << c.Path;
    }
}

TEST(JoinPath, PutsExactlyOneSeparatorBetween) {
    EXPECT_EQ(JoinPath("/opt/app", "LANGUAGE"), "/opt/app/LANGUAGE");
    EXPECT_EQ(JoinPath("/opt/app/", "/LANGUAGE"), "/opt/app/LANGUAGE");
    EXPECT_EQ(JoinPath("/", "x"), "/x");
    EXPECT_EQ(JoinPath("", "x"), "x");
    EXPECT_EQ(JoinPath("a", ""), "a");
}

TEST(ProgramFolder, IsTheFolderOfThisTestProgram) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(FileExists(JoinPath(folder, "test_platform_core")));
}

} // namespace
