#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <cstdint>

#include "program_folder_record.h"
#include "registry_store.h"
#include "test_files.h"

constexpr char kGameKey[] = "Software\\Helmwick\\Vantor";
constexpr char kSharedKey[] = "Software\\Helmwick\\Shared";
constexpr RootKey kMachine = RootKey::LocalMachine;
const RegistryValue kEmpty;

class RegistryStoreTest : public ::testing::Test {
protected:
    static RegistryValue text(std::string value) { return value; }
    void createKey() { m_store.createKey(kMachine, kGameKey); }
    void write(const std::string& name, const RegistryValue& value, RegistryType type = kRegSz)
    {
        m_store.writeValue(kMachine, kGameKey, name, value, type);
    }
    RegistryValue read(const std::string& name) const { return m_store.readValue(kMachine, kGameKey, name); }

    ScratchFolder m_folder;
    RegistryStore m_store{m_folder.path()};
    const std::string m_hive = m_store.hiveFilePath(kMachine);
};

TEST_F(RegistryStoreTest, ValuesReadBackAsWrittenAndOnlyNumbersInRangeBecomeDwords)
{
    createKey();
    for (const char* written : {"/home/ann/Games/Vantor", "  spaces  ", "say \"hi\"", "\"",
                                "C:\\Program Files\\Vantor\\", "\\\\server\\share", "Ærøskøbing — 日本語 ✓", "",
                                "tab\there", "two\nlines\r\nand a return\r", "=\"x\"=dword:00000001"}) {
        write("Text", text(written));
        EXPECT_EQ(read("Text"), text(written)) << written;
    }
    // Text becomes a DWORD only when it is a number in range; anything else writes nothing.
    const std::pair<const char*, RegistryValue> asDword[] = {
        {"0", 0},        {"42", 42},        {" -7 ", -7}, {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX},
        {"abc", kEmpty}, {"12abc", kEmpty}, {"", kEmpty}, {"2147483648", kEmpty},     {"1.5", kEmpty}};
    for (const auto& [written, readBack] : asDword) {
        write(std::string("Dword ") + written, text(written), kRegDword);
        EXPECT_EQ(read(std::string("Dword ") + written), readBack) << written;
    }
    write("Number", 42, kRegSz);
    EXPECT_EQ(read("Number"), text("42"));
    write("Binary", text("x"), 3);  // REG_BINARY is not written at all
    EXPECT_EQ(read("Binary"), kEmpty);
}

TEST_F(RegistryStoreTest, HiveIsTheExportTextKeepingOnlyTheLinesThatCanBeReadAndNamesMatchWithoutCase)
{
    write("Path", text("/opt/vantor"));  // into a key that does not exist: nothing, not even a file
    EXPECT_EQ(std::pair(m_hive, QFileInfo::exists(QString::fromStdString(m_hive))),
              std::pair(m_folder.file("HKEY_LOCAL_MACHINE.reg"), false));
    const std::string vantor = "[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n",
                      path = "\"Path\"=\"/opt/vantor\"\n";
    const std::pair<std::string, std::string> storedAndRewritten[] = {
        {"", vantor + path},
        {std::string("\177ELF\1\2\0\377 garbage", 16), vantor + path},
        {"REGEDIT5\n\n" + vantor + "\"Old\"=\"lost\"\n", vantor + path},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Zed]\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\helmwick\\VANTOR]\n"
         "\"path\"=\"old\"\n@=\"default\"\n\"Lines\"=hex(1):61,0a,62\n\"Minus\"=dword:FFFFFFFF\n"
         "\"Quote\"=\"C:\\\\Games \\\"new\\\"\"\n\"Multi\"=hex(7):41,00,00,00\n\"X\"=hex:01,02\n",
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\helmwick\\VANTOR]\n@=\"default\"\n\"Lines\"=hex(1):61,0a,62\n"
         "\"Minus\"=dword:ffffffff\n\"Multi\"=hex(7):41,00,00,00\n\"path\"=\"/opt/vantor\"\n"
         "\"Quote\"=\"C:\\\\Games \\\"new\\\"\"\n\"X\"=hex:01,02\n\n[HKEY_LOCAL_MACHINE\\Software\\Zed]\n"},
        {"\xEF\xBB\xBFREGEDIT4\r\n\r\n\"BeforeAnyKey\"=\"lost\"\r\n" + vantor +
             "\"Good\"=\"kept\"\r\n"
             "\"Open\"=\"unterminated\r\n\"NoEquals\"\r\n\"BadDword\"=dword:123456789\r\n\"Number\"=dword:0000002A\r\n"
             "\"BadHex\"=hex:0g\r\n\"Trailing\"=\"x\" junk\r\n; a comment\r\n[HKEY_LOCAL_MACHINE\\Software\\Broken\r\n"
             "\"Orphan\"=\"lost\"\r\n[HKEY_CURRENT_USER\\Software\\Helmwick\\Vantor]\r\n\"Foreign\"=\"lost\"\r\n" +
             vantor + "\"Cut\"=\"/opt/vant",
         vantor + "\"Good\"=\"kept\"\n\"Number\"=dword:0000002a\n" + path},
    };
    for (const auto& [stored, rewritten] : storedAndRewritten) {
        writeBytes(m_hive, stored);
        createKey();
        write("Path", text("/opt/vantor"));
        EXPECT_EQ(readBytes(m_hive), "REGEDIT4\n\n" + rewritten + "\n") << stored;
        EXPECT_EQ(read("Multi"), kEmpty);  // a kind the game does not write reads as nothing, and is kept
    }
}

TEST_F(RegistryStoreTest, AStoreThatCannotBeWrittenIsSilentAndAHiveThatCannotBeReadIsNeverReplaced)
{
    writeBytes(m_folder.file("blocker"), "not a folder");
    for (const std::string& folder : {m_folder.file("blocker") + "/Helmwick", std::string()}) {
        RegistryStore store(folder);
        EXPECT_NO_THROW(recordProgramFolder(store, "/opt/vantor"));
        EXPECT_EQ(store.readValue(kMachine, kGameKey, "Path"), kEmpty);
    }
    EXPECT_EQ(readBytes(m_folder.file("blocker")), "not a folder");
    // Over the size the reader takes, and a folder where the file should be: both may hold what others stored.
    const std::string oversized = "REGEDIT4\n" + std::string(5 * 1024 * 1024, ';');
    writeBytes(m_hive, oversized);
    createKey();
    write("Path", text("/opt/vantor"));
    EXPECT_EQ(readBytes(m_hive), oversized);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(m_hive)) && QDir().mkpath(QString::fromStdString(m_hive)));
    createKey();
    EXPECT_TRUE(QFileInfo(QString::fromStdString(m_hive)).isDir());
}

TEST_F(RegistryStoreTest, TwoProgramsWritingAtOnceKeepEachOthersValues)
{
    // Each writer is a process of its own that waits for the start pipe to close, so that both run before either
    // writes, writes its values, alternately as text and as numbers, and reports on the done pipe when its writing
    // began and ended on the steady clock.
    constexpr int kValuesEach = 200;
    const auto value = [](const std::string& prefix, int i) {
        return i % 2 ? RegistryValue(i) : text(prefix + " text " + std::to_string(i));
    };
    const std::string prefixes[] = {"First", "Second"};
    int start[2], done[2];
    ASSERT_TRUE(pipe(start) == 0 && pipe(done) == 0);
    for (const std::string& prefix : prefixes) {
        if (fork() != 0)
            continue;
        close(start[1]);
        char none;
        const bool started = ::read(start[0], &none, 1) == 0;
        const auto now = [] { return std::chrono::steady_clock::now().time_since_epoch().count(); };
        const long long began = now();
        RegistryStore store(m_folder.path());
        store.createKey(RootKey::CurrentUser, kSharedKey);
        for (int i = 0; i < kValuesEach; ++i)
            store.writeValue(RootKey::CurrentUser, kSharedKey, prefix + std::to_string(i), value(prefix, i),
                             i % 2 ? kRegDword : kRegSz);
        const long long times[] = {began, now()};
        _exit(started && ::write(done[1], times, sizeof times) == sizeof times ? 0 : 1);
    }
    close(start[0]);
    close(start[1]);
    close(done[1]);
    long long times[2][2] = {};
    for (auto& writer : times)
        ASSERT_EQ(::read(done[0], writer, sizeof writer), ssize_t{sizeof writer}) << "a writer failed";
    ASSERT_TRUE(times[0][0] < times[1][1] && times[1][0] < times[0][1]) << "the writers did not write at the same time";
    for (const std::string& prefix : prefixes)
        for (int i = 0; i < kValuesEach; ++i)
            EXPECT_EQ(m_store.readValue(RootKey::CurrentUser, kSharedKey, prefix + std::to_string(i)), value(prefix, i))
                << prefix << i;
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(m_store.hiveFilePath(RootKey::CurrentUser) + ".lock")));
}
