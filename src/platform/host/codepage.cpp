// Host stand-in for the code-page conversions, through glibc's iconv. The ANSI code page is 936, as on the
// machines the program is made for. An unmappable character becomes '?', an invalid byte U+FFFD.
#include <iconv.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/win32.h"

namespace {

const char* IconvName(UINT codePage) {
    return codePage == CP_UTF8 ? "UTF-8" : (codePage == CP_ACP || codePage == 936) ? "CP936" : nullptr;
}

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(handle); }
};

// Converts `input` whole; where a unit cannot be converted, appends `replacement` and skips `skip` bytes.
// Four output bytes for every input byte cover every conversion made here.
std::string Convert(const char* to,
                    const char* from,
                    std::string_view input,
                    std::string_view replacement,
                    std::size_t skip) {
    const std::unique_ptr<void, IconvCloser> converter(iconv_open(to, from));
    std::string output(input.size() * 4, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    while (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        const std::size_t step = skip < inLeft ? skip : inLeft;
        std::memcpy(out, replacement.data(), replacement.size());
        out += replacement.size();
        outLeft -= replacement.size();
        in += step;
        inLeft -= step;
    }
    output.resize(output.size() - outLeft);
    return output;
}

// Hands a result over as the conversion functions do: asked with no buffer, its length in units; into a
// buffer too small, nothing (0).
template <typename Unit>
int Deliver(const std::string& bytes, Unit* buffer, int bufferLength) {
    const auto count = static_cast<int>(bytes.size() / sizeof(Unit));
    if (bufferLength == 0) {
        return count;
    }
    if (count > bufferLength) {
        return 0;
    }
    // Like the API: terminated only when the input's terminator was converted with it.
    std::memcpy(buffer, bytes.data(), bytes.size());  // NOLINT(bugprone-not-null-terminated-result)
    return count;
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD, const char* text, int length, wchar_t* wide, int wideLength) {
    const char* name = IconvName(codePage);
    if (name == nullptr) {
        return 0;
    }
    const wchar_t replacement = L'\xFFFD';
    const std::string_view replacementBytes(reinterpret_cast<const char*>(&replacement), sizeof replacement);
    return Deliver(
        Convert("WCHAR_T", name, std::string_view(text, static_cast<std::size_t>(length)), replacementBytes, 1), wide,
        wideLength);
}

int WideCharToMultiByte(UINT codePage,
                        DWORD,
                        const wchar_t* wide,
                        int wideLength,
                        char* text,
                        int length,
                        const char*,
                        BOOL*) {
    const char* name = IconvName(codePage);
    if (name == nullptr) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(wide),
                                 static_cast<std::size_t>(wideLength) * sizeof(wchar_t));
    return Deliver(Convert(name, "WCHAR_T", input, "?", sizeof(wchar_t)), text, length);
}
