#include "schedule/summary_line.h"

namespace {

constexpr std::size_t kColumnWidth = 20;

bool IsHighSurrogate(wchar_t unit) {
    return sizeof(wchar_t) == 2 && unit >= 0xD800 && unit <= 0xDBFF;
}

// Where wchar_t is UTF-16, a character outside the basic plane is two units but one character.
std::size_t CharacterEnd(std::wstring_view text, std::size_t pos) {
    return pos + (IsHighSurrogate(text[pos]) && pos + 1 < text.size() ? 2 : 1);
}

// The first `count` characters of `text` (all of it when shorter), and how many that were.
std::wstring_view FirstCharacters(std::wstring_view text, std::size_t count, std::size_t* taken) {
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size() && characters < count) {
        end = CharacterEnd(text, end);
        ++characters;
    }
    if (taken != nullptr) {
        *taken = characters;
    }
    return text.substr(0, end);
}

std::wstring Ending(Action action, TriggerKind kind, std::wstring_view minutes) {
    const std::wstring word = ActionWord(action);
    switch (kind) {
        case TriggerKind::Once:
            return L"  (定时" + word + L")";
        case TriggerKind::Daily:
            return L"  (每天定时" + word + L")";
        case TriggerKind::Weekly:
            return L"(每周定时" + word + L")";
        case TriggerKind::Monthly:
            return L" (每月定时" + word + L")";
        case TriggerKind::AfterStart:
            return L"  (每次开机" + std::wstring(minutes) + L"分钟" + word + L")";
    }
    return {};
}

}  // namespace

std::wstring SummaryLine(Action action, TriggerKind kind, std::wstring_view column, std::wstring_view minutes) {
    std::size_t characters = 0;
    std::wstring line(FirstCharacters(column, kColumnWidth, &characters));
    line.append(kColumnWidth - characters, L' ');
    return line + Ending(action, kind, minutes);
}

std::wstring_view FirstCharacters(std::wstring_view text, std::size_t count) {
    return FirstCharacters(text, count, nullptr);
}
