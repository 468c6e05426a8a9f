// Where the help menu looks for the help file, and the help file the build
// puts there.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "app/HelpFile.h"
#include "platform/FileSystem.h"
#include "support/TestSupport.h"

using namespace dirvane;

namespace {

TEST(HelpFile, FolderComesFromParameterZero) {
    const std::string module = "D:\\Module\\Dirvane.exe";
    struct Case {
        std::string param0;
        std::string folder;
    } cases[] = {
        {"C:\\Program Files\\Dirvane\\Dirvane.exe", "C:\\Program Files\\Dirvane\\"},
        {"c:\\dv\\Dirvane.exe", "c:\\dv\\"},
        {"\\\\server\\tools\\Dirvane.exe", "\\\\server\\tools\\"},
        // The last "\" of the name is the second byte of a double-byte character.
        {"C:\\Tools\\\x90\x5C"
         "Dirvane.exe",
         "C:\\Tools\\"},
        // No full path: the module's own folder.
        {"Dirvane", "D:\\Module\\"},
        {"bin\\Dirvane.exe", "D:\\Module\\"},
        {"", "D:\\Module\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.param0);
        EXPECT_EQ(ProgramFolder(c.param0, module), c.folder);
    }
    EXPECT_EQ(HelpFilePath(), platform::ExeDir() + "Dirvane.chm");
}

// The directory of a compiled help file (ITSF header, ITSP directory of
// PMGL chunks): file name -> uncompressed length.
std::map<std::string, std::uint64_t> ChmDirectory(const std::string& bytes) {
    auto u32 = [&](size_t at) -> std::uint32_t {
        if (at + 4 > bytes.size()) {
            throw std::runtime_error("truncated");
        }
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) {
            v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
        }
        return v;
    };
    if (bytes.compare(0, 4, "ITSF") != 0) {
        throw std::runtime_error("no ITSF signature");
    }
    const size_t dir = u32(0x48);  // header section 1: the directory
    if (bytes.compare(dir, 4, "ITSP") != 0) {
        throw std::runtime_error("no ITSP directory");
    }
    const size_t chunkSize = u32(dir + 0x10);
    const size_t chunks = u32(dir + 0x2C);
    const size_t first = dir + u32(dir + 0x08);
    std::map<std::string, std::uint64_t> out;
    for (size_t c = 0; c < chunks; ++c) {
        const size_t base = first + c * chunkSize;
        if (bytes.compare(base, 4, "PMGL") != 0) {
            continue;  // index chunk
        }
        const size_t end = base + chunkSize - u32(base + 4);
        size_t pos = base + 0x14;
        auto encint = [&]() -> std::uint64_t {
            std::uint64_t v = 0;
            for (;;) {
                if (pos >= end) {
                    throw std::runtime_error("bad entry");
                }
                const unsigned char b = static_cast<unsigned char>(bytes[pos++]);
                v = (v << 7) | (b & 0x7F);
                if (!(b & 0x80)) {
                    return v;
                }
            }
        };
        while (pos < end) {
            const size_t len = static_cast<size_t>(encint());
            std::string name = bytes.substr(pos, len);
            pos += len;
            encint();  // section
            encint();  // offset
            out[name] = encint();
        }
    }
    return out;
}

TEST(HelpFile, CompiledHelpLiesBesideTheProgram) {
    // The tests live one folder below the program.
    const std::string programDir = testing_support::TestDir() + "..\\";
    ASSERT_TRUE(platform::FileExists(programDir + "Dirvane.exe"));
    const std::string chm = programDir + "Dirvane.chm";
    std::ifstream in(chm, std::ios::binary);
    ASSERT_TRUE(in) << chm;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    const auto dir = ChmDirectory(bytes);
    for (const char* page :
         {"/index.htm", "/mainwindow.htm", "/add.htm", "/edit.htm", "/delete.htm", "/move.htm",
          "/sort.htm", "/refresh.htm", "/options.htm", "/export.htm", "/import.htm",
          "/listfile.htm", "/storage.htm", "/helpmenu.htm", "/toc.hhc", "/index.hhk", "/#SYSTEM"}) {
        SCOPED_TRACE(page);
        const auto it = dir.find(page);
        ASSERT_NE(it, dir.end());
        EXPECT_GT(it->second, 0u);
    }
}

}  // namespace
