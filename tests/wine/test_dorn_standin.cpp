// The Dorn.dll stand-in shipped beside the module: its integer settings, and its text
// attribute dialog's answers (Cancel changes nothing; OK fills the record, with the flag set
// for a face that has no font code of the library, else setting 10 takes the face's code).
#include <cstring>

#include "inhouse/Dorn.h"
#include "tests/wine/winetest.h"

using namespace winetest;

int main() {
    HMODULE dorn = LoadLibraryW(dorn::kLibraryName);
    auto byOrdinal = [&](WORD ordinal) { return dorn ? Export<void*>(dorn, MAKEINTRESOURCEA(ordinal)) : nullptr; };
    auto getInt = reinterpret_cast<dorn::GetIntFn>(byOrdinal(dorn::kGetIntOrdinal));
    auto setInt = reinterpret_cast<dorn::SetIntFn>(byOrdinal(dorn::kSetIntOrdinal));
    auto dialog = dorn ? Export<dorn::TextAttribDlgFn>(dorn, dorn::kTextAttribDlgName) : nullptr;
    ok(getInt && setInt && dialog, "Dorn.dll beside the module with ordinals 621, 622 and TQ_TextAttribDlg");
    if (!getInt || !setInt || !dialog) return Summary("test_dorn_standin");

    for (auto [index, value] : {std::pair{10, 3}, {8, 125}, {-1, 9}, {1 << 20, 9}}) setInt(index, value);
    ok(getInt(10) == 3 && getInt(8) == 125 && getInt(-1) == 0 && getInt(1 << 20) == 0,
       "settings kept; indices outside read 0 and are not written");
    ok(!dialog(nullptr, nullptr), "a null record gives false");

    // Picks a face by its text in the dialog, then closes it with `button`.
    auto run = [&](TextAttribRecord& record, const char* face, int button) {
        return RunDialog("文字属性", [&](HWND d) {
            if (!d) return;
            const std::wstring w = W(face);
            SendDlgItemMessageW(d, 101, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(w.c_str()));
            SetItemText(d, 102, "24");
            SetItemText(d, 105, "0.8");
            Click(d, button);
        }, [&] { return dialog(&record, nullptr); });
    };
    TextAttribRecord record{};
    std::memset(&record, 0x5A, sizeof record);
    const TextAttribRecord before = record;
    ok(!run(record, "宋体", IDCANCEL) && std::memcmp(&record, &before, sizeof record) == 0,
       "取消 gives false and changes nothing");

    record = TextAttribRecord{};
    record.bForeignFace = 1;
    const bool coded = run(record, "宋体", IDOK);
    const std::string face(record.lfFont.lfFaceName, strnlen(record.lfFont.lfFaceName, LF_FACESIZE));
    ok(coded && face == Gbk("宋体") && record.bForeignFace == 0 && getInt(10) == 0,
       "宋体: true, flag %d, setting 10 = %d", record.bForeignFace, getInt(10));
    ok(record.lfFont.lfHeight == -24 && record.fCharSpace == 0.8f, "height %ld, spacing %g", record.lfFont.lfHeight,
       record.fCharSpace);

    record = TextAttribRecord{};
    setInt(10, 4);
    const bool foreign = run(record, "AR PL UMing CN", IDOK);
    ok(foreign && record.bForeignFace != 0 && getInt(10) == 4, "a face without a code: flag %d, setting 10 kept (%d)",
       record.bForeignFace, getInt(10));
    return Summary("test_dorn_standin");
}
