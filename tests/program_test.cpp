// Dirvane.exe as a separate process: first start, second start, closing.
#include <gtest/gtest.h>

#include "ClassName.h"
#include "support/TestSupport.h"

#include <string>

using namespace testing_support;

namespace {

std::string ProgramPath() {
    char full[MAX_PATH * 4];
    GetFullPathNameA((TestDir() + "..\\Dirvane.exe").c_str(), sizeof(full), full, nullptr);
    return full;
}

class Process {
public:
    explicit Process(const std::string& exe) {
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        std::string cmd = "\"" + exe + "\"";
        ok_ = CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi_) != FALSE;
    }
    ~Process() {
        if (ok_) {
            if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(pi_.hProcess, 1);
            }
            CloseHandle(pi_.hThread);
            CloseHandle(pi_.hProcess);
        }
    }
    bool Started() const { return ok_; }
    // Exit code, or -1 when it is still running after ms.
    long Wait(DWORD ms) {
        if (WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) {
            return -1;
        }
        DWORD code = 0;
        GetExitCodeProcess(pi_.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION pi_{};
    bool ok_ = false;
};

HWND WaitForMainWindow(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        if (HWND w = FindWindowA(resources::kMainClassName, nullptr); w && IsWindowVisible(w)) {
            return w;
        }
        Sleep(50);
    }
    return nullptr;
}

int CountMainWindows() {
    int n = 0;
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, resources::kMainClassName, nullptr)) != nullptr) {
        ++n;
    }
    return n;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteProductKey();
        DeleteFileA((TestDir() + "..\\options.ini").c_str());
    }
    void TearDown() override {
        DeleteProductKey();
        DeleteFileA((TestDir() + "..\\options.ini").c_str());
    }
};

TEST_F(ProgramTest, FirstStartSecondStartAndClose) {
    const std::string exe = ProgramPath();
    Process first(exe);
    ASSERT_TRUE(first.Started()) << exe;
    HWND main = WaitForMainWindow(30000);
    ASSERT_NE(main, nullptr);

    // First start fills the list and records the program's path.
    const auto pairs = StoredPairs();
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].first, "Windows Directory");
    EXPECT_EQ(pairs[1], (std::pair<std::string, std::string>{"C:\\", "C:\\"}));
    EXPECT_EQ(lstrcmpiA(GetRegString("Setting").value_or("").c_str(), exe.c_str()), 0)
        << GetRegString("Setting").value_or("");

    // Design size, and the list view under the tool bar, 10 px from the edges.
    RECT wr;
    GetWindowRect(main, &wr);
    EXPECT_EQ(wr.right - wr.left, 475);
    EXPECT_EQ(wr.bottom - wr.top, 396);
    HWND list = FindWindowExA(main, nullptr, "SysListView32", nullptr);
    ASSERT_NE(list, nullptr);
    RECT client, lr;
    GetClientRect(main, &client);
    GetWindowRect(list, &lr);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&lr), 2);
    EXPECT_EQ(lr.left, 10);
    EXPECT_EQ(lr.top, 41);
    EXPECT_EQ(client.right - lr.right, 10);
    EXPECT_EQ(client.bottom - lr.bottom, 10);

    // A second start hands over to the minimised first one and ends.
    ShowWindow(main, SW_MINIMIZE);
    Sleep(300);
    {
        Process second(exe);
        ASSERT_TRUE(second.Started());
        EXPECT_EQ(second.Wait(30000), 0);
    }
    EXPECT_EQ(CountMainWindows(), 1);
    const DWORD start = GetTickCount();
    while (IsIconic(main) && GetTickCount() - start < 5000) {
        Sleep(50);
    }
    EXPECT_FALSE(IsIconic(main));
    EXPECT_TRUE(IsWindowVisible(main));

    // Closing the normal way ends the program.
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.Wait(30000), 0);
    EXPECT_EQ(CountMainWindows(), 0);

    // The second start of a user keeps the list as it is.
    SetRegString("N0", "mine");
    SetRegString("Setting", "C:\\elsewhere\\Dirvane.exe");
    Process again(exe);
    HWND main2 = WaitForMainWindow(30000);
    ASSERT_NE(main2, nullptr);
    EXPECT_EQ(StoredPairs()[0].first, "mine");
    EXPECT_EQ(lstrcmpiA(GetRegString("Setting").value_or("").c_str(), exe.c_str()), 0);
    PostMessageA(main2, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.Wait(30000), 0);
}

}  // namespace
