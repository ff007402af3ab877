#!/usr/bin/env python3
"""Static checks of the shipping 32-bit module, which cannot run on this machine.

  check_dll.py TQDim.dll OBJDUMP --symbols TQDim.dll.debug --export NAME:ARGBYTES:ORDINAL ... --dialog ID ... --bitmap NAME ...
               [--int-result NAME] [--loads LIBRARY:FUNCTION_OR_ORDINAL,...]

Checks: the PE is i386, stripped, with a debug link to its symbol file, and imports only system libraries (static runtime); every export has its undecorated name, its ordinal and nothing else is
exported; each exported function returns with `ret $ARGBYTES` (stdcall: the callee removes its
arguments) and with exactly 0 or 1 in the whole of EAX (an integer result: all of EAX set); the version block says 1,0,0,1 in Chinese Simplified; the dialog templates and
bitmaps are present; a library bound at run time is not imported and its names and ordinals
are in the module. Prints "N passed, N failed".
"""
import argparse
import os
import re
import struct
import subprocess
import sys
import zlib

passed = 0
failed = 0


def ok(cond, msg):
    global passed, failed
    if cond:
        passed += 1
    else:
        failed += 1
        print("FAIL: " + msg)


def headers(objdump, dll):
    """What `objdump -p` reads from the module's headers: the machine, whether it is stripped,
    the image base, the exports {name: (ordinal, rva)}, the imported libraries and the
    resources {(type, name): {languages}} (ids as ints, names upper-case)."""
    text = subprocess.run([objdump, "-p", dll], capture_output=True, text=True).stdout
    h = {"i386": "file format pei-i386" in text, "stripped": "\tsymbols stripped" in text,
         "base": int(re.search(r"^ImageBase\s+([0-9a-f]+)", text, re.M).group(1), 16),
         "imports": re.findall(r"DLL Name: (\S+)", text), "exports": {}, "resources": {}}
    base = int((re.search(r"Ordinal Base\s+(\d+)", text) or [0, 0])[1])
    rvas = dict(re.findall(r"\[\s*(\d+)\] \+base\[\s*\d+\] ([0-9a-f]+) Export RVA", text))
    table = text[text.find("[Ordinal/Name Pointer] Table"):]
    for index, name in re.findall(r"^\t\[\s*(\d+)\] (\S+)$", table, re.M):
        h["exports"][name] = (base + int(index), int(rvas[index], 16))
    path = [None, None]
    for indent, rid, rname in re.findall(
            r"^[0-9a-f]+( +)Entry: (?:ID: 0x([0-9a-f]+)|name: \[[^]]*\]: (\S+)), Value", text, re.M):
        key = int(rid, 16) if rid else rname.upper()
        level = (len(indent) - 3) // 2
        if level < 2:
            path[level] = key
        else:
            h["resources"].setdefault(tuple(path), set()).add(key)
    return h


def function_starts(nm, symbols):
    """Sorted addresses of the code symbols in the module's separate symbol file."""
    out = subprocess.run([nm, symbols], capture_output=True, text=True).stdout
    return sorted({int(m.group(1), 16) for m in re.finditer(r"^([0-9a-f]+) [Tt] ", out, re.M)})


def function_code(objdump, dll, start, stop):
    """[(address, mnemonic, operands)] of the code from start up to stop (the next symbol)."""
    text = subprocess.run([objdump, "-d", "--no-show-raw-insn", "--start-address=0x%x" % start,
                           "--stop-address=0x%x" % stop, dll], capture_output=True, text=True).stdout
    code = []
    for line in text.splitlines():
        m = re.match(r"^\s*([0-9a-f]+):\s+(\S+)\s*(.*?)\s*$", line)
        if m and not m.group(2).startswith("."):
            ops = re.sub(r"\s+<.*>$", "", m.group(3))
            code.append((int(m.group(1), 16), m.group(2), ops))
    return code


REG8 = {"al": "eax", "bl": "ebx", "cl": "ecx", "dl": "edx"}
CALLER_SAVED = {"eax", "ecx", "edx"}


def operands(text):
    """AT&T operands, split at the commas outside parentheses; the destination is the last."""
    parts, depth, cur = [], 0, ""
    for ch in text:
        if ch == "," and depth == 0:
            parts.append(cur)
            cur = ""
            continue
        depth += ch == "("
        depth -= ch == ")"
        cur += ch
    if cur:
        parts.append(cur)
    return [p.strip() for p in parts]


def result_register_faults(code, wide=False):
    """Why EAX might not hold exactly 0 or 1 at some `ret` of the function, found by walking
    back from each `ret` along every path (fall-through and jumps inside the function) to what
    set the register. A path ends well at a full-width set of 0 or 1 (xor r,r; mov $0/$1;
    movzbl of a byte; and $1), or where a compare of the register with 0 or 1 was just found
    equal (the compiler reuses a DoModal result it compared with IDOK). `setcc` of the low byte
    needs a zeroing of the whole register before it; a copy from another register or from an
    %ebp-based spill slot follows that location. With `wide` (a 32-bit integer result) any
    write of the whole register ends a path well; only a write of its low byte is a fault."""
    index = {addr: i for i, (addr, _, _) in enumerate(code)}
    targets = {}
    preds = {i: [] for i in range(len(code))}
    for i, (addr, mn, ops) in enumerate(code):
        ends_flow = mn.startswith("ret") or mn.startswith("jmp") or mn == "ud2"
        if i + 1 < len(code) and not ends_flow:
            preds[i + 1].append(i)
        if mn.startswith("j") and re.match(r"^(0x)?[0-9a-f]+$", ops) and int(ops, 16) in index:
            targets[i] = index[int(ops, 16)]
            preds[targets[i]].append(i)

    # Padding after a `ret` or `jmp` (lea 0x0(%esi),%esi, ...) is never executed.
    succs = {i: [] for i in preds}
    for k, ps in preds.items():
        for p in ps:
            succs[p].append(k)
    reachable, todo = set(), [0]
    while todo:
        i = todo.pop()
        if i not in reachable:
            reachable.add(i)
            todo.extend(succs[i])
    preds = {k: [p for p in ps if p in reachable] for k, ps in preds.items()}

    def equal_on_edge(p, k):
        """The register a `cmp $0/$1` or `test r,r` before the branch p showed equal to 0 or 1
        on the way to k."""
        mn = code[p][1]
        if p == 0 or mn not in ("je", "jne"):
            return None
        taken = targets.get(p) == k
        if (mn == "je") != taken:
            return None
        cmn, cops = code[p - 1][1], operands(code[p - 1][2])
        if cmn == "cmp" and cops[0] in ("$0x0", "$0x1") or cmn == "test" and cops[0] == cops[1]:
            return cops[-1].lstrip("%")
        return None

    regs = ("eax", "ebx", "ecx", "edx", "esi", "edi")
    faults = []
    for i, (addr, mn, _) in enumerate(code):
        if not mn.startswith("ret"):
            continue
        seen = set()
        todo = [(p, i, "eax", "full", frozenset()) for p in preds[i]]
        while todo:
            j, k, loc, need, known = todo.pop()
            eq = equal_on_edge(j, k)
            if eq is not None:
                known = known | {eq}
            if loc in known and need == "full":
                continue
            if (j, loc, need, known) in seen:
                continue
            seen.add((j, loc, need, known))
            jaddr, jmn, jops = code[j]
            ops = operands(jops)
            dest = ops[-1].lstrip("%") if ops else ""
            where = "ret at %x: %s %s at %x" % (addr, jmn, jops, jaddr)
            verdict = None  # None: leaves loc alone; "ok"; "fault"; or (loc, need) to follow
            if jmn.startswith("call"):
                known = known - CALLER_SAVED
                verdict = "fault" if loc in CALLER_SAVED else None
            elif jmn in ("cltd", "cdq", "cwtl", "mul", "div", "idiv") and loc in ("eax", "edx"):
                verdict = "fault"
            elif dest == loc and not re.match(r"^(cmp|test|push|bt)", jmn):
                src = ops[0].lstrip("%") if ops[0].startswith("%") else ops[0]
                if wide and need == "full":
                    verdict = "ok"
                elif jmn in ("xor", "sub") and ops[0] == ops[1]:
                    verdict = "ok"
                elif jmn in ("mov", "movl") and ops[0] in ("$0x0", "$0x1"):
                    verdict = "ok"
                elif jmn == "movzbl" or (jmn == "and" and ops[0] == "$0x1" and need == "full"):
                    verdict = "ok"
                elif jmn == "mov" and need == "full" and (src in regs or src.endswith("(%ebp)")):
                    verdict = (src, "full")
                else:
                    verdict = "fault"
            elif REG8.get(dest) == loc:
                # Only the low byte is set: the rest of the register must already be zero.
                verdict = (loc, "upper") if jmn.startswith("set") or jmn == "mov" else "fault"
            if dest in known and verdict is None and not re.match(r"^(cmp|test|push|bt|j)", jmn):
                known = known - {dest}
            if verdict == "ok":
                continue
            if verdict == "fault":
                faults.append(where)
                continue
            if verdict is not None:
                loc, need = verdict
                if loc in known and need == "full":
                    continue
            if j == 0:
                faults.append("ret at %x: %s reaches the entry unset" % (addr, loc))
            todo.extend((p, j, loc, need, known) for p in preds[j])
    return faults


def check_run_time_binding(dll, objdump, data, imported, entry):
    """A library the module loads on first use: absent from the import table, its file name in
    the module (UTF-16, for LoadLibraryW), each function's name (ASCII, for GetProcAddress) and
    each ordinal as an immediate operand in the code."""
    library, functions = entry.split(":")
    ok(library.lower() not in imported, "%s is not imported (the module loads without it)" % library)
    ok(library.encode("utf-16le") in data, "%s named in the module" % library)
    code = None
    for f in functions.split(","):
        if f.isdigit():
            if code is None:
                code = subprocess.run([objdump, "-d", "--no-show-raw-insn", dll], capture_output=True, text=True).stdout
            ok(re.search(r"\$0x%x\b" % int(f), code) is not None, "%s ordinal %s used in the code" % (library, f))
        else:
            ok(f.encode() + b"\0" in data, "%s function %s named in the module" % (library, f))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("dll")
    ap.add_argument("objdump")
    ap.add_argument("--symbols", required=True, help="the module's separate symbol file")
    ap.add_argument("--export", action="append", default=[])
    ap.add_argument("--dialog", action="append", type=int, default=[])
    ap.add_argument("--bitmap", action="append", default=[])
    ap.add_argument("--int-result", action="append", default=[],
                    help="NAME: an export whose result is a 32-bit integer, not a bool")
    ap.add_argument("--loads", action="append", default=[],
                    help="LIBRARY:NAME_OR_ORDINAL,...: bound at run time, never imported")
    a = ap.parse_args()

    data = open(a.dll, "rb").read()
    pe = headers(a.objdump, a.dll)
    ok(pe["i386"], "machine is i386")

    # Shipped stripped: no symbol table, and a debug link naming the symbol file with its CRC.
    ok(pe["stripped"], "module stripped")
    debug = open(a.symbols, "rb").read()
    name = os.path.basename(a.symbols).encode() + b"\0"
    link = data.find(name)
    crc_at = link + (len(name) + 3) // 4 * 4
    ok(link >= 0 and struct.unpack_from("<I", data, crc_at)[0] == zlib.crc32(debug),
       "debug link to %s with its CRC" % a.symbols)
    starts = function_starts(re.sub(r"objdump$", "nm", a.objdump), a.symbols)

    exports = pe["exports"]
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
        start = pe["base"] + rva
        code = function_code(a.objdump, a.dll, start, next((x for x in starts if x > start), start + 0x1000))
        sizes = {int(ops[1:], 16) if ops else 0 for _, mn, ops in code if mn.startswith("ret")}
        ok(sizes == {argbytes}, "%s returns with ret %s, expected ret $%d" % (name, sorted(sizes), argbytes))
        # A host that declared BOOL reads all of EAX: it must hold exactly 0 or 1 (an integer
        # result: be set whole).
        faults = result_register_faults(code, wide=name in a.int_result)
        ok(not faults, "%s leaves EAX partly set: %s" % (name, "; ".join(faults)))

    # Static runtime: only system libraries may be imported, nothing of the compiler's runtime.
    system = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "comdlg32.dll", "comctl32.dll"}
    imported = [n.lower() for n in pe["imports"]]
    ok(set(imported) <= system, "imports only system libraries: %s" % imported)

    for entry in a.loads:
        check_run_time_binding(a.dll, a.objdump, data, imported, entry)

    res = pe["resources"]
    RT_BITMAP, RT_DIALOG, RT_VERSION = 2, 5, 16
    ok(res.get((RT_VERSION, 1)) == {0x804}, "version block in Chinese Simplified: %s" % res.get((RT_VERSION, 1)))
    fixed = data.find(struct.pack("<I", 0xFEEF04BD))
    ok(fixed >= 0 and struct.unpack_from("<II", data, fixed + 8) == (0x00010000, 0x00000001),
       "VS_FIXEDFILEINFO with file version 1,0,0,1")
    ok(b"\x04\x08\xb0\x04" in data, "translation 0x0804, code page 1200")
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
