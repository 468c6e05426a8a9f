#pragma once
// A private-profile (INI) file, read and written through the system's
// profile calls. Each operation works on the file itself; the object only
// keeps its name and, when it goes away, flushes the system's cached copy.
// Values are ANSI strings (code-page bytes).
#include <string>

namespace platform {

class IniFile {
public:
    // fileName should be a full path: a bare name means the Windows folder.
    explicit IniFile(std::string fileName);
    IniFile(IniFile&& other) noexcept;
    IniFile& operator=(IniFile&& other) noexcept;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    ~IniFile();

    const std::string& FileName() const { return fileName_; }

    // A missing file, section or key gives def. Values of any length come
    // back whole.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // Decimal, or hexadecimal after "0x", "0X" or "$"; anything else gives def.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    // An integer; non-zero is true.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;

    // Throw IniFileError "Unable to write to <file name>" when the file
    // cannot be written.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

private:
    std::string fileName_;
};

}  // namespace platform
