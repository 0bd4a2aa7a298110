#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <limits>
#include <sstream>

#include "atomic_file.h"
#include "program_folder_record.h"
#include "registry_hive_text.h"
#include "registry_store.h"

namespace {

constexpr char kGameKey[] = "Software\\Helmwick\\Vantor";
constexpr RegistryType kRegBinary = 3;
const RegistryValue kEmpty;

RegistryValue text(std::string value)
{
    return RegistryValue(std::move(value));
}

// The machine hive holding only the game's key with these value lines.
std::string gameHive(const std::string& valueLines)
{
    return "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n" + valueLines + "\n";
}

class RegistryStoreTest : public ::testing::Test {
protected:
    std::string hivePath() const { return m_store.hiveFilePath(RootKey::LocalMachine); }
    std::string hiveText() const
    {
        QFile file(QString::fromStdString(hivePath()));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(missing)";
    }
    void replaceHive(const std::string& bytes) { ASSERT_FALSE(writeFileAtomically(hivePath(), bytes)); }

    void write(const std::string& name, const RegistryValue& value, RegistryType type)
    {
        m_store.RegistryWriteValue(RootKey::LocalMachine, kGameKey, name, value, type);
    }
    RegistryValue read(const std::string& name) const
    {
        return m_store.RegistryReadValue(RootKey::LocalMachine, kGameKey, name);
    }

    QTemporaryDir m_folder;
    RegistryStore m_store{m_folder.path().toStdString()};
};

}  // namespace

TEST_F(RegistryStoreTest, TextIsStoredAsRegSzAndReadsBackExactly)
{
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    for (const char* written : {"/home/ann/Games/Vantor", "  spaces  ", "say \"hi\"", "\"",
                                "C:\\Program Files\\Vantor\\", "\\\\server\\share", "Ærøskøbing — 日本語 ✓", "",
                                "tab\there", "two\nlines\r\nand a return\r", "=\"x\"=dword:00000001"}) {
        write("Text", text(written), kRegSz);
        EXPECT_EQ(read("Text"), text(written)) << written;
    }
    write("Number", 42, kRegSz);
    EXPECT_EQ(read("Number"), text("42"));
}

TEST_F(RegistryStoreTest, HiveFileIsTheRegistryExportTextWithNamesMatchedWithoutCase)
{
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    write("Path", text("old"), kRegSz);
    m_store.RegistryWriteValue(RootKey::LocalMachine, "SOFTWARE\\helmwick\\vantor", "PATH",
                               text("C:\\Games\\Vantor \"new\""), kRegSz);
    write("Minus", -1, kRegDword);
    write("", text("default"), kRegSz);
    write("Lines", text("a\nb"), kRegSz);
    m_store.RegistryCreateKey(RootKey::LocalMachine, "Software\\Helmwick\\Ornavel");

    EXPECT_EQ(QFileInfo(QString::fromStdString(hivePath())).fileName(), "HKEY_LOCAL_MACHINE.reg");
    EXPECT_EQ(hiveText(),
              "REGEDIT4\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Ornavel]\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n"
              "@=\"default\"\n"
              "\"Lines\"=hex(1):61,0a,62\n"  // REG_SZ, with no terminating zero byte
              "\"Minus\"=dword:ffffffff\n"
              "\"Path\"=\"C:\\\\Games\\\\Vantor \\\"new\\\"\"\n\n");
}

TEST_F(RegistryStoreTest, DwordsRoundTripAndOnlyNumbersInRangeConvertToThem)
{
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    for (std::int32_t written :
         {0, 42, -1, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}) {
        write("Number", written, kRegDword);
        EXPECT_EQ(read("Number"), RegistryValue(written)) << written;
    }
    write("FromText", text(" -7 "), kRegDword);
    EXPECT_EQ(read("FromText"), RegistryValue(-7));
    for (const char* notANumber : {"abc", "12abc", "", "2147483648", "1.5"}) {
        write("Bad", text(notANumber), kRegDword);
        EXPECT_EQ(read("Bad"), kEmpty) << notANumber;
    }
}

TEST_F(RegistryStoreTest, NothingIsWrittenIntoAMissingKeyOrAsAnotherTypeAndOtherTypesReadEmpty)
{
    write("Path", text("/opt/vantor"), kRegSz);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(hivePath())));

    const std::string stored = gameHive("\"Multi\"=hex(7):41,00,00,00\n\"X\"=hex:01,02\n");
    replaceHive(stored);
    EXPECT_EQ(read("X"), kEmpty);
    Hive hive = parseHive(RootKey::LocalMachine, stored);
    RegistryValue value = text("left over");
    EXPECT_EQ(ReadTypedValue(OpenKey{hive.openKey(kGameKey)}, "Multi", value), kStatusOtherType);
    EXPECT_EQ(value, kEmpty);

    write("Binary", text("x"), kRegBinary);
    write("Path", text("/opt/vantor"), kRegSz);
    EXPECT_EQ(hiveText(), gameHive("\"Multi\"=hex(7):41,00,00,00\n\"Path\"=\"/opt/vantor\"\n\"X\"=hex:01,02\n"));
}

TEST_F(RegistryStoreTest, DamagedHiveKeepsOnlyTheLinesThatCanBeReadAndIsRewrittenCleanly)
{
    const std::pair<std::string, std::string> damagedAndKept[] = {
        {std::string("\177ELF\1\2\0\377 garbage", 16), ""},
        {"REGEDIT5\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"Path\"=\"/old\"\n", ""},
        {"", ""},
        {"\xEF\xBB\xBFREGEDIT4\r\n\r\n"
         "\"BeforeAnyKey\"=\"lost\"\r\n"
         "[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\r\n"
         "\"Good\"=\"kept\"\r\n"
         "\"Open\"=\"unterminated\r\n"
         "\"NoEquals\"\r\n"
         "\"BadDword\"=dword:123456789\r\n"
         "\"Number\"=dword:0000002A\r\n"
         "\"BadHex\"=hex:0g\r\n"
         "\"Trailing\"=\"x\" junk\r\n"
         "; a comment\r\n"
         "[HKEY_LOCAL_MACHINE\\Software\\Broken\r\n"
         "\"Orphan\"=\"lost\"\r\n"
         "[HKEY_CURRENT_USER\\Software\\Helmwick\\Vantor]\r\n"
         "\"Foreign\"=\"lost\"\r\n"
         "[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\r\n"
         "\"Path\"=\"/opt/vant",
         "\"Good\"=\"kept\"\n\"Number\"=dword:0000002a\n"},
    };
    for (const auto& [damaged, kept] : damagedAndKept) {
        replaceHive(damaged);
        EXPECT_EQ(read("Path"), kEmpty);
        m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
        write("Path", text("/opt/vantor"), kRegSz);
        EXPECT_EQ(hiveText(), gameHive(kept + "\"Path\"=\"/opt/vantor\"\n"));
    }
}

TEST_F(RegistryStoreTest, StoreThatCannotBeWrittenIsSilent)
{
    const QString blocker = m_folder.filePath("blocker");
    ASSERT_FALSE(writeFileAtomically(blocker.toStdString(), "not a folder"));
    for (const std::string& folder : {(blocker + "/Helmwick").toStdString(), std::string()}) {
        RegistryStore store(folder);
        EXPECT_NO_THROW(recordProgramFolder(store, "/opt/vantor"));
        EXPECT_EQ(store.RegistryReadValue(RootKey::LocalMachine, kGameKey, "Path"), kEmpty);
    }
    EXPECT_TRUE(QFileInfo(blocker).isFile());
}

TEST_F(RegistryStoreTest, AHiveThatCannotBeReadIsNeverReplaced)
{
    // Over the size the reader takes, and a folder where the file should be: both may hold what others stored.
    const std::string oversized = "REGEDIT4\n" + std::string(5 * 1024 * 1024, ';');
    replaceHive(oversized);
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    write("Path", text("/opt/vantor"), kRegSz);
    EXPECT_EQ(hiveText(), oversized);

    ASSERT_TRUE(QFile::remove(QString::fromStdString(hivePath())));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(hivePath())));
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(hivePath())).isDir());
}

TEST(RegistryStoreConcurrency, TwoProgramsWritingAtOnceKeepEachOthersValues)
{
    constexpr int kValuesEach = 200;
    const char* const prefixes[] = {"First", "Second"};
    QTemporaryDir folder;
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w].start(REGISTRY_WRITER, {folder.path(), prefixes[w], QString::number(kValuesEach)});
        ASSERT_TRUE(writers[w].waitForStarted());
    }
    // Both are running before either writes its first value.
    for (QProcess& writer : writers) {
        writer.write("go\n");
        ASSERT_TRUE(writer.waitForBytesWritten());
        writer.closeWriteChannel();
    }
    long long began[2] = {};
    long long ended[2] = {};
    for (int w = 0; w < 2; ++w) {
        ASSERT_TRUE(writers[w].waitForFinished(120000));
        ASSERT_EQ(writers[w].exitCode(), 0) << writers[w].readAllStandardError().toStdString();
        std::istringstream(writers[w].readAllStandardOutput().toStdString()) >> began[w] >> ended[w];
    }
    ASSERT_TRUE(began[0] < ended[1] && began[1] < ended[0]) << "the writers did not write at the same time";

    RegistryStore store(folder.path().toStdString());
    const std::string key = "Software\\Helmwick\\Shared";
    for (const char* prefix : prefixes) {
        for (int i = 0; i < kValuesEach; ++i) {
            const std::string name = prefix + std::to_string(i);
            const RegistryValue expected =
                i % 2 == 0 ? text(std::string(prefix) + " text " + std::to_string(i)) : RegistryValue(i);
            EXPECT_EQ(store.RegistryReadValue(RootKey::CurrentUser, key, name), expected) << name;
        }
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(store.hiveFilePath(RootKey::CurrentUser) + ".lock")));
}
