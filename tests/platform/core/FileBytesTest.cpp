#include "platform/core/FileBytes.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/LargeMemory.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// Bytes that show a shifted or truncated read: every position holds its own pattern.
std::string Numbered(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + i / 4099) & 0xFF);
    return bytes;
}

// Small files, files just past the size that goes to large memory, and files that end exactly
// on a huge page all read back byte for byte.
TEST(FileBytes, ReadsEveryFileWhole) {
    TTempFolder folder;
    const std::size_t sizes[] = {0,
                                 1,
                                 4096,
                                 (std::size_t(4) << 20) - 1,
                                 std::size_t(4) << 20,
                                 LargeMemory::HugePage * 3,
                                 LargeMemory::HugePage * 3 - 1,
                                 (std::size_t(9) << 20) + 17};
    for (std::size_t size : sizes) {
        const std::string expected = Numbered(size);
        const std::string path = folder.Write("data.bin", expected);
        const TFileBytes bytes = TFileBytes::Read(path);
        ASSERT_EQ(bytes.View().size(), size);
        EXPECT_TRUE(bytes.View() == expected) << size;
    }
}

TEST(FileBytes, ReadsSpecialFilesThatShowNoSize) {
    const TFileBytes bytes = TFileBytes::Read("/proc/self/status");
    EXPECT_NE(bytes.View().find("Name:"), std::string_view::npos);
}

TEST(FileBytes, NamesTheFileItCannotRead) {
    TTempFolder folder;
    for (const std::string& path : {folder.File("missing.csv"), folder.Path()}) {
        try {
            TFileBytes::Read(path);
            ADD_FAILURE() << path;
        } catch (const EFileError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
    }
}

// Moving hands the memory over: the moved-to object reads it, and each mapping goes once.
TEST(FileBytes, MovesItsMemory) {
    TTempFolder folder;
    const std::string expected = Numbered(std::size_t(5) << 20);
    const std::string path = folder.Write("big.bin", expected);
    TFileBytes first = TFileBytes::Read(path);
    TFileBytes second = std::move(first);
    EXPECT_TRUE(second.View() == expected);
    first = TFileBytes::Read(folder.Write("small.bin", "small"));
    second = std::move(first);
    EXPECT_EQ(second.View(), "small");
}

} // namespace
