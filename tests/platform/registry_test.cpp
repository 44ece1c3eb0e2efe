#include <gtest/gtest.h>

#include <filesystem>

#include "platform/posix/file_registry.h"
#include "platform/registry_tree.h"
#include "support/fake_environment.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

constexpr RegistryRoot kLM = RegistryRoot::LocalMachine;

RegistryValue String(const std::string& text) {
    return {registry_type::kString, text + '\0'};
}

TEST(RegistryTree, ReadsWhatRegistryEditorsWrite) {
    RegistryTree tree;
    tree.apply(
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
        "\r\n"
        "; the system-information program\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
        "\"PATH\"=\"C:\\\\Program Files\\\\MSINFO32.EXE\"\r\n"
        "@=\"default \\\"value\\\"\"\r\n"
        "  \"Spaced\" = \"a b\"  \r\n"
        "[HKCU\\Software\\Velocarta\\]\n"
        "\"Count\"=dword:10\n"
        "\"Raw\"=hex:de,ad,\\\n"
        "  be,ef\n"
        "\"Expand\"=hex(2):25,00\n"
        "\"Nothing\"=hex(0):\n"
        "\"Plain\"=\"C:\\Windows\"\n",
        "sample.reg");
    EXPECT_EQ(tree.find(kLM, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"),
              String("C:\\Program Files\\MSINFO32.EXE"));
    EXPECT_EQ(tree.find(kLM, "software\\microsoft\\shared tools\\msinfo", "path"),
              String("C:\\Program Files\\MSINFO32.EXE"));
    EXPECT_EQ(tree.find(kLM, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", ""),
              String("default \"value\""));
    EXPECT_EQ(tree.find(kLM, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Spaced"), String("a b"));
    const RegistryRoot user = RegistryRoot::CurrentUser;
    EXPECT_EQ(tree.find(user, "Software\\Velocarta", "Count"),
              (RegistryValue{registry_type::kDword, std::string("\x10\0\0\0", 4)}));
    EXPECT_EQ(tree.find(user, "Software\\Velocarta", "Raw"),
              (RegistryValue{registry_type::kBinary, "\xde\xad\xbe\xef"}));
    EXPECT_EQ(tree.find(user, "Software\\Velocarta", "Expand"),
              (RegistryValue{registry_type::kExpandString, std::string("%\0", 2)}));
    EXPECT_EQ(tree.find(user, "Software\\Velocarta", "Nothing"),
              (RegistryValue{registry_type::kNone, ""}));
    // A backslash before anything but a backslash or a quote stands for itself.
    EXPECT_EQ(tree.find(user, "Software\\Velocarta", "Plain"), String("C:\\Windows"));
    EXPECT_EQ(tree.find(kLM, "Software\\Velocarta", "Count"), std::nullopt);  // other root
    EXPECT_TRUE(tree.hasKey(kLM, "SOFTWARE\\Microsoft"));
    EXPECT_TRUE(tree.hasKey(kLM, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"));
    EXPECT_FALSE(tree.hasKey(kLM, "SOFTWARE\\Micro"));
}

TEST(RegistryTree, LaterTextsReplaceAndRemove) {
    RegistryTree tree;
    tree.apply(
        "[HKLM\\A]\n\"v\"=\"1\"\n\"w\"=\"1\"\n"
        "[HKLM\\A\\B]\n\"v\"=\"1\"\n"
        "[HKLM\\AB]\n\"v\"=\"1\"\n",
        "first");
    tree.apply("[HKLM\\A]\n\"V\"=\"2\"\n\"w\"=-\n", "second");
    EXPECT_EQ(tree.find(kLM, "A", "v"), String("2"));
    EXPECT_EQ(tree.find(kLM, "A", "w"), std::nullopt);
    tree.apply("[-HKEY_LOCAL_MACHINE\\A]\n", "third");
    EXPECT_EQ(tree.find(kLM, "A", "v"), std::nullopt);
    EXPECT_EQ(tree.find(kLM, "A\\B", "v"), std::nullopt);  // everything below goes too
    EXPECT_EQ(tree.find(kLM, "AB", "v"), String("1"));     // but not a key beside it
}

TEST(RegistryTree, MistakesNameTheirLineAndChangeNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"v\"=\"1\"", "a value outside a key"},
        {"[HKEY_NOWHERE\\A]", "roots"},
        {"[HKLM\\A", "closing ']'"},
        {"[HKLM\\A]\n\"v\"=\"open", "closing quote"},
        {"[HKLM\\A]\n\"v\"=\"x\" y", "after the closing quote"},
        {"[HKLM\\A]\n\"v\" \"x\"", "without '='"},
        {"[HKLM\\A]\n\"v\"=dword:123456789", "one to eight"},
        {"[HKLM\\A]\n\"v\"=dword:12g4", "not a hexadecimal number"},
        {"[HKLM\\A]\n\"v\"=hex:1,2,", "ends in a comma"},
        {"[HKLM\\A]\n\"v\"=hex:123", "two-digit"},
        {"[HKLM\\A]\n\"v\"=hex(x):00", "not a hexadecimal number"},
        {"[HKLM\\A]\n\"v\"=42", "not \"text\""},
        {"[HKLM\\A]\nv=1", "not a key, a value or a comment"},
        {"[-HKLM\\A]\n\"v\"=\"1\"", "a value outside a key"},
    };
    for (const auto& [text, why] : cases) {
        RegistryTree tree;
        tree.apply("[HKLM\\A]\n\"kept\"=\"1\"\n", "first");
        try {
            tree.apply(text, "broken.reg");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const RegistryError& error) {
            const std::string message = error.what();
            const std::string line = std::string(text).find('\n') == std::string::npos ? "1" : "2";
            EXPECT_EQ(message.rfind("broken.reg:" + line + ": ", 0), 0u) << message;
            EXPECT_NE(message.find(why), std::string::npos) << message;
        }
        EXPECT_EQ(tree.find(kLM, "A", "kept"), String("1")) << text;
        EXPECT_EQ(tree.find(kLM, "A", "v"), std::nullopt) << text;
    }
}

class FileRegistryTest : public ::testing::Test {
  protected:
    std::optional<RegistryValue> path(const FileRegistry& registry) {
        return registry.readValue(kLM, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    }
    std::string system() { return folder.path() + "/etc/velocarta/registry.reg"; }
    std::string user() { return folder.path() + "/home/velocarta/registry.reg"; }
    void write(const std::string& file, const std::string& path) {
        folder.writeFile(
            file.substr(folder.path().size()),
            "[HKLM\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n\"PATH\"=" + path + "\n");
    }
    FileRegistry registry() { return FileRegistry(DefaultRegistryText(), {system(), user()}); }

    testing::TempFolder folder;
};

TEST_F(FileRegistryTest, WithoutFilesTheDefaultsNameHardinfo) {
    EXPECT_EQ(path(registry()), String("/usr/bin/hardinfo"));
    EXPECT_EQ(registry().readValue(kLM, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"),
              std::nullopt);
}

TEST_F(FileRegistryTest, TheUsersFileWinsOverTheSystemsOverTheDefaults) {
    write(system(), "\"/usr/bin/gnome-system-monitor\"");
    EXPECT_EQ(path(registry()), String("/usr/bin/gnome-system-monitor"));
    write(user(), "\"/usr/local/bin/sysinfo\"");
    EXPECT_EQ(path(registry()), String("/usr/local/bin/sysinfo"));
    write(user(), "-");  // the user turns the program off
    EXPECT_EQ(path(registry()), std::nullopt);
}

TEST_F(FileRegistryTest, AFileThatCannotBeReadOrIsMalformedMakesTheStoreUnreadable) {
    folder.makeFolder("/home/velocarta/registry.reg");  // a folder where the file should be
    EXPECT_THROW(path(registry()), RegistryError);
    std::filesystem::remove(user());
    write(system(), "\"unclosed");
    try {
        path(registry());
        ADD_FAILURE() << "a malformed file was read";
    } catch (const RegistryError& error) {
        EXPECT_NE(std::string(error.what()).find(system() + ":2:"), std::string::npos);
    }
}

TEST(RegistryFiles, SystemFoldersFirstThenTheUsersConfiguration) {
    testing::FakeEnvironment environment;
    environment.variables["HOME"] = "/home/ann";
    EXPECT_EQ(RegistryFiles(environment),
              (std::vector<std::string>{"/etc/xdg/velocarta/registry.reg",
                                        "/home/ann/.config/velocarta/registry.reg"}));
    // The first folder of XDG_CONFIG_DIRS matters most, so it comes last; relative entries
    // count for nothing.
    environment.variables["XDG_CONFIG_DIRS"] = "/etc/a:relative:/etc/b";
    environment.variables["XDG_CONFIG_HOME"] = "/home/ann/conf";
    EXPECT_EQ(
        RegistryFiles(environment),
        (std::vector<std::string>{"/etc/b/velocarta/registry.reg", "/etc/a/velocarta/registry.reg",
                                  "/home/ann/conf/velocarta/registry.reg"}));
    environment.variables["XDG_CONFIG_HOME"] = "conf";
    environment.variables.erase("HOME");
    EXPECT_EQ(RegistryFiles(environment),
              (std::vector<std::string>{"/etc/b/velocarta/registry.reg",
                                        "/etc/a/velocarta/registry.reg"}));
}

}  // namespace
}  // namespace velocarta
