// Host stand-in for the private-profile functions: Windows' INI behaviour on real files. The file is decoded
// from the ANSI code page before it is parsed (a GBK trail byte may be '\' or ']'), and every write parses the
// whole file and writes it back with CRLF line ends, as the Windows implementation we test against does.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/codepage.h"
#include "platform/host/control.h"
#include "platform/win32.h"

namespace {

struct Entry {
    std::wstring name;
    std::optional<std::wstring> value;  // none for a line without '='
};

struct Section {
    bool header = false;  // false only for the lines above the first "[...]"
    std::wstring name;
    std::vector<Entry> entries;
};

struct Profile {
    bool utf8 = false;  // a file that begins with a UTF-8 byte-order mark keeps its encoding
    std::vector<Section> sections{Section{}};
};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Only these count as blanks; an ideographic space is part of a name or value.
bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f';
}

std::wstring_view TrimLeft(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::wstring_view TrimRight(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::wstring_view Trim(std::wstring_view text) {
    return TrimRight(TrimLeft(text));
}

// Names compare without regard to the case of ASCII letters only, as on Windows.
wchar_t FoldAscii(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// Names and values end at a NUL, as C strings do; their line goes on, and an '=' or ']' after the NUL counts.
std::wstring UpToNul(std::wstring_view text) {
    return std::wstring(text.substr(0, text.find(L'\0')));
}

void ParseLine(std::wstring_view line, Profile& profile) {
    const std::size_t close = line.rfind(L']');
    if (line.front() == L'[' && close != std::wstring_view::npos && close > 0) {
        profile.sections.push_back(Section{true, UpToNul(Trim(line.substr(1, close - 1))), {}});
        return;
    }
    const std::size_t equals = line.find(L'=');
    Entry entry;
    if (equals == std::wstring_view::npos) {
        entry.name = UpToNul(line);
    } else {
        entry.name = UpToNul(TrimRight(line.substr(0, equals)));
        entry.value = UpToNul(TrimLeft(line.substr(equals + 1)));
    }
    profile.sections.back().entries.push_back(std::move(entry));
}

Profile Parse(std::string_view bytes) {
    Profile profile;
    std::wstring text;
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        profile.utf8 = true;
        text = text::FromCodePage(bytes.substr(kUtf8Mark.size()), CP_UTF8);
    } else {
        text = text::FromAnsi(bytes);
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        const std::wstring_view line = Trim(std::wstring_view(text.data() + start, end - start));
        start = end + 1;
        if (!line.empty()) {
            ParseLine(line, profile);
        }
    }
    return profile;
}

std::string Serialize(const Profile& profile) {
    std::wstring text;
    for (const Section& section : profile.sections) {
        // A section without a name loses its header, and its keys join the section above.
        if (section.header && !section.name.empty()) {
            text += L"[" + section.name + L"]\r\n";
        }
        for (const Entry& entry : section.entries) {
            text += entry.name;
            if (entry.value) {
                text += L"=" + *entry.value;
            }
            text += L"\r\n";
        }
    }
    if (profile.utf8) {
        return std::string(kUtf8Mark) + text::ToCodePage(text, CP_UTF8);
    }
    return text::ToAnsi(text);
}

std::string NativePath(const char* fileName) {
    return hostenv::HostPath(text::FromAnsi(fileName));
}

// A file that cannot be read (a folder, for one) reads as an empty profile.
Profile Load(const std::string& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        return Profile{};
    }
    std::string bytes;
    char chunk[4096];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        bytes.append(chunk, count);
    }
    return Parse(bytes);
}

bool Save(const std::string& path, const Profile& profile) {
    const std::string bytes = Serialize(profile);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

Section* FindSection(Profile& profile, std::wstring_view name) {
    for (Section& section : profile.sections) {
        if (section.header && SameName(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

Entry* FindEntry(Section& section, std::wstring_view name) {
    for (Entry& entry : section.entries) {
        if (SameName(entry.name, name)) {
            return &entry;
        }
    }
    return nullptr;
}

// A value in matching double or single quotes is read without them.
std::wstring_view Unquote(std::wstring_view value) {
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == L'"' || value.front() == L'\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::wstring StoredValue(const char* appName, const char* keyName, const char* fileName) {
    Profile profile = Load(NativePath(fileName));
    Section* section = FindSection(profile, Trim(text::FromAnsi(appName)));
    Entry* entry = section != nullptr ? FindEntry(*section, Trim(text::FromAnsi(keyName))) : nullptr;
    return entry != nullptr && entry->value ? std::wstring(Unquote(*entry->value)) : std::wstring();
}

// The longest head of `bytes` within `limit` bytes that does not split a double-byte character.
std::size_t WholeCharacters(std::string_view bytes, std::size_t limit) {
    std::size_t length = 0;
    while (length < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[length]);
        const std::size_t step = (lead >= 0x81 && lead <= 0xFE && length + 1 < bytes.size()) ? 2 : 1;
        if (length + step > limit) {
            break;
        }
        length += step;
    }
    return length;
}

void Apply(Profile& profile, std::wstring_view sectionName, std::wstring_view key, std::wstring_view value) {
    Section* section = FindSection(profile, TrimRight(sectionName));
    if (section == nullptr) {
        profile.sections.push_back(Section{true, std::wstring(sectionName), {}});
        section = &profile.sections.back();
    }
    if (Entry* entry = FindEntry(*section, Trim(key)); entry != nullptr) {
        entry->value = std::wstring(value);
    } else {
        section->entries.push_back(Entry{std::wstring(key), std::wstring(value)});
    }
}

}  // namespace

// Only the forms the program uses are modelled: no name is null, and the default is empty.
DWORD GetPrivateProfileStringA(const char* appName,
                               const char* keyName,
                               const char*,
                               char* returned,
                               DWORD size,
                               const char* fileName) {
    const std::string bytes = text::ToAnsi(StoredValue(appName, keyName, fileName));
    const std::size_t count = WholeCharacters(bytes, size - 1);
    std::memcpy(returned, bytes.data(), count);
    // A value cut short counts size - 1 bytes with its NUL last, as on the implementation we test against,
    // even when a double-byte character left the byte before that NUL unwritten.
    const std::size_t end = count < bytes.size() ? size - 1 : count;
    returned[end] = '\0';
    return static_cast<DWORD>(end);
}

BOOL WritePrivateProfileStringA(const char* appName, const char* keyName, const char* value, const char* fileName) {
    const std::string path = NativePath(fileName);
    Profile profile = Load(path);
    Apply(profile, TrimLeft(text::FromAnsi(appName)), TrimLeft(text::FromAnsi(keyName)),
          TrimLeft(text::FromAnsi(value)));
    return Save(path, profile) ? TRUE : FALSE;
}
