// The Dorn.dll stand-in shipped beside the module: its integer settings, and its text
// attribute dialog's answers (Cancel changes nothing; OK fills the record, with the flag set
// for a face that has no font code of the library, else setting 10 takes the face's code).
#include <cstring>

#include "inhouse/Dorn.h"
#include "tests/wine/winetest.h"

using namespace winetest;

int main() {
    HMODULE dorn = LoadLibraryW(dorn::kLibraryName);
    auto getInt = dorn ? Export<dorn::GetIntFn>(dorn, MAKEINTRESOURCEA(dorn::kGetIntOrdinal)) : nullptr;
    auto setInt = dorn ? Export<dorn::SetIntFn>(dorn, MAKEINTRESOURCEA(dorn::kSetIntOrdinal)) : nullptr;
    auto dialog = dorn ? Export<dorn::TextAttribDlgFn>(dorn, dorn::kTextAttribDlgName) : nullptr;
    ok(getInt && setInt && dialog, "Dorn.dll beside the module with ordinals 621, 622 and TQ_TextAttribDlg");
    if (!getInt || !setInt || !dialog) return Summary("test_dorn_standin");

    for (auto [index, value] : {std::pair{8, 125}, {-1, 9}, {1 << 20, 9}}) setInt(index, value);
    ok(getInt(8) == 125 && getInt(-1) == 0 && getInt(1 << 20) == 0,
       "settings kept; indices outside read 0 and are not written");
    ok(!dialog(nullptr, nullptr), "a null record gives false");

    // Each run picks a face, types a height and a spacing, and closes the dialog with a button,
    // on a record of 0x5A bytes and with 4 in setting 10.
    const struct { const char* face; int button; uint8_t flag; int code; } runs[] = {
        {"宋体", IDCANCEL, 0x5A, 4}, {"宋体", IDOK, 0, 0}, {"AR PL UMing CN", IDOK, 1, 4}};
    for (const auto& run : runs) {
        TextAttribRecord record;
        std::memset(&record, 0x5A, sizeof record);
        const TextAttribRecord before = record;
        setInt(10, 4);
        const bool result = RunDialog("文字属性", [&](HWND d) {
            if (!d) return;
            const std::wstring face = W(run.face);
            SendDlgItemMessageW(d, 101, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(face.c_str()));
            SetItemText(d, 102, "24");
            SetItemText(d, 105, "0.8");
            Click(d, run.button);
        }, [&] { return dialog(&record, nullptr); });
        const std::string face(record.lfFont.lfFaceName, strnlen(record.lfFont.lfFaceName, LF_FACESIZE));
        const bool filled = face == Gbk(run.face) && record.lfFont.lfHeight == -24 && record.fCharSpace == 0.8f;
        ok(run.button == IDOK ? result && filled : !result && !std::memcmp(&record, &before, sizeof record),
           "%s, button %d: result %d", run.face, run.button, result);
        ok(record.bForeignFace == run.flag && getInt(10) == run.code, "%s, button %d: flag %d, setting 10 = %d",
           run.face, run.button, record.bForeignFace, getInt(10));
    }
    return Summary("test_dorn_standin");
}
