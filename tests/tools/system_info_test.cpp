#include <gtest/gtest.h>

#include "platform/posix/posix_file_system.h"
#include "support/fake_registry.h"
#include "support/temp_folder.h"
#include "tools/system_info.h"

namespace velocarta {
namespace {

std::optional<std::string> Read(const testing::FakeRegistry& registry, std::string_view name) {
    return ReadRegistryString(registry, RegistryRoot::LocalMachine, "SOFTWARE\\Test", name);
}

TEST(ReadRegistryString, TextsNumbersAndWhatCannotBeRead) {
    testing::FakeRegistry registry;
    registry.load(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test]\n"
        "\"Path\"=\"/usr/bin/hardinfo\"\n"  // a string: stored with its closing NUL
        "\"NoNul\"=hex(1):41,42\n"
        "\"TwoNuls\"=hex(1):41,00,00\n"
        "\"Empty\"=\"\"\n"
        "\"Small\"=dword:00000010\n"
        "\"Low\"=dword:00000110\n"
        "\"High\"=dword:00001100\n"
        "\"Big\"=dword:fedcba98\n"
        "\"Bytes\"=hex:01,ff,00\n"
        "\"Nothing\"=hex(0):\n");
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"Path", "/usr/bin/hardinfo"},
        {"path", "/usr/bin/hardinfo"},  // names are matched without regard to case
        {"NoNul", "AB"},
        {"TwoNuls", std::string("A\0", 2)},  // only the last NUL goes
        {"Empty", ""},
        {"Small", "&h00000010"},
        {"Low", "&h00000110"},
        {"High", "&h00001100"},
        {"Big", "&hFEDCBA98"},
        {"Bytes", "\x01\xff"},
        {"Nothing", ""},
        {"Missing", std::nullopt},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(Read(registry, name), expected) << name;
    }
    EXPECT_EQ(ReadRegistryString(registry, RegistryRoot::LocalMachine, "SOFTWARE\\Other", "Path"),
              std::nullopt);
    EXPECT_EQ(ReadRegistryString(registry, RegistryRoot::CurrentUser, "SOFTWARE\\Test", "Path"),
              std::nullopt);
    registry.unreadable = true;
    EXPECT_EQ(Read(registry, "Path"), std::nullopt);
}

TEST(ReadRegistryString, ValuesLongerThanTheBufferAreNotRead) {
    testing::FakeRegistry registry;
    // 1023 letters and the NUL fill the 1024 bytes; one more letter does not fit.
    registry.load("[HKLM\\SOFTWARE\\Test]\n\"Fits\"=\"" + std::string(1023, 'a') +
                  "\"\n\"TooLong\"=\"" + std::string(1024, 'a') + "\"\n");
    EXPECT_EQ(Read(registry, "Fits"), std::string(1023, 'a'));
    EXPECT_EQ(Read(registry, "TooLong"), std::nullopt);
}

class FindSystemInfoProgramTest : public ::testing::Test {
  protected:
    std::optional<std::string> find() { return FindSystemInfoProgram(registry, fileSystem); }
    void givePath(const std::string& path) {
        registry.load("[HKLM\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n\"PATH\"=\"" + path +
                      "\"\n");
    }
    void giveFolder(const std::string& folder) {
        registry.load("[HKLM\\SOFTWARE\\Microsoft\\Shared Tools Location]\n\"MSINFO\"=\"" + folder +
                      "\"\n");
    }

    testing::FakeRegistry registry;
    PosixFileSystem fileSystem;
    testing::TempFolder folder;
};

TEST_F(FindSystemInfoProgramTest, NothingWhenNeitherPlaceIsThere) {
    EXPECT_EQ(find(), std::nullopt);
    registry.unreadable = true;
    EXPECT_EQ(find(), std::nullopt);
}

TEST_F(FindSystemInfoProgramTest, ThePathComesFirstAndIsTakenAsItStands) {
    giveFolder(folder.path());
    folder.writeFile("/MSINFO32.EXE");
    givePath("/opt/tools/sysinfo");  // not checked: a start that fails is reported then
    EXPECT_EQ(find(), "/opt/tools/sysinfo");
}

TEST_F(FindSystemInfoProgramTest, TheFolderCountsOnlyWithTheProgramFileInIt) {
    giveFolder(folder.path());
    EXPECT_EQ(find(), std::nullopt);
    const std::string program = folder.writeFile("/msinfo32.exe");  // any case
    EXPECT_EQ(find(), program);
    giveFolder(folder.path() + "/");
    EXPECT_EQ(find(), program);
    giveFolder("");
    EXPECT_EQ(find(), std::nullopt);
    giveFolder(folder.path() + "/gone");
    EXPECT_EQ(find(), std::nullopt);
}

}  // namespace
}  // namespace velocarta
