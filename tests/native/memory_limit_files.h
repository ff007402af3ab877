// Limit deviation data files served from memory by name, for the lookup tests
// and the fuzzer: records which names the lookup opens and how often it closes.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "fits/limit_file.h"

class MemoryLimitFiles final : public fits::LimitFile {
public:
    std::map<std::string, std::vector<unsigned char>> files;
    std::vector<std::string> opened;
    int closes = 0;

    bool Open(const char* name) override {
        opened.push_back(name);
        const auto it = files.find(name);
        source_ = it == files.end() ? fits::MemoryByteSource(nullptr, 0)
                                    : fits::MemoryByteSource(it->second.data(), it->second.size());
        return it != files.end();
    }
    void Close() override { ++closes; }
    std::size_t Read(void* buffer, std::size_t size) override { return source_.Read(buffer, size); }
    bool Skip(std::uint32_t count) override { return source_.Skip(count); }

    // ReadLimitDeviationFrom with both outputs starting at kUntouched.
    static constexpr double kUntouched = 123.0;
    struct Result { int rc; double upper, lower; };
    Result LookUp(double size, const char* zone) {
        Result r{0, kUntouched, kUntouched};
        r.rc = fits::ReadLimitDeviationFrom(*this, size, zone, &r.upper, &r.lower);
        return r;
    }

private:
    fits::MemoryByteSource source_{nullptr, 0};
};
