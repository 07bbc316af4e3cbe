#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the channel-set archives the tests read (tests/playersets/archives), from the
# folder set "Pack" there: the same set as .zip, .7z and .rar, and the hostile ones.
# Needs bsdtar (Debian: libarchive-tools) and python3. libarchive cannot write RAR, so
# the .rar files (RAR 4 and RAR 5, stored) are put together by hand.
set -euo pipefail
cd "$(dirname "$0")/../tests/playersets/archives"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bsdtar --format zip -cf set.zip Pack
bsdtar --format 7zip -cf set.7z Pack
printf secret > "$tmp/misc16.fsh"
(cd "$tmp" && bsdtar --format zip --options zip:encryption=zipcrypt --passphrase secret \
    -cf out misc16.fsh) && mv "$tmp/out" encrypted.zip
head -c $((64 * 1048576 + 1)) /dev/zero > "$tmp/misc16.fsh"
(cd "$tmp" && bsdtar --format 7zip -cf out misc16.fsh) && mv "$tmp/out" oversized.7z
# Four files of 64 MiB and a preview: each within its limit, more than 256 MiB in all.
mkdir "$tmp/big" && for f in Misc16.fsh misc8.fsh popups.abg popups.big; do
    head -c $((64 * 1048576)) /dev/zero > "$tmp/big/$f"
done && printf x > "$tmp/big/preview.jpg"
(cd "$tmp/big" && bsdtar --format 7zip -cf ../out .) && mv "$tmp/out" toolarge.7z
# The four alone: 256 MiB exactly, all a set may hold.
rm "$tmp/big/preview.jpg" && (cd "$tmp/big" && bsdtar --format 7zip -cf ../out .) &&
    mv "$tmp/out" whole.7z && rm -r "$tmp/big"
# A solid archive with a filler of more than 1 GiB before the set's file: small on disk,
# long to unpack.
rm "$tmp/misc16.fsh" && head -c $((1024 * 1048576 + 1)) /dev/zero > "$tmp/filler.bin"
printf 'after the filler' > "$tmp/misc16.fsh"
(cd "$tmp" && bsdtar --format 7zip -cf out filler.bin misc16.fsh) && mv "$tmp/out" long-walk.7z
rm "$tmp/filler.bin" "$tmp/misc16.fsh" && ln -s /etc/passwd "$tmp/misc16.fsh"
(cd "$tmp" && bsdtar --format zip -cf out misc16.fsh) && mv "$tmp/out" link.zip
head -c 40 set.zip > damaged.zip
# One entry more than a set's archive may hold (empty files: a few KiB in a 7z).
mkdir "$tmp/many" && (cd "$tmp/many" && for i in $(seq 10000 30000); do : > "$i"; done &&
    bsdtar --format 7zip -cf ../out -- *) && mv "$tmp/out" many.7z && rm -r "$tmp/many"
python3 - <<'PY'
import os, struct, zipfile, zlib
with zipfile.ZipFile("climb.zip", "w") as z:
    z.writestr("../misc16.fsh", "climbs out")
with zipfile.ZipFile("twice.zip", "w") as z:
    z.writestr("a/misc16.fsh", "one")
    z.writestr("b/MISC16.fsh", "two")
with zipfile.ZipFile("game.zip", "w") as z:  # a game folder's, with its kept files
    for name, text in (("DATA/ENVIRO/Misc16.fsh", "in place"),
                       ("KESTRO backup/DATA/ENVIRO/Misc16.fsh", "kept"),
                       ("kestro BACKUP/misc8.fsh", "kept too")):
        z.writestr(zipfile.ZipInfo(name, (2001, 1, 1, 0, 0, 0)), text)
with zipfile.ZipFile("none.zip", "w") as z:
    z.writestr("Pack/readme.txt", "no set file here")
# A download gone bad: one file's bytes no longer match its CRC, the rest are sound.
with zipfile.ZipFile("badcrc.zip", "w") as z:  # stored, so the bytes are as written
    for name, text in (("misc16.fsh", "sixteen"), ("popups.big", "big")):
        z.writestr(zipfile.ZipInfo(name, (2001, 1, 1, 0, 0, 0)), text)
bad = bytearray(open("badcrc.zip", "rb").read())
bad[30 + len("misc16.fsh")] ^= 1  # the first byte of misc16.fsh's data
open("badcrc.zip", "wb").write(bad)
# A zip that tells an entry's size only after its data, with no central directory: more
# than 1 GiB of zeros before the set's file, which reading must unpack to pass.
def local(name, method, flags, crc=0, packed=0, size=0):
    n = name.encode()
    return struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, flags, method, 0, 0, crc, packed, size,
                       len(n), 0) + n
squeeze = zlib.compressobj(9, zlib.DEFLATED, -15)
chunk = squeeze.compress(bytes(1 << 20)) + squeeze.flush(zlib.Z_FULL_FLUSH)
with open("streamed.zip", "wb") as out:
    out.write(local("filler.bin", 8, 8))
    for _ in range(1025):
        out.write(chunk)
    out.write(b"\x03\x00")
    out.write(struct.pack("<IIII", 0x08074B50, 0, len(chunk) * 1025 + 2, 0))
    data = b"after the filler"
    out.write(local("misc16.fsh", 0, 0, zlib.crc32(data), len(data), len(data)) + data)
def block(body):
    return struct.pack("<H", zlib.crc32(body) & 0xFFFF) + body
def entry(name, data):
    n = name.encode()
    return block(b"\x74" + struct.pack("<HHIIBIIBBHI", 0x8000, 32 + len(n), len(data), len(data),
                                       0, zlib.crc32(data), 0x5A210000, 20, 0x30, len(n), 0x20)
                 + n) + data
# The set's files in a fixed order, for both RAR versions.
pack = [(os.path.join(root, f), open(os.path.join(root, f), "rb").read())
        for root, _, files in sorted(os.walk("Pack")) for f in sorted(files)]
rar = b"Rar!\x1a\x07\x00" + block(b"\x73" + struct.pack("<HH", 0, 13) + bytes(6))
for path, data in pack:
    rar += entry(path.replace("/", "\\"), data)
rar += block(b"\x7b" + struct.pack("<HH", 0x4000, 7))
open("set.rar", "wb").write(rar)
# The first part of a split archive: its main header says so (flag 1).
open("split4.rar", "wb").write(rar[:7] + block(b"\x73" + struct.pack("<HH", 1, 13) + bytes(6))
                               + rar[20:])
# RAR 5: sizes as variable-length integers, each header under a CRC-32 of its own.
def vint(n):
    out = b""
    while True:
        out += bytes([(n & 0x7F) | (0x80 if n > 0x7F else 0)])
        n >>= 7
        if not n:
            return out
def header(*fields):
    body = b"".join(fields)
    sized = vint(len(body)) + body
    return struct.pack("<I", zlib.crc32(sized)) + sized
rar5 = b"Rar!\x1a\x07\x01\x00" + header(vint(1), vint(0), vint(0))  # main header
cut5 = b""
for path, data in pack:
    name = path.encode()
    # A file with data and its CRC, stored, from Windows, attributes "archive".
    rar5 += header(vint(2), vint(2), vint(len(data)), vint(4), vint(len(data)), vint(0x20),
                   struct.pack("<I", zlib.crc32(data)), vint(0), vint(0), vint(len(name)),
                   name) + data
    cut5 = cut5 or rar5  # a download cut just after the first file
rar5 += header(vint(5), vint(4), vint(0))  # end of archive, "skip if unknown" as WinRAR has it
open("set5.rar", "wb").write(rar5)
open("cut5.rar", "wb").write(cut5)
# The first part of a split archive, its file going on in the next part (file flag 0x10).
data = b"goes on in part 2"
name = b"Pack/DATA/ENVIRO/Misc16.fsh"
split5 = (
    b"Rar!\x1a\x07\x01\x00" + header(vint(1), vint(0), vint(1))
    + header(vint(2), vint(0x12), vint(8), vint(4), vint(len(data)), vint(0x20),
             struct.pack("<I", zlib.crc32(data)), vint(0), vint(0), vint(len(name)), name)
    + data[:8] + header(vint(5), vint(4), vint(1)))
open("split5.rar", "wb").write(split5)
# The same behind a self-extractor's 64 KiB, where libarchive finds it too.
open("sfx5.rar", "wb").write(b"MZ" + bytes(65534) + split5)
# The same part with an extra area in its main header (a record of a later version): the
# header is then over 127 bytes, its size two bytes long.
record = vint(0x7F) + bytes(128)
extra = vint(len(record)) + record
main = header(vint(1), vint(1), vint(len(extra)), vint(1), extra)
open("extra5.rar", "wb").write(b"Rar!\x1a\x07\x01\x00" + main + split5[16:])
PY
printf 'just text\n' > not-an-archive.zip
