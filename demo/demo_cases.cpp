#include "demo/demo_cases.h"

#include <algorithm>
#include <cstring>

namespace demo {

namespace {
std::vector<std::function<Case()>>& Makers() {
    static std::vector<std::function<Case()>> makers;
    return makers;
}
}  // namespace

Registrar::Registrar(std::function<Case()> make) { Makers().push_back(std::move(make)); }

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (auto& make : Makers()) cases.push_back(make());
    std::sort(cases.begin(), cases.end(), [](const Case& a, const Case& b) { return a.order < b.order; });
    return cases;
}

std::string FromGbk(const char* field, size_t width) {
    const size_t len = strnlen(field, width);
    const int n = MultiByteToWideChar(936, 0, field, static_cast<int>(len), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(936, 0, field, static_cast<int>(len), w.data(), n);
    const int m = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), n, nullptr, 0, nullptr, nullptr);
    std::string s(m, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), n, s.data(), m, nullptr, nullptr);
    return s;
}

std::string ToGbk(const char* utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, w.data(), n);
    const int m = WideCharToMultiByte(936, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(m > 0 ? m - 1 : 0, '\0');
    if (m > 1) WideCharToMultiByte(936, 0, w.c_str(), -1, s.data(), m, nullptr, nullptr);
    return s;
}

}  // namespace demo
