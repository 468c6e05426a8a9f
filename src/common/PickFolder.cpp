#include "common/PickFolder.h"

#include <shlobj.h>

#include <string>

#include "platform/ErrorMode.h"
#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "ui/TaskWindows.h"

namespace dirvane {

namespace {

// One reference to a COM object, released on every path.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (p_) {
            p_->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T** Put() { return &p_; }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }

private:
    T* p_ = nullptr;
};

// A block of the shell's allocator, freed with it on every path.
class ShellBlock {
public:
    ShellBlock(IMalloc* allocator, void* block) : allocator_(allocator), block_(block) {}
    ~ShellBlock() {
        if (block_) {
            allocator_->Free(block_);
        }
    }
    ShellBlock(const ShellBlock&) = delete;
    ShellBlock& operator=(const ShellBlock&) = delete;
    void Reset(void* block) {
        if (block_) {
            allocator_->Free(block_);
        }
        block_ = block;
    }
    void* Get() const { return block_; }

private:
    IMalloc* allocator_;
    void* block_;
};

std::wstring Widen(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (n <= 0) {
        return std::wstring();
    }
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), n);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

}  // namespace

bool PickFolder(const std::string& title, const std::string& root, std::string& folder) {
    if (!platform::DirectoryExists(folder)) {
        folder.clear();
    }
    ComRef<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.Put())) || !allocator.Get()) {
        return false;
    }
    ShellBlock name(allocator.Get(), allocator->Alloc(MAX_PATH));
    if (!name.Get()) {
        return false;
    }
    char* const nameBuffer = static_cast<char*>(name.Get());
    nameBuffer[0] = '\0';

    const HWND owner = ui::Application::Instance().Handle();
    ShellBlock rootList(allocator.Get(), nullptr);
    if (!root.empty()) {
        ComRef<IShellFolder> desktop;
        if (SUCCEEDED(SHGetDesktopFolder(desktop.Put())) && desktop.Get()) {
            std::wstring wide = Widen(root);
            LPITEMIDLIST list = nullptr;
            if (SUCCEEDED(desktop->ParseDisplayName(owner, nullptr, wide.data(), nullptr, &list,
                                                    nullptr))) {
                rootList.Reset(list);
            }
        }
    }

    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = static_cast<PCIDLIST_ABSOLUTE>(rootList.Get());
    info.pszDisplayName = nameBuffer;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = &CenterBrowseCallback;
    info.lParam = 0;

    LPITEMIDLIST chosen = nullptr;
    {
        // Both undone in reverse order when the dialog has closed.
        ui::DisabledTaskWindows disabled;
        platform::ErrorModeScope errorMode(SEM_FAILCRITICALERRORS);
        chosen = SHBrowseForFolderA(&info);
    }
    if (!chosen) {
        return false;
    }
    ShellBlock chosenList(allocator.Get(), chosen);
    // The buffer holds the item's display name until this succeeds: a
    // failed conversion is no folder.
    if (!SHGetPathFromIDListA(chosen, nameBuffer)) {
        return false;
    }
    folder = nameBuffer;
    return true;
}

int CALLBACK CenterBrowseCallback(HWND window, UINT message, LPARAM, LPARAM) {
    if (message != BFFM_INITIALIZED) {
        return 0;
    }
    int x = 0;
    int y = 0;
    RECT client{};
    if (GetClientRect(window, &client)) {
        x = (GetSystemMetrics(SM_CXSCREEN) - (client.right - client.left)) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - (client.bottom - client.top)) / 2;
    }
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

}  // namespace dirvane
