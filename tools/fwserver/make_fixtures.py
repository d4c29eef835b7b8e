#!/usr/bin/env python3
"""Writes the firmware server's fixture tree (fixtures/zarnbluetoothmanager/).

The lists follow the line formats the program parses; the images are in the
formats of the stand-ins: DFU images for DFUEngine.dll (see
standins/README.md) and HID update packages. Run it again after a change.
"""
import hashlib
import os
import struct
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures", "zarnbluetoothmanager")


def dfu_image(tag, fw_version, size=2048):
    """A DFU image of the stand-in library: magic, PSKEY_FW_VERSION bytes,
    length, identity tag at offset 16, filler, and the 16-byte file suffix
    whose last four bytes are the CRC-32 of everything before them."""
    head = b"SIMDFU01" + bytes(fw_version) + struct.pack("<I", size)
    body = tag.encode("ascii").ljust(32, b" ")
    filler = bytes((i * 7 + 3) & 0xFF for i in range(size - len(head) - len(body) - 16))
    suffix = struct.pack("<HHHH", 0xFFFF, 0xFFFF, 0xFFFF, 0x0100) + b"UFD" + bytes([16])
    data = head + body + filler + suffix
    # zlib's CRC-32 ends inverted; the suffix keeps the register as it is.
    crc = zlib.crc32(data) ^ 0xFFFFFFFF
    return data + struct.pack("<I", crc)


def hid_package(model, parts):
    """A HID update package: header, part table, part records, data.
    parts: list of (target, part_type, data, (major, minor))."""
    n = len(parts)
    data_at = 36 + 32 * n + 312 * n
    header = b"SIMPKG".ljust(28, b"\0") + struct.pack("<II", model, n)
    table, records, blob = b"", b"", b""
    for target, ptype, data, (major, minor) in parts:
        offset = data_at + len(blob)
        digest = hashlib.md5(data).digest()
        table += struct.pack("<IIII", target, ptype, offset, len(data)) + digest
        records += struct.pack("<IIIIII", target, ptype, offset, len(data), major, minor)
        records += b"\0" * (296 - 24) + digest
        blob += data
    return header + table + records + blob


def pattern(seed, size):
    return bytes((i * seed + seed) & 0xFF for i in range(size))


def write(name, content):
    path = os.path.join(ROOT, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    mode = "w" if isinstance(content, str) else "wb"
    with open(path, mode, newline="" if mode == "w" else None) as f:
        f.write(content)


def main():
    write("Firmware", "\n".join([
        "TKV40 : v3.3 : TKV40_v3.3.img",
        "Vela_Morn_T : v1.2 : Vela_Morn_T_v1.2.img",
        "Morvex_VME : v1.1 : English : Morvex_VME_v1.1-en.img",
        "Morvex_VME : v1.1 : French : Morvex_VME_v1.1-fr.img",
        "40N : v1.3 : 40N_v1.3.img",
        "40Z : v2.1 : 40Z_v2.1.img",
        "Vehicle_Module : v1.1 : Vehicle_Module_v1.1.img",
        "70J : v1.1 : English : 70J_v1.1-en.img",
        "70J : v1.1 : French : 70J_v1.1-fr.img",
        "P3 : v1.1 : P3_v1.1.img",
        "Corvane : v1.1 : Corvane_v1.1.img",
        "60T : v1.8 : 60T_v1.8.0.img",
        "G304N : v1.1 : G304N_v1.1.img",
        "Duo40 : v1.1 : Duo40_v1.1.img",
        "DRW40 : v4.3 : DRW40_v4.3.img",
        "Kuzo_Audio_DRW40 : v1.1 : Kuzo_Audio_DRW40_v1.1.img",
        "",
    ]))
    write("Revisions", "\n".join([
        "TKV40 : v3.2 : TKV40_v3.2.img",
        "Vela_Morn_T : v1.0 : Vela_Morn_T_v1.0.img",
        "Morvex_VME : v1.0 : English : Morvex_VME_v1.0-en.img",
        "40N : v1.2 : 40N_v1.2.img",
        "",
    ]))
    write("x64/Software", "\n".join([
        "MorvexBluetoothDeviceManager : v1.1 : x64/MorvexBluetoothDeviceManagerSetup_v1.1.exe",
        "",
    ]))
    write("x64/MorvexBluetoothDeviceManagerSetup_v1.1.exe",
          "Installer stand-in of the local firmware server.\r\n")

    write("TKV40_v3.3.img", dfu_image("TKV40#4D10", [33, 0, 0, 0]))
    write("TKV40_v3.2.img", dfu_image("TKV40#4D10", [32, 0, 0, 0]))
    write("Vela_Morn_T_v1.2.img", dfu_image("Vela_Morn_T#2110", [12, 0, 0, 0]))
    write("Vela_Morn_T_v1.0.img", dfu_image("Vela_Morn_T#2110", [10, 0, 0, 0]))
    for lang in ("en", "fr"):
        write("Morvex_VME_v1.1-%s.img" % lang, dfu_image("Morvex_VME#2120", [11, 0, 0, 0]))
    write("G304N_v1.1.img", dfu_image("G304N#6020", [11, 0, 0, 0]))
    write("Duo40_v1.1.img", dfu_image("Duo40#5310", [11, 0, 0, 0]))
    write("DRW40_v4.3.img", dfu_image("DRW40#5060", [43, 0, 0, 0]))
    write("Kuzo_Audio_DRW40_v1.1.img", dfu_image("Kuzo_Audio_DRW40#5011", [11, 0, 0, 0]))
    write("Morvex_VME_v1.0-en.img", dfu_image("Morvex_VME#2120", [10, 0, 0, 0]))
    write("40N_v1.2.img", hid_package(0x5520, [
        (0, 1, pattern(3, 3000), (1, 2)),
        (2, 2, pattern(7, 1020), (1, 2)),
    ]))
    write("40N_v1.3.img", hid_package(0x5520, [
        (0, 1, pattern(5, 3000), (1, 3)),
        (2, 2, pattern(11, 1020), (1, 3)),
    ]))
    # A camera package: part 2 is the camera's firmware, which the simulated
    # camera installs from its card ("CAMFW major.minor" at its start).
    write("40Z_v2.1.img", hid_package(0x5510, [
        (0, 1, pattern(7, 4000), (2, 1)),
        (2, 2, pattern(13, 1500), (2, 1)),
        (2, 3, b"CAMFW 2.1\n" + pattern(17, 6000), (2, 1)),
    ]))
    # The vehicle module: the Bluetooth image, then the CAN controller's hex file.
    write("Vehicle_Module_v1.1.img", hid_package(0x5345, [
        (0, 0x31, pattern(19, 5000), (1, 1)),
        (0, 0x32, b":020000040800F2\r\n:10000000" + b"00" * 16 + b"F0\r\n:00000001FF\r\n", (1, 1)),
    ]))
    # Two parts for the running headset, one for its update-mode chip.
    for lang in ("en", "fr"):
        write("70J_v1.1-%s.img" % lang, hid_package(0x3110, [
            (2, 1, pattern(23, 3000), (1, 1)),
            (0, 2, pattern(29, 1200), (1, 1)),
            (0, 0, pattern(31, 2000), (1, 1)),
        ]))
    write("P3_v1.1.img", hid_package(0x6010, [
        (0, 1, pattern(37, 5000), (1, 1)),
    ]))
    # Two-chip headsets: target 0 the first interface, 1 the second.
    write("Corvane_v1.1.img", hid_package(0x4310, [
        (0, 1, pattern(41, 3000), (1, 1)),
        (1, 2, pattern(43, 2500), (1, 1)),
    ]))
    write("60T_v1.8.0.img", hid_package(0x4210, [
        (0, 1, pattern(47, 3000), (1, 8)),
        (1, 2, pattern(53, 2500), (1, 8)),
    ]))


if __name__ == "__main__":
    main()
