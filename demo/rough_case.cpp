// Sample roughness record: an existing symbol with a lay direction, as a host keeps it.
#include <cstdio>
#include <cstring>
#include <memory>

#include "demo/demo_cases.h"
#include "entry/exports_rough.h"
#include "roughness/RoughRecord.h"

namespace {

void Put(char (&field)[33], const char* utf8) {
    const std::string g = demo::ToGbk(utf8);
    std::memset(field, 0, sizeof field);
    std::memcpy(field, g.data(), g.size() < 32 ? g.size() : 32);
}

demo::Registrar rough([] {
    auto rec = std::make_shared<RoughRecord>();
    std::memset(rec.get(), 0, sizeof *rec);
    Put(rec->a1, "3.2");
    Put(rec->a2, "1.6");
    Put(rec->b, "铣");
    Put(rec->c, "0.8");
    Put(rec->d, "⊥");
    Put(rec->e, "0.5");
    rec->shape = 11;
    rec->textSize = 3.5f;
    rec->symbolSize = 5.0f;

    demo::Case c;
    c.order = 10;
    c.name = "rough";
    c.title = "表面粗糙度...";
    c.describe = [rec] {
        char line[512];
        std::snprintf(line, sizeof line,
                      "  a1=\"%s\" a2=\"%s\" b=\"%s\" c=\"%s\" d=\"%s\" e=\"%s\"\n"
                      "  shape=%d rest=%d fixedPoint=%d hideFixedPoint=%d textSize=%g symbolSize=%g",
                      demo::FromGbk(rec->a1, 33).c_str(), demo::FromGbk(rec->a2, 33).c_str(),
                      demo::FromGbk(rec->b, 33).c_str(), demo::FromGbk(rec->c, 33).c_str(),
                      demo::FromGbk(rec->d, 33).c_str(), demo::FromGbk(rec->e, 33).c_str(), rec->shape,
                      rec->rest, rec->fixedPoint, rec->hideFixedPoint, rec->textSize, rec->symbolSize);
        return std::string(line);
    };
    c.open = [rec](HMODULE module) {
        auto fn = DEMO_EXPORT(module, TQDim_RoughDlg);
        if (!fn) return std::string("TQDim_RoughDlg not exported");
        return std::string(fn(rec.get()) ? "OK (true)" : "Cancel (false)");
    };
    // In the screenshot: the symbol with the knee circle and a freshly typed a1.
    c.script = [](HWND dlg) {
        SetDlgItemTextW(dlg, 106, L"6.3");
    };
    return c;
});

}  // namespace
