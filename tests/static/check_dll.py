#!/usr/bin/env python3
"""Static checks of the shipping 32-bit module, which cannot run on this machine.

  check_dll.py TQDim.dll OBJDUMP --export NAME:ARGBYTES:ORDINAL ... --dialog ID ... --bitmap NAME ...

Checks: the PE is i386 and imports only system libraries (static runtime); every export has its undecorated name, its ordinal and nothing else is
exported; each exported function returns with `ret $ARGBYTES` (stdcall: the callee removes its
arguments); the version block says 1,0,0,1 in Chinese Simplified; the dialog templates and
bitmaps are present. Prints "N passed, N failed".
"""
import argparse
import re
import struct
import subprocess
import sys

passed = 0
failed = 0


def ok(cond, msg):
    global passed, failed
    if cond:
        passed += 1
    else:
        failed += 1
        print("FAIL: " + msg)


class PE:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        assert data[pe:pe + 4] == b"PE\0\0"
        self.machine, nsec = struct.unpack_from("<HH", data, pe + 4)
        opt_size = struct.unpack_from("<H", data, pe + 20)[0]
        opt = pe + 24
        magic = struct.unpack_from("<H", data, opt)[0]
        dirs = opt + (96 if magic == 0x10B else 112)
        self.image_base = struct.unpack_from("<I", data, opt + 28)[0] if magic == 0x10B else None
        self.dirs = [struct.unpack_from("<II", data, dirs + 8 * i) for i in range(16)]
        self.sections = []
        sec = opt + opt_size
        for i in range(nsec):
            name, vsize, va, rawsize, rawptr = struct.unpack_from("<8sIIII", data, sec + 40 * i)
            self.sections.append((va, max(vsize, rawsize), rawptr))

    def off(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("rva %x outside sections" % rva)

    def exports(self):
        rva, size = self.dirs[0]
        if not rva:
            return {}
        o = self.off(rva)
        base, nfuncs, nnames, funcs, names, ords = struct.unpack_from("<IIIIII", self.data, o + 16)
        result = {}
        for i in range(nnames):
            name_rva = struct.unpack_from("<I", self.data, self.off(names) + 4 * i)[0]
            idx = struct.unpack_from("<H", self.data, self.off(ords) + 2 * i)[0]
            func = struct.unpack_from("<I", self.data, self.off(funcs) + 4 * idx)[0]
            n = self.data[self.off(name_rva):self.data.index(b"\0", self.off(name_rva))].decode()
            result[n] = (base + idx, func)
        return result

    def imports(self):
        rva, size = self.dirs[1]
        names = []
        o = self.off(rva)
        while True:
            name_rva = struct.unpack_from("<I", self.data, o + 12)[0]
            if name_rva == 0:
                break
            start = self.off(name_rva)
            names.append(self.data[start:self.data.index(b"\0", start)].decode())
            o += 20
        return names

    def resources(self):
        """{(type, name): {lang: (offset, size)}} with ids as ints and names as upper-case str."""
        rva, size = self.dirs[2]
        root = self.off(rva)
        out = {}

        def entries(o):
            named, ids = struct.unpack_from("<HH", self.data, o + 12)
            for i in range(named + ids):
                n, target = struct.unpack_from("<II", self.data, o + 16 + 8 * i)
                if n & 0x80000000:
                    so = root + (n & 0x7FFFFFFF)
                    ln = struct.unpack_from("<H", self.data, so)[0]
                    key = self.data[so + 2:so + 2 + 2 * ln].decode("utf-16le").upper()
                else:
                    key = n
                yield key, target

        for t, t_target in entries(root):
            for n, n_target in entries(root + (t_target & 0x7FFFFFFF)):
                for lang, l_target in entries(root + (n_target & 0x7FFFFFFF)):
                    drva, dsize = struct.unpack_from("<II", self.data, root + l_target)
                    out.setdefault((t, n), {})[lang] = (self.off(drva), dsize)
        return out


def ret_sizes(objdump, dll, rva, image_base):
    """Operand sizes of the `ret` instructions of the function at rva (up to the next label)."""
    start = image_base + rva
    text = subprocess.run([objdump, "-d", "--no-show-raw-insn", "--start-address=0x%x" % start,
                           "--stop-address=0x%x" % (start + 0x4000), dll], capture_output=True, text=True).stdout
    sizes = set()
    labels = 0
    for line in text.splitlines():
        if re.match(r"^[0-9a-f]+ <.*>:$", line):
            labels += 1
            if labels > 1:
                break
            continue
        m = re.search(r"\bret[lw]?\s*(\$0x[0-9a-f]+)?\s*$", line)
        if m:
            sizes.add(int(m.group(1)[1:], 16) if m.group(1) else 0)
    return sizes


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("dll")
    ap.add_argument("objdump")
    ap.add_argument("--export", action="append", default=[])
    ap.add_argument("--dialog", action="append", type=int, default=[])
    ap.add_argument("--bitmap", action="append", default=[])
    a = ap.parse_args()

    data = open(a.dll, "rb").read()
    pe = PE(data)
    ok(pe.machine == 0x14C, "machine is i386 (0x%x)" % pe.machine)

    exports = pe.exports()
    wanted = {}
    for entry in a.export:
        name, argbytes, ordinal = entry.split(":")
        wanted[name] = (int(ordinal), int(argbytes))
    ok(set(exports) == set(wanted), "exported names %s, expected %s" % (sorted(exports), sorted(wanted)))
    for name, (ordinal, argbytes) in wanted.items():
        if name not in exports:
            continue
        got_ord, rva = exports[name]
        ok(got_ord == ordinal, "%s at ordinal %d, expected %d" % (name, got_ord, ordinal))
        sizes = ret_sizes(a.objdump, a.dll, rva, pe.image_base)
        ok(sizes == {argbytes}, "%s returns with ret %s, expected ret $%d" % (name, sorted(sizes), argbytes))

    # Static runtime: only system libraries may be imported, nothing of the compiler's runtime.
    system = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "comdlg32.dll", "comctl32.dll"}
    imported = [n.lower() for n in pe.imports()]
    ok(set(imported) <= system, "imports only system libraries: %s" % imported)

    res = pe.resources()
    RT_BITMAP, RT_DIALOG, RT_VERSION = 2, 5, 16
    version = res.get((RT_VERSION, 1))
    ok(version is not None, "version block present")
    if version:
        ok(0x804 in version, "version block in Chinese Simplified (langs %s)" % [hex(l) for l in version])
        off, size = next(iter(version.values()))
        blob = data[off:off + size]
        fixed = blob.find(struct.pack("<I", 0xFEEF04BD))
        ok(fixed >= 0, "VS_FIXEDFILEINFO present")
        if fixed >= 0:
            ms, ls = struct.unpack_from("<II", blob, fixed + 8)
            ok((ms, ls) == (0x00010000, 0x00000001), "file version %d,%d,%d,%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))
        ok(b"\x04\x08\xb0\x04" in blob, "translation 0x0804, code page 1200")
    for dialog in a.dialog:
        ok((RT_DIALOG, dialog) in res, "dialog template %d present" % dialog)
    for bitmap in a.bitmap:
        # windres gives a name of digits only (the charts' background, 2015) an integer id.
        key = int(bitmap) if bitmap.isdigit() else bitmap.upper()
        ok((RT_BITMAP, key) in res, "bitmap %s present" % bitmap)

    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
