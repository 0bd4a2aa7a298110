#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <limits>

#include "atomic_file.h"
#include "program_folder_record.h"
#include "registry_store.h"

namespace {

constexpr char kGameKey[] = "Software\\Helmwick\\Vantor";
constexpr RegistryType kRegBinary = 3;

RegistryValue text(std::string value)
{
    return RegistryValue(std::move(value));
}

const RegistryValue kEmpty;

std::string fileText(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return "(missing)";
    return file.readAll().toStdString();
}

class RegistryStoreTest : public ::testing::Test {
protected:
    std::string machineHive() const { return m_store.hiveFilePath(RootKey::LocalMachine); }

    void writeMachineHive(const std::string& bytes) { ASSERT_FALSE(writeFileAtomically(machineHive(), bytes)); }

    void writeGameValue(const std::string& name, const RegistryValue& value, RegistryType type)
    {
        m_store.RegistryWriteValue(RootKey::LocalMachine, kGameKey, name, value, type);
    }

    RegistryValue readGameValue(const std::string& name) const
    {
        return m_store.RegistryReadValue(RootKey::LocalMachine, kGameKey, name);
    }

    QTemporaryDir m_folder;
    RegistryStore m_store{m_folder.path().toStdString()};
};

}  // namespace

TEST_F(RegistryStoreTest, TextReadsBackExactlyAsWritten)
{
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    const std::string texts[] = {
        "/home/ann/Games/Vantor",
        "  leading and trailing spaces  ",
        "say \"hi\"",
        "\"",
        "C:\\Program Files\\Vantor\\",
        "\\\\server\\share",
        "Ærøskøbing — 日本語 ✓",
        "",
        "tab\there",
        "two\nlines\r\nand a return\r",
        "ends with a backslash\\",
        "=\"x\"=dword:00000001",
    };
    for (const std::string& written : texts) {
        writeGameValue("Text", text(written), kRegSz);
        EXPECT_EQ(readGameValue("Text"), text(written)) << written;
    }
    // A value written after a text with line breaks still reads: the file kept its lines.
    writeGameValue("After", text("still here"), kRegSz);
    EXPECT_EQ(readGameValue("After"), text("still here"));
    EXPECT_EQ(readGameValue("Text"), text("=\"x\"=dword:00000001"));
}

TEST_F(RegistryStoreTest, HiveFileIsTheRegistryExportText)
{
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    writeGameValue("Path", text("C:\\Games\\Vantor \"new\""), kRegSz);
    writeGameValue("Count", 42, kRegDword);
    writeGameValue("", text("default"), kRegSz);
    writeGameValue("Lines", text("a\nb"), kRegSz);
    m_store.RegistryCreateKey(RootKey::LocalMachine, "Software\\Helmwick\\Ornavel");

    EXPECT_EQ(QFileInfo(QString::fromStdString(machineHive())).fileName(), "HKEY_LOCAL_MACHINE.reg");
    EXPECT_EQ(fileText(machineHive()),
              "REGEDIT4\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Ornavel]\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n"
              "@=\"default\"\n"
              "\"Count\"=dword:0000002a\n"
              "\"Lines\"=hex(1):61,0a,62\n"
              "\"Path\"=\"C:\\\\Games\\\\Vantor \\\"new\\\"\"\n"
              "\n");
}

TEST_F(RegistryStoreTest, DwordsRoundTripAsSigned32BitIntegers)
{
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    const std::int32_t numbers[] = {
        0, 1, 42, -1, -2, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t written : numbers) {
        writeGameValue("Number", written, kRegDword);
        EXPECT_EQ(readGameValue("Number"), RegistryValue(written)) << written;
    }

    writeGameValue("Minus", -1, kRegDword);
    EXPECT_NE(fileText(machineHive()).find("\"Minus\"=dword:ffffffff\n"), std::string::npos);
    writeMachineHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"High\"=dword:80000000\n");
    EXPECT_EQ(readGameValue("High"), RegistryValue(std::numeric_limits<std::int32_t>::min()));
}

TEST_F(RegistryStoreTest, ValuesConvertToTheTypeTheyAreWrittenAs)
{
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    writeGameValue("NumberAsText", 42, kRegSz);
    EXPECT_EQ(readGameValue("NumberAsText"), text("42"));
    writeGameValue("TextAsNumber", text(" -7 "), kRegDword);
    EXPECT_EQ(readGameValue("TextAsNumber"), RegistryValue(-7));
    writeGameValue("EmptyAsText", kEmpty, kRegSz);
    EXPECT_EQ(readGameValue("EmptyAsText"), text(""));
    writeGameValue("EmptyAsNumber", kEmpty, kRegDword);
    EXPECT_EQ(readGameValue("EmptyAsNumber"), RegistryValue(0));

    for (const char* notANumber : {"abc", "12abc", "", "4294967295", "2147483648", "1.5"}) {
        writeGameValue("Bad", text(notANumber), kRegDword);
        EXPECT_EQ(readGameValue("Bad"), kEmpty) << notANumber;
    }
}

TEST_F(RegistryStoreTest, NothingIsWrittenIntoAMissingKeyOrAsAnotherType)
{
    writeGameValue("Path", text("/opt/vantor"), kRegSz);
    EXPECT_EQ(readGameValue("Path"), kEmpty);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(machineHive())));

    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    m_store.RegistryWriteValue(RootKey::LocalMachine, "Software\\Helmwick\\Other", "Path", text("x"), kRegSz);
    EXPECT_EQ(m_store.RegistryReadValue(RootKey::LocalMachine, "Software\\Helmwick\\Other", "Path"), kEmpty);
    writeGameValue("Binary", text("x"), kRegBinary);
    EXPECT_EQ(readGameValue("Binary"), kEmpty);
    EXPECT_EQ(fileText(machineHive()), "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\n");

    // Creating a key creates the keys above it; they can be written into at once.
    m_store.RegistryWriteValue(RootKey::LocalMachine, "Software\\Helmwick", "Vendor", text("Helmwick"), kRegSz);
    EXPECT_EQ(m_store.RegistryReadValue(RootKey::LocalMachine, "Software\\Helmwick", "Vendor"), text("Helmwick"));
    EXPECT_NE(fileText(machineHive()).find("[HKEY_LOCAL_MACHINE\\Software\\Helmwick]\n\"Vendor\"=\"Helmwick\"\n"),
              std::string::npos);
}

TEST_F(RegistryStoreTest, KeyPathsAndValueNamesIgnoreLetterCase)
{
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    m_store.RegistryCreateKey(RootKey::LocalMachine, "SOFTWARE\\HELMWICK\\VANTOR");
    m_store.RegistryWriteValue(RootKey::LocalMachine, "software\\helmwick\\vantor", "PATH", text("a"), kRegSz);
    writeGameValue("Path", text("b"), kRegSz);
    writeGameValue("Ärger", text("c"), kRegSz);
    writeGameValue("äRGER", text("d"), kRegSz);

    EXPECT_EQ(m_store.RegistryReadValue(RootKey::LocalMachine, "SoFtWaRe\\Helmwick\\VANTOR", "path"), text("b"));
    EXPECT_EQ(readGameValue("ärger"), text("d"));
    // One key and one value each, spelled as first written.
    EXPECT_EQ(fileText(machineHive()),
              "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"PATH\"=\"b\"\n\"Ärger\"=\"d\"\n\n");
}

TEST_F(RegistryStoreTest, PathsThatNameNoKeyAreRefusedAndTheEmptyPathIsTheRoot)
{
    for (const char* bad : {"\\Software", "Software\\", "Software\\\\Vantor", "Soft\nware", "Soft\rware"}) {
        m_store.RegistryCreateKey(RootKey::LocalMachine, bad);
        m_store.RegistryWriteValue(RootKey::LocalMachine, bad, "Path", text("x"), kRegSz);
        EXPECT_EQ(m_store.RegistryReadValue(RootKey::LocalMachine, bad, "Path"), kEmpty) << bad;
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(machineHive())));

    m_store.RegistryWriteValue(RootKey::LocalMachine, "", "AtRoot", 5, kRegDword);
    EXPECT_EQ(m_store.RegistryReadValue(RootKey::LocalMachine, "", "AtRoot"), RegistryValue(5));
    EXPECT_EQ(fileText(machineHive()), "REGEDIT4\n\n[HKEY_LOCAL_MACHINE]\n\"AtRoot\"=dword:00000005\n\n");
}

TEST_F(RegistryStoreTest, EachRootKeepsItsOwnHive)
{
    for (RootKey root : {RootKey::ClassesRoot, RootKey::CurrentUser, RootKey::LocalMachine, RootKey::Users}) {
        m_store.RegistryCreateKey(root, kGameKey);
        m_store.RegistryWriteValue(root, kGameKey, "Root", static_cast<std::int32_t>(root), kRegDword);
    }
    for (RootKey root : {RootKey::ClassesRoot, RootKey::CurrentUser, RootKey::LocalMachine, RootKey::Users})
        EXPECT_EQ(m_store.RegistryReadValue(root, kGameKey, "Root"), RegistryValue(static_cast<std::int32_t>(root)));
    EXPECT_EQ(m_store.hiveFilePath(RootKey::ClassesRoot), m_folder.filePath("HKEY_CLASSES_ROOT.reg").toStdString());
    EXPECT_EQ(m_store.hiveFilePath(RootKey::Users), m_folder.filePath("HKEY_USERS.reg").toStdString());

    const auto notARoot = static_cast<RootKey>(0x80000009u);
    EXPECT_EQ(m_store.hiveFilePath(notARoot), "");
    m_store.RegistryCreateKey(notARoot, kGameKey);
    m_store.RegistryWriteValue(notARoot, kGameKey, "Root", 1, kRegDword);
    EXPECT_EQ(m_store.RegistryReadValue(notARoot, kGameKey, "Root"), kEmpty);
}

TEST(RegistryTypedValues, InnerProceduresReportTheirStatus)
{
    Hive hive = parseHive(RootKey::LocalMachine,
                          "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n"
                          "\"X\"=hex:01,02\n\"Multi\"=hex(7):41,00,00,00\n\"Text\"=\"t\"\n\"Short\"=hex(4):01,02\n");
    const OpenKey key{hive.openKey(kGameKey)};
    ASSERT_NE(key.key, nullptr);

    RegistryValue value = text("left over");
    EXPECT_EQ(ReadTypedValue(key, "X", value), kStatusOtherType);
    EXPECT_EQ(value, kEmpty);
    value = text("left over");
    EXPECT_EQ(ReadTypedValue(key, "Multi", value), kStatusOtherType);
    EXPECT_EQ(value, kEmpty);
    EXPECT_EQ(ReadTypedValue(key, "Short", value), kStatusInvalidData);
    EXPECT_EQ(value, kEmpty);
    EXPECT_EQ(ReadTypedValue(key, "Missing", value), kStatusFileNotFound);
    EXPECT_EQ(ReadTypedValue(key, "text", value), kStatusSuccess);
    EXPECT_EQ(value, text("t"));
    EXPECT_EQ(ReadTypedValue(OpenKey{}, "Text", value), kStatusInvalidHandle);
    EXPECT_EQ(value, kEmpty);

    EXPECT_EQ(WriteTypedValue(key, "Bin", kRegBinary, text("x")), kStatusSuccess);
    EXPECT_EQ(key.key->findValue("Bin"), nullptr);
    EXPECT_EQ(WriteTypedValue(OpenKey{}, "Text", kRegSz, text("x")), kStatusInvalidHandle);
    EXPECT_EQ(WriteTypedValue(key, "Bad", kRegDword, text("x")), kStatusInvalidData);
    EXPECT_EQ(WriteTypedValue(key, "Two\nLines", kRegSz, text("x")), kStatusInvalidParameter);
    EXPECT_EQ(key.key->values.size(), 4u);
    EXPECT_EQ(WriteTypedValue(key, "N", kRegDword, -3), kStatusSuccess);
    EXPECT_EQ(ReadTypedValue(key, "n", value), kStatusSuccess);
    EXPECT_EQ(value, RegistryValue(-3));
}

TEST_F(RegistryStoreTest, ValuesOfOtherTypesReadEmptyAndSurviveARewrite)
{
    writeMachineHive(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"X\"=hex:01,02\n\"Multi\"=hex(7):41,00,00,"
        "00\n");
    EXPECT_EQ(readGameValue("X"), kEmpty);
    writeGameValue("Path", text("/opt/vantor"), kRegSz);
    EXPECT_EQ(fileText(machineHive()),
              "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"Multi\"=hex(7):41,00,00,00\n"
              "\"Path\"=\"/opt/vantor\"\n\"X\"=hex:01,02\n\n");
}

TEST_F(RegistryStoreTest, GarbageHiveReadsAsEmptyAndIsRewrittenCleanly)
{
    for (const std::string& garbage : {std::string("\x7f"
                                                   "ELF\x01\x02\x00\xff garbage",
                                                   16),
                                       std::string("REGEDIT5\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n"
                                                   "\"Path\"=\"/old\"\n"),
                                       std::string("")}) {
        writeMachineHive(garbage);
        EXPECT_EQ(readGameValue("Path"), kEmpty);
        m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
        writeGameValue("Path", text("/opt/vantor"), kRegSz);
        EXPECT_EQ(fileText(machineHive()),
                  "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"Path\"=\"/opt/vantor\"\n\n");
    }
}

TEST_F(RegistryStoreTest, DamagedLinesAreSkippedAndTheGoodOnesKept)
{
    writeMachineHive(
        "\xEF\xBB\xBFREGEDIT4\r\n"
        "\r\n"
        "\"BeforeAnyKey\"=\"lost\"\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\r\n"
        "\"Good\"=\"kept\"\r\n"
        "\"Open\"=\"unterminated\r\n"
        "no equals sign\r\n"
        "\"NoEquals\"\r\n"
        "\"BadDword\"=dword:zz\r\n"
        "\"LongDword\"=dword:123456789\r\n"
        "\"Number\"=dword:0000002A\r\n"
        "\"BadHex\"=hex:0g\r\n"
        "\"Trailing\"=\"x\" junk\r\n"
        "; a comment\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Broken\r\n"
        "\"Orphan\"=\"lost\"\r\n"
        "[HKEY_CURRENT_USER\\Software\\Helmwick\\Vantor]\r\n"
        "\"Foreign\"=\"lost\"\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\\\Helmwick]\r\n"
        "\"EmptyPart\"=\"lost\"\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\r\n"
        "\"Path\"=\"/opt/vant");
    EXPECT_EQ(readGameValue("Good"), text("kept"));
    EXPECT_EQ(readGameValue("Number"), RegistryValue(42));
    for (const char* lost : {"BeforeAnyKey", "Open", "NoEquals", "BadDword", "LongDword", "BadHex", "Trailing",
                             "Orphan", "Foreign", "EmptyPart", "Path"})
        EXPECT_EQ(readGameValue(lost), kEmpty) << lost;

    writeGameValue("Path", text("/opt/vantor"), kRegSz);
    EXPECT_EQ(fileText(machineHive()),
              "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"Good\"=\"kept\"\n"
              "\"Number\"=dword:0000002a\n\"Path\"=\"/opt/vantor\"\n\n");
}

TEST_F(RegistryStoreTest, OversizedHivesAreNeitherReadNorWritten)
{
    const std::string huge(5 * 1024 * 1024, 'x');
    writeMachineHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"Path\"=\"/opt\"\n\"Big\"=\"" +
                     huge + "\"\n");
    EXPECT_EQ(readGameValue("Path"), kEmpty);

    writeMachineHive("");
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    writeGameValue("Path", text("/opt"), kRegSz);
    writeGameValue("Big", text(huge), kRegSz);
    EXPECT_EQ(readGameValue("Big"), kEmpty);
    EXPECT_EQ(readGameValue("Path"), text("/opt"));
}

TEST_F(RegistryStoreTest, WriteIsSkippedWhileAnotherProgramHoldsTheLock)
{
    m_store.RegistryCreateKey(RootKey::LocalMachine, kGameKey);
    QLockFile otherProgram(QString::fromStdString(machineHive() + ".lock"));
    ASSERT_TRUE(otherProgram.tryLock(0));
    writeGameValue("Path", text("/opt/vantor"), kRegSz);
    otherProgram.unlock();
    EXPECT_EQ(readGameValue("Path"), kEmpty);
    writeGameValue("Path", text("/opt/vantor"), kRegSz);
    EXPECT_EQ(readGameValue("Path"), text("/opt/vantor"));
}

TEST_F(RegistryStoreTest, StoreInAFolderThatCannotBeMadeIsSilent)
{
    const QString blocker = m_folder.filePath("blocker");
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
    }
    for (const std::string& folder : {(blocker + "/Helmwick").toStdString(), std::string()}) {
        RegistryStore store(folder);
        EXPECT_NO_THROW(store.RegistryCreateKey(RootKey::LocalMachine, kGameKey));
        EXPECT_NO_THROW(store.RegistryWriteValue(RootKey::LocalMachine, kGameKey, "Path", text("/opt"), kRegSz));
        EXPECT_NO_THROW(recordProgramFolder(store, "/opt/vantor"));
        EXPECT_EQ(store.RegistryReadValue(RootKey::LocalMachine, kGameKey, "Path"), kEmpty);
    }
    EXPECT_EQ(fileText(blocker.toStdString()), "not a folder");
}

TEST_F(RegistryStoreTest, ProgramFolderIsRecordedAtEveryStart)
{
    recordProgramFolder(m_store, "/opt/vantor");
    EXPECT_EQ(readGameValue("Path"), text("/opt/vantor"));
    EXPECT_EQ(fileText(machineHive()),
              "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"Path\"=\"/opt/vantor\"\n\n");

    recordProgramFolder(m_store, "/home/ann/Games/Vantor 2");
    EXPECT_EQ(readGameValue("Path"), text("/home/ann/Games/Vantor 2"));
    EXPECT_EQ(
        fileText(machineHive()),
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"Path\"=\"/home/ann/Games/Vantor 2\"\n\n");

    writeMachineHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"Path\"=\"\"\n");
    recordProgramFolder(m_store, "/opt/vantor");
    EXPECT_EQ(readGameValue("Path"), text("/opt/vantor"));
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
    for (QProcess& writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(120000));
        ASSERT_EQ(writer.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    }

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
    const std::string hiveText = fileText(store.hiveFilePath(RootKey::CurrentUser));
    Hive hive = parseHive(RootKey::CurrentUser, hiveText);
    ASSERT_NE(hive.openKey(key), nullptr);
    EXPECT_EQ(hive.openKey(key)->values.size(), 2u * kValuesEach);
    EXPECT_EQ(serialiseHive(hive), hiveText);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(store.hiveFilePath(RootKey::CurrentUser) + ".lock")));
}
