#!/usr/bin/env python3
"""Writes a World Magnetic Model coefficient table (NOAA's WMM.COF layout) as
the two files GeographicLib's MagneticModel reads: NAME.wmm (metadata) and
NAME.wmm.cof (binary coefficients).

    scripts/wmm_to_geographiclib.py assets/magnetic/WMM2025.COF assets/magnetic
    scripts/wmm_to_geographiclib.py --check assets/magnetic/WMM2025.COF assets/magnetic

--check writes nothing and fails when the files in the folder differ from
what the table gives, so the checked-in binary cannot drift from the table.

The .cof file is an 8-character ID, then for the main field and for its
secular variation: int32 N, int32 M, the cosine coefficients g(n,m) ordered
by m, then n (m = 0..M, n = m..N), then the sine coefficients h(n,m) for
m >= 1 in the same order; little-endian IEEE doubles, Schmidt normalised.
"""
import argparse
import struct
import sys
from pathlib import Path

ID = "WMM2025A"  # GeographicLib wants exactly 8 characters


def read_table(path):
    lines = Path(path).read_text().splitlines()
    epoch, name, released = lines[0].split()
    rows = {}
    for number, line in enumerate(lines[1:], start=2):
        if line.startswith("9999"):
            break
        fields = line.split()
        if len(fields) != 6:
            sys.exit(f"{path}:{number}: expected n m g h gdot hdot, got {line!r}")
        n, m = int(fields[0]), int(fields[1])
        if not 0 <= m <= n:
            sys.exit(f"{path}:{number}: order {m} does not fit degree {n}")
        rows[(n, m)] = [float(x) for x in fields[2:]]
    degree = max(n for n, _ in rows)
    missing = [(n, m) for n in range(1, degree + 1) for m in range(n + 1) if (n, m) not in rows]
    if missing:
        sys.exit(f"{path}: coefficients missing for (n, m) = {missing}")
    return float(epoch), name, released, degree, rows


def coefficients(rows, degree, g_col, h_col):
    def value(n, m, col):
        return rows[(n, m)][col] if n >= 1 else 0.0  # no degree-0 term

    cos = [value(n, m, g_col) for m in range(degree + 1) for n in range(m, degree + 1)]
    sin = [value(n, m, h_col) for m in range(1, degree + 1) for n in range(m, degree + 1)]
    return struct.pack(f"<ii{len(cos)}d{len(sin)}d", degree, degree, *cos, *sin)


def metadata(epoch, name, released, source):
    month, day, year = released.split("/")
    return "\n".join([
        "WMMF-1",
        "# Written by scripts/wmm_to_geographiclib.py from " + source,
        "Name            wmm2025",
        f"Description     World Magnetic Model 2025 ({name})",
        "URL             https://www.ncei.noaa.gov/products/world-magnetic-model",
        "Publisher       National Oceanic and Atmospheric Administration and British Geological Survey",
        f"ReleaseDate     {year}-{month}-{day}",
        "Radius          6371200",
        "NumModels       1",
        f"Epoch           {epoch:g}",
        "DeltaEpoch      5",
        f"MinTime         {epoch:g}",
        f"MaxTime         {epoch + 5:g}",
        "MinHeight       -1000",
        "MaxHeight       850000",
        "Normalization   Schmidt",
        "ByteOrder       Little",
        f"ID              {ID}",
        "",
    ])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("table")
    parser.add_argument("folder")
    args = parser.parse_args()

    epoch, name, released, degree, rows = read_table(args.table)
    wanted = {
        "wmm2025.wmm": metadata(epoch, name, released, Path(args.table).name).encode(),
        "wmm2025.wmm.cof": ID.encode() + coefficients(rows, degree, 0, 1) + coefficients(rows, degree, 2, 3),
    }
    folder = Path(args.folder)
    for file, content in wanted.items():
        path = folder / file
        if args.check:
            if not path.exists() or path.read_bytes() != content:
                sys.exit(f"{path} does not match {args.table}; rerun {sys.argv[0]}")
        else:
            path.write_bytes(content)
    print(("checked " if args.check else "wrote ") + ", ".join(str(folder / f) for f in wanted))


if __name__ == "__main__":
    main()
