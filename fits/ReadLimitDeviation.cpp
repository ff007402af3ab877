#include <windows.h>

#include "fits/limit_deviation.h"
#include "fits/limit_file.h"

namespace {

constexpr DWORD kPathCapacity = 2048;

// One data file beside the host executable, opened for a single lookup. The
// module's own path does not matter: the host installs Englib next to its
// executable, and the module may be loaded from elsewhere.
class HostDataFile final : public fits::LimitFile {
public:
    HostDataFile() = default;
    HostDataFile(const HostDataFile&) = delete;
    HostDataFile& operator=(const HostDataFile&) = delete;
    ~HostDataFile() override { Close(); }

    bool Open(const char* name) override {
        wchar_t path[kPathCapacity + 32];
        const DWORD length = GetModuleFileNameW(nullptr, path, kPathCapacity);
        // A full buffer means the path was cut short and names some other place.
        if (length == 0 || length >= kPathCapacity) return false;
        DWORD cut = length;
        while (cut > 0 && path[cut - 1] != L'\\') --cut;
        // No backslash, or one within "C:\": an executable in a drive root has no
        // installation directory to hold Englib.
        if (cut == 0 || cut - 1 < 3) return false;
        for (const char* p = name; *p != '\0'; ++p) path[cut++] = static_cast<wchar_t>(*p);  // ASCII names
        path[cut] = L'\0';
        // Share read and write: the host or an installer may hold the file open.
        handle_ = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        return handle_ != INVALID_HANDLE_VALUE;
    }

    void Close() override {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

    std::size_t Read(void* buffer, std::size_t size) override {
        DWORD got = 0;
        if (!ReadFile(handle_, buffer, static_cast<DWORD>(size), &got, nullptr)) return 0;
        return got;
    }

    bool Skip(std::uint32_t count) override {
        // Offsets stay below 40 KB, so the low 32-bit distance is enough; moving
        // past the end of the file succeeds and the following read comes back short.
        return SetFilePointer(handle_, static_cast<LONG>(count), nullptr, FILE_CURRENT) != INVALID_SET_FILE_POINTER;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace

int ReadLimitDeviation(double basicSize, const char* zone, double* upper, double* lower) {
    HostDataFile file;
    return fits::ReadLimitDeviationFrom(file, basicSize, zone, upper, lower);
}
