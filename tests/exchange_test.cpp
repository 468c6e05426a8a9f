// List files: export into them and import from them, against real INI files
// and the registry of the test prefix.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "app/Main.h"
#include "exchange/EntryMatch.h"
#include "exchange/ListFileExport.h"
#include "exchange/ListFileFormat.h"
#include "exchange/ListFileImport.h"
#include "list/FolderStore.h"
#include "list/PairWriter.h"
#include "platform/Errors.h"
#include "resource.h"
#include "support/TestSupport.h"
#include "ui/Text.h"

using namespace dirvane;
using namespace testing_support;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

std::string ReadBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The file's lines without their line ends, blank lines dropped.
std::vector<std::string> Lines(const std::string& file) {
    std::vector<std::string> out;
    std::istringstream in(ReadBytes(file));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            out.push_back(line);
        }
    }
    return out;
}

std::vector<FolderEntry> Entries(const Pairs& pairs) {
    std::vector<FolderEntry> out;
    for (const auto& [n, p] : pairs) {
        out.push_back(FolderEntry{n, p});
    }
    return out;
}

TEST(ListFileFormat, ExtensionRule) {
    struct Case {
        const char* chosen;
        const char* extension;
        const char* stored;
    };
    const Case cases[] = {
        {"backup", "", "backup.dvk"},
        {"backup.DVK", ".DVK", "backup.DVK"},
        {"backup.dVk", ".dVk", "backup.dVk"},
        {"backup.txt", ".txt", "backup.txt.dvk"},
        {"C:\\lists.dvk\\backup", "", "C:\\lists.dvk\\backup.dvk"},
        {"D:x.dvk", ".dvk", "D:x.dvk"},
        {"C:\\a.b:c", "", "C:\\a.b:c.dvk"},
        {"C:\\x.", ".", "C:\\x..dvk"},
        {"C:\\x.dvkx", ".dvkx", "C:\\x.dvkx.dvk"},
        // 0x5C as the trail byte of a double-byte character is no delimiter.
        {"C:\\x.\xB1\x5C", ".\xB1\x5C", "C:\\x.\xB1\x5C.dvk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(FileExtension(c.chosen), c.extension);
        EXPECT_EQ(WithListFileExtension(c.chosen), c.stored);
    }
}

TEST(EntryMatch, PathEqualityRule) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"c:\\temp", "C:\\TEMP\\", true},
        {"C:\\Temp\\", "c:\\temp", true},
        {"C:\\TEMP\\\\", "C:\\TEMP", false},
        {"-", "-", true},
        // The last byte 0x5C belongs to a double-byte character: a "\" is
        // appended, so the path does not equal the one without that byte.
        {"C:\\\xB1\x5C", "C:\\\xB1\x5C\\", true},
        {"C:\\\xB1\x5C", "C:\\\xB1", false},
        // Bytes of double-byte characters are not case-mapped.
        {"C:\\\x81\x61", "C:\\\x81\x41", false},
        {"C:\\\x81\x61x", "c:\\\x81\x61X\\", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(SamePath(c.a, c.b), c.same);
    }
}

class ExchangeTest : public ::testing::Test {
protected:
    static void Reset() {
        ResetProgramState();
    }
    void SetUp() override {
        Reset();
        frm = std::make_unique<TfrmMain>();
        DeleteProductKey();  // the first-start seeding is no part of these lists
        CreateDirectoryA(dir.c_str(), nullptr);
    }
    void TearDown() override {
        frm.reset();
        Reset();
        for (const auto& f : files) {
            DeleteFileA(f.c_str());
        }
        RemoveDirectoryA(dir.c_str());
    }

    std::string File(const std::string& name) {
        files.push_back(dir + name);
        return dir + name;
    }
    // The list and its stored copy, in step.
    void Fill(const Pairs& items) {
        frm->lvMain.Clear();
        DeleteProductKey();
        for (const auto& [name, path] : items) {
            frm->lvMain.Add(name, path);
        }
        frm->SaveItemRange(kProductKey, 0, frm->lvMain.Count() - 1);
    }
    Pairs Items() const {
        Pairs out;
        for (int i = 0; i < frm->lvMain.Count(); ++i) {
            out.emplace_back(frm->lvMain.Caption(i), frm->lvMain.SubItem(i));
        }
        return out;
    }
    // What the import command does, without its file dialog.
    int Import(const std::string& file) {
        PairWriter store(kProductKey);
        return ImportListFile(frm->lvMain, file, [&store](int index, const FolderEntry& e) {
            store.Write(index, e.name, e.path);
        });
    }

    const std::string dir = TestDir() + "exchange_files\\";
    std::vector<std::string> files;
    std::unique_ptr<TfrmMain> frm;
};

const Pairs kSample{{"Windows Directory", "C:\\WINDOWS"},
                    {"*Separator*", "-"},
                    {"\xCE\xC4\xBC\xFE", "D:\\\xCE\xC4\xBC\xFE\\"},
                    {"C:\\", "C:\\"}};

TEST_F(ExchangeTest, ExportWritesCountThenThePairsInOrder) {
    const std::string file = File("new.dvk");
    ExportListFile(Entries(kSample), file);
    EXPECT_EQ(Lines(file), (std::vector<std::string>{
                               "[Dirvane]", "Count=4", "N0=Windows Directory", "P0=C:\\WINDOWS",
                               "N1=*Separator*", "P1=-", "N2=\xCE\xC4\xBC\xFE",
                               "P2=D:\\\xCE\xC4\xBC\xFE\\", "N3=C:\\", "P3=C:\\"}));
}

TEST_F(ExchangeTest, ExportUpdatesAnExistingFileAsKeyByKeyWritesWould) {
    const std::string before =
        "[Other]\r\nx=1\r\n"
        "[dirvane]\r\nP0=old\r\nExtra=keep\r\ncount=9\r\nn1=old\r\nN8=stale\r\nP8=stale\r\n"
        "N0=first\r\nN0=second\r\n"
        "[Last]\r\ny=2\r\n";
    const std::string file = File("existing.dvk");
    const std::string oracle = File("oracle.dvk");
    WriteBytes(file, before);
    WriteBytes(oracle, before);
    const Pairs list{{"a", "C:\\a"}, {"b", "C:\\b"}};
    ExportListFile(Entries(list), file);

    // The system's own key-by-key writes give the expected file.
    WritePrivateProfileStringA("Dirvane", "Count", "2", oracle.c_str());
    for (size_t i = 0; i < list.size(); ++i) {
        WritePrivateProfileStringA("Dirvane", ("N" + std::to_string(i)).c_str(),
                                   list[i].first.c_str(), oracle.c_str());
        WritePrivateProfileStringA("Dirvane", ("P" + std::to_string(i)).c_str(),
                                   list[i].second.c_str(), oracle.c_str());
    }
    EXPECT_EQ(Lines(file), Lines(oracle));
    EXPECT_EQ(Lines(file),
              (std::vector<std::string>{"[Other]", "x=1", "[dirvane]", "P0=C:\\a", "Extra=keep",
                                        "count=2", "n1=b", "N8=stale", "P8=stale", "N0=a",
                                        "N0=second", "P1=C:\\b", "[Last]", "y=2"}));
}

TEST_F(ExchangeTest, ExportFailureIsReported) {
    const std::string file = dir + "no such folder\\list.dvk";
    try {
        ExportListFile(Entries(kSample), file);
        FAIL() << "no error";
    } catch (const platform::IniFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
    }
}

TEST_F(ExchangeTest, ImportIntoTheListItCameFromAddsNothing) {
    Pairs list = kSample;
    // Quotes are part of the name: read back as written, not stripped.
    list.emplace_back("\"quoted\"", "C:\\q");
    // Values longer than any fixed buffer come back whole.
    list.emplace_back(std::string(3000, 'n'), "C:\\" + std::string(5000, 'p'));
    Fill(list);
    const std::string file = File("round.dvk");
    ExportListFile(Entries(list), file);

    EXPECT_EQ(Import(file), 0);
    EXPECT_EQ(Items(), list);

    Fill({});
    EXPECT_EQ(Import(file), static_cast<int>(list.size()));
    EXPECT_EQ(Items(), list);
    EXPECT_EQ(StoredPairs(), list);
}

TEST_F(ExchangeTest, ImportSkipsEntriesAlreadyListed) {
    const Pairs listed{{"Temp", "C:\\TEMP\\"},
                       {"*Separator*", "-"},
                       {"DB", "C:\\\xB1\x5C"},
                       {"DB2", "C:\\\x81\x61"}};
    Fill(listed);
    const Pairs file{
        {"Temp", "c:\\temp"},      // path differs by case and trailing "\": listed
        {"Temp", "C:\\TEMP"},      // listed
        {"temp", "C:\\TEMP\\"},    // name differs by case: new
        {"*Separator*", "-"},      // listed
        {"DB", "C:\\\xB1\x5C\\"},  // listed: the last 0x5C is no delimiter
        {"DB2", "C:\\\x81\x41"},   // another character: new
        {"New", "E:\\new"},        // new
        {"New", "e:\\NEW\\"},      // appended just before: skipped
        {"temp", "c:\\temp"},      // likewise
    };
    const std::string path = File("dups.dvk");
    ExportListFile(Entries(file), path);

    EXPECT_EQ(Import(path), 3);
    Pairs expected = listed;
    expected.insert(expected.end(),
                    {{"temp", "C:\\TEMP\\"}, {"DB2", "C:\\\x81\x41"}, {"New", "E:\\new"}});
    EXPECT_EQ(Items(), expected);
    EXPECT_EQ(StoredPairs(), expected);
}

TEST_F(ExchangeTest, ImportSurvivesBadFiles) {
    std::mt19937 rng(42);
    std::string noise(64 * 1024, '\0');
    for (char& c : noise) {
        c = static_cast<char>(rng());
    }
    std::string noisySection = "[Dirvane]\r\nCount=50\r\n";
    for (int i = 0; i < 200; ++i) {
        noisySection += std::string(rng() % 2 ? "N" : "P") + std::to_string(rng() % 60) + "=";
        for (int k = rng() % 40; k > 0; --k) {
            noisySection += static_cast<char>(0x20 + rng() % 0xDF);
        }
        noisySection += "\r\n";
    }
    const std::string longName(100000, 'x');

    struct Case {
        const char* what;
        std::string bytes;
        bool exists;
        Pairs appended;
        bool check;  // false: any sound result will do
    };
    const Case cases[] = {
        {"random bytes", noise, true, {}, false},
        {"random keys and values", noisySection, true, {}, false},
        {"empty file", "", true, {}, true},
        {"no such file", "", false, {}, true},
        {"no section", "[Other]\r\nCount=1\r\nN0=a\r\nP0=b\r\n", true, {}, true},
        {"Count missing", "[Dirvane]\r\nN0=a\r\nP0=b\r\n", true, {}, true},
        {"Count not a number", "[Dirvane]\r\nCount=two\r\nN0=a\r\nP0=b\r\n", true, {}, true},
        {"Count negative", "[Dirvane]\r\nCount=-3\r\nN0=a\r\nP0=b\r\n", true, {}, true},
        {"Count hexadecimal",
         "[Dirvane]\r\nCount=0x2\r\nN0=a\r\nP0=b\r\nN1=c\r\nP1=d\r\n",
         true,
         {{"a", "b"}, {"c", "d"}},
         true},
        {"Count beyond the pairs",
         "[Dirvane]\r\nCount=2000000000\r\nN0=a\r\nP0=b\r\nN7=c\r\nP7=d\r\n",
         true,
         {{"a", "b"}, {"c", "d"}},
         true},
        {"Count below the pairs",
         "[Dirvane]\r\nCount=1\r\nN0=a\r\nP0=b\r\nN1=c\r\nP1=d\r\n",
         true,
         {{"a", "b"}},
         true},
        {"keys missing or empty",
         "[Dirvane]\r\nCount=4\r\nN0=a\r\nP0=\r\nP1=x\r\nN2=\r\nP2=y\r\nN3=c\r\nP3=z\r\n",
         true,
         {{"c", "z"}},
         true},
        {"section and keys in other cases",
         "[DIRVANE]\r\ncount=1\r\nn0=a\r\np0=b\r\n",
         true,
         {{"a", "b"}},
         true},
        {"blanks around keys and values",
         "[Dirvane]\r\n Count = 1 \r\n N0 = a \r\n P0 =\tb \r\n",
         true,
         {{"a", "b"}},
         true},
        {"first of repeated keys",
         "[Dirvane]\r\nCount=1\r\nN0=a\r\nN0=z\r\nP0=b\r\n",
         true,
         {{"a", "b"}},
         true},
        {"leading zeros are other keys",
         "[Dirvane]\r\nCount=2\r\nN01=a\r\nP01=b\r\n",
         true,
         {},
         true},
        {"very long line",
         "[Dirvane]\r\nCount=1\r\nN0=" + longName + "\r\nP0=C:\\\r\n",
         true,
         {{longName, "C:\\"}},
         true},
    };
    const Pairs listed{{"kept", "C:\\kept"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fill(listed);
        const std::string file = File("bad.dvk");
        DeleteFileA(file.c_str());
        if (c.exists) {
            WriteBytes(file, c.bytes);
        }
        Import(file);
        const Pairs items = Items();
        ASSERT_GE(items.size(), 1u);
        EXPECT_EQ(items.front(), listed.front());
        if (c.check) {
            Pairs expected = listed;
            expected.insert(expected.end(), c.appended.begin(), c.appended.end());
            EXPECT_EQ(items, expected);
        }
        for (const auto& [name, path] : items) {
            EXPECT_FALSE(name.empty());
            EXPECT_FALSE(path.empty());
        }
        EXPECT_EQ(StoredPairs(), items);
    }
}

TEST_F(ExchangeTest, ImportStopsQuietlyAtAStoreErrorKeepingWhatWasAppended) {
    Fill({});
    const std::string file = File("err.dvk");
    ExportListFile(Entries(kSample), file);
    int stored = 0;
    const int appended = ImportListFile(frm->lvMain, file, [&stored](int, const FolderEntry&) {
        if (++stored == 2) {
            throw platform::RegistryError("Failed to set data for 'N1'");
        }
    });
    EXPECT_EQ(appended, 2);
    EXPECT_EQ(Items(), Pairs(kSample.begin(), kSample.begin() + 2));
}

// The commands themselves, with their file dialogs answered.
TEST_F(ExchangeTest, ExportAndImportCommands) {
    Fill(kSample);
    const std::string chosen = dir + "handler";
    const std::string file = File("handler.dvk");
    WriteBytes(file, "[Dirvane]\r\nCount=0\r\n");

    // The chosen name gets its extension; that file exists: No leaves it.
    frm->SaveDialog1.SetFileName(chosen);
    {
        DialogAnswerer save(IDOK, ui::LoadStr(IDS_EXPORT_TITLE));
        DialogAnswerer question(IDNO);
        frm->miExportClick();
        EXPECT_TRUE(save.Answered());
        EXPECT_EQ(question.Text(),
                  file + " \xD2\xD1\xB4\xE6\xD4\xDA, \xD2\xAA\xB8\xB2\xB8\xC7\xC2\xF0?");
    }
    EXPECT_EQ(Lines(file), (std::vector<std::string>{"[Dirvane]", "Count=0"}));
    EXPECT_EQ(frm->SaveDialog1.Filter(), ui::LoadStr(IDS_DVK_FILTER));
    EXPECT_EQ(frm->SaveDialog1.Filter().substr(frm->SaveDialog1.Filter().size() - 5), "| *.*");
    // The dialog keeps the name the user chose, without the added extension.
    EXPECT_EQ(frm->SaveDialog1.FileName(), chosen);
    {
        DialogAnswerer save(IDOK, ui::LoadStr(IDS_EXPORT_TITLE));
        DialogAnswerer question(IDYES);
        frm->miExportClick();
        EXPECT_TRUE(question.Answered());
    }
    EXPECT_EQ(Lines(file).size(), 2 + 2 * kSample.size());

    Fill({{"kept", "C:\\kept"}});
    frm->OpenDialog1.SetFileName(file);
    {
        DialogAnswerer open(IDOK, ui::LoadStr(IDS_IMPORT_TITLE));
        frm->miImportClick();
        EXPECT_TRUE(open.Answered());
    }
    Pairs expected{{"kept", "C:\\kept"}};
    expected.insert(expected.end(), kSample.begin(), kSample.end());
    EXPECT_EQ(Items(), expected);
    EXPECT_EQ(StoredPairs(), expected);
}

}  // namespace
