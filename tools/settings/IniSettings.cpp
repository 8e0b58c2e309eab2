#include "tools/settings/IniSettings.h"

#include <cstdint>
#include <optional>
#include <set>

#include "core/Format.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "tools/ProgramFile.h"
#include "tools/settings/IniFile.h"

namespace orvane {

// The settings files are written where the program writes (ProgramUserFolders):
// beside the program, or in the user's settings folder when it is installed.
std::string IniPath()
{
    const std::string beside = ChangeFileExt(ProgramFileName(), ".INI");
    return ProgramUserFolders().settings + beside.substr(FolderOf(beside).size());
}

std::string SettingsFileName() { return IniPath(); }

std::string DefaultIniPath() { return ChangeFileExt(ProgramFileName(), ".DefaultINI"); }

std::string MainIniPath() { return ProgramUserFolders().settings + "Orvane.INI"; }

std::string ResolveIniPath(const std::string& name) { return name.size() > 4 ? name : IniPath(); }

bool ParseIniInteger(const std::string& text, int& value)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t bits = 0;
        std::size_t significant = 0;
        for (std::size_t i = 2; i < text.size(); ++i) {
            const char c = text[i];
            std::uint32_t digit = 0;
            if (c >= '0' && c <= '9')
                digit = static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                digit = static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                digit = static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return false;
            if (significant > 0 || digit != 0)
                ++significant;
            if (significant > 8)
                return false;  // more than 32 bits
            bits = (bits << 4) | digit;
        }
        value = static_cast<int>(static_cast<std::int32_t>(bits));
        return true;
    }
    std::int32_t parsed = 0;
    if (!ParseInt(text, parsed))
        return false;
    value = parsed;
    return true;
}

SettingsFile::SettingsFile(const std::string& file) : doc_(IniDocument::Load(ResolveIniPath(file))) { }

int SettingsFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const
{
    if (doc_.GetState() == IniDocument::State::Unreadable)
        return 0;
    int value = defaultValue;
    const std::optional<std::string> text = doc_.Find(section, key);
    if (text && ParseIniInteger(*text, value))
        return value;
    return defaultValue;
}

bool SettingsFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::string SettingsFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const
{
    if (doc_.GetState() == IniDocument::State::Unreadable)
        return {};
    return doc_.Find(section, key).value_or(defaultValue);
}

void SettingsFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    doc_.Set(section, key, Format("%d", value));
}

void SettingsFile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteInteger(section, key, value ? 1 : 0);
}

void SettingsFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    doc_.Set(section, key, value);
}

Outcome SettingsFile::Save()
{
    Outcome saved = doc_.Save();
    static std::set<std::string> told;  // files whose failure was shown this run
    // A file too large to read was named when it was refused.
    if (!saved && doc_.GetState() != IniDocument::State::TooLarge && told.insert(doc_.Path()).second)
        ShowFailure(saved, MessageKind::Warning);
    return saved;
}

int ReadIniInteger(const std::string& file, const std::string& section, const std::string& key, int defaultValue)
{
    return SettingsFile(file).ReadInteger(section, key, defaultValue);
}

void WriteIniInteger(const std::string& file, const std::string& section, const std::string& key, int value)
{
    SettingsFile settings(file);
    settings.WriteInteger(section, key, value);
    (void)settings.Save();  // a failure is shown by Save
}

bool ReadIniBool(const std::string& file, const std::string& section, const std::string& key, bool defaultValue)
{
    return SettingsFile(file).ReadBool(section, key, defaultValue);
}

void WriteIniBool(const std::string& file, const std::string& section, const std::string& key, bool value)
{
    WriteIniInteger(file, section, key, value ? 1 : 0);
}

std::string ReadIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& defaultValue)
{
    return SettingsFile(file).ReadString(section, key, defaultValue);
}

void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value)
{
    SettingsFile settings(file);
    settings.WriteString(section, key, value);
    (void)settings.Save();  // a failure is shown by Save
}

void SyncIniInteger(const std::string& file, const std::string& section, const std::string& key, bool write, int& value)
{
    if (write)
        WriteIniInteger(file, section, key, value);
    else
        value = ReadIniInteger(file, section, key, value);
}

void SyncDefaultIniInteger(const std::string& section, const std::string& key, int& value, bool write)
{
    SyncIniInteger(DefaultIniPath(), section, key, write, value);
}

}  // namespace orvane
