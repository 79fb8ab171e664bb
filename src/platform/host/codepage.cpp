// Host stand-in for the code-page conversions, through glibc's iconv. Code page 0 (CP_ACP) is 936, as on
// the machines the program is made for. Unmappable characters become '?', invalid bytes U+FFFD.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "platform/win32.h"

namespace {

const char* IconvName(UINT codePage) {
    switch (codePage) {
        case CP_ACP:
        case 936:
            return "CP936";
        case CP_UTF8:
            return "UTF-8";
        case 1252:
            return "CP1252";
        default:
            return nullptr;
    }
}

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; on an invalid or unmappable unit, appends `replacement` and skips
    // `skip` input bytes. The output buffer fits the whole result, so iconv walks the input once.
    std::string Run(const char* input, std::size_t length, const std::string& replacement, std::size_t skip) {
        std::string output(length * 4 + 16, '\0');
        std::size_t used = 0;
        char* in = const_cast<char*>(input);
        std::size_t inLeft = length;
        while (inLeft > 0) {
            char* out = output.data() + used;
            std::size_t outLeft = output.size() - used;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            used = output.size() - outLeft;
            if (result != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                output.resize(output.size() * 2);
                continue;
            }
            output.replace(used, replacement.size(), replacement);
            used += replacement.size();
            if (output.size() - used < 16) {
                output.resize(output.size() * 2);
            }
            const std::size_t step = skip < inLeft ? skip : inLeft;
            in += step;
            inLeft -= step;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        output.resize(used);
        return output;
    }

private:
    iconv_t handle_;
};

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR text, int length, LPWSTR wide, int wideLength) {
    const char* name = IconvName(codePage);
    if (name == nullptr || text == nullptr) {
        return 0;
    }
    const std::size_t byteCount = length < 0 ? std::char_traits<char>::length(text) + 1 : static_cast<std::size_t>(length);
    Converter converter("WCHAR_T", name);
    if (!converter.valid()) {
        return 0;
    }
    const wchar_t replacement = L'\xFFFD';
    const std::string raw = converter.Run(text, byteCount, std::string(reinterpret_cast<const char*>(&replacement), sizeof replacement), 1);
    const std::size_t count = raw.size() / sizeof(wchar_t);
    if (wideLength == 0) {
        return static_cast<int>(count);
    }
    if (wide == nullptr || count > static_cast<std::size_t>(wideLength)) {
        return 0;
    }
    raw.copy(reinterpret_cast<char*>(wide), raw.size());
    return static_cast<int>(count);
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideLength, LPSTR text, int length, LPCSTR,
                        BOOL* usedDefaultChar) {
    const char* name = IconvName(codePage);
    if (name == nullptr || wide == nullptr) {
        return 0;
    }
    const std::size_t wideCount = wideLength < 0 ? std::char_traits<wchar_t>::length(wide) + 1 : static_cast<std::size_t>(wideLength);
    Converter converter(name, "WCHAR_T");
    if (!converter.valid()) {
        return 0;
    }
    const std::string bytes = converter.Run(reinterpret_cast<const char*>(wide), wideCount * sizeof(wchar_t), "?", sizeof(wchar_t));
    if (usedDefaultChar != nullptr) {
        *usedDefaultChar = FALSE;
    }
    if (length == 0) {
        return static_cast<int>(bytes.size());
    }
    if (text == nullptr || bytes.size() > static_cast<std::size_t>(length)) {
        return 0;
    }
    bytes.copy(text, bytes.size());
    return static_cast<int>(bytes.size());
}

UINT GetACP() {
    return 936;
}
