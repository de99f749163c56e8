#!/usr/bin/env python3
"""Writes the section library's steel catalogues (HEB, UPN, L, SHS, RHS, CHS) as table files.

Usage: make_catalogues.py DATA_DIR PROF_DIR

DATA_DIR holds the reference figures as tab-separated files with one header line (units in
the column names, "." as decimal point). Each catalogue becomes PROF_DIR/<table>.pr: row 0 the
section type number, row 1 the header ("SysName", "I/O", the four language columns, then the
value columns: the section type's value names first, then the section properties), then one
row per size. Cells are separated by a tab, lines end in CRLF. Numbers are copied as written.
"""
import csv
import os
import sys

LANGUAGES = ["English", "Dutch", "German", "French"]

# Property columns shared by the catalogues, as the library's tables name them.
PROPERTY_NAMES = {
    "mass_kg_m": "G", "A_cm2": "A", "Iy_cm4": "Iy", "Wel_y_cm3": "Wel.y", "Wpl_y_cm3": "Wpl.y",
    "iy_cm": "iy", "Iz_cm4": "Iz", "Wel_z_cm3": "Wel.z", "Wpl_z_cm3": "Wpl.z", "iz_cm": "iz",
    "It_cm4": "It", "c_cm": "c", "Iu_cm4": "Iu", "iu_cm": "iu", "Iv_cm4": "Iv", "iv_cm": "iv",
    "ys_cm": "ys", "ym_cm": "ym", "I_cm4": "I", "Wel_cm3": "Wel", "Wpl_cm3": "Wpl", "i_cm": "i",
    "r1_mm": "r1", "r2_mm": "r2",
}

# table: (data file, section type, name prefix in the data, user-name prefix,
#         value columns as (header name, data column), property columns to add)
CATALOGUES = [
    ("HEB", "heb.tsv", 1, "HEB", "HEB ",
     [("h", "h_mm"), ("b", "b_mm"), ("tw", "tw_mm"), ("tf", "tf_mm"), ("r", "r_mm")],
     ["mass_kg_m", "A_cm2", "Iy_cm4", "Wel_y_cm3", "Wpl_y_cm3", "iy_cm", "Iz_cm4", "Wel_z_cm3",
      "Wpl_z_cm3", "iz_cm"]),
    ("UPN", "upn.tsv", 3, "UPN", "UPN ",
     [("h", "h_mm"), ("b", "b_mm"), ("tw", "tw_mm"), ("tf", "tf_mm"), ("r1", "r1_mm"),
      ("r2", "r2_mm")],
     ["mass_kg_m", "A_cm2", "Iy_cm4", "Wel_y_cm3", "Wpl_y_cm3", "iy_cm", "Iz_cm4", "Wel_z_cm3",
      "Wpl_z_cm3", "iz_cm", "ys_cm", "ym_cm"]),
    ("L", "angles.tsv", 2, "L", "L ",
     [("h", "h_mm"), ("b", "b_mm"), ("tw", "t_mm"), ("tf", "t_mm")],
     ["r1_mm", "r2_mm", "mass_kg_m", "A_cm2", "c_cm", "Iy_cm4", "Wel_y_cm3", "iy_cm", "Iu_cm4",
      "iu_cm", "Iv_cm4", "iv_cm"]),
    ("SHS", "shs.tsv", 10, "SHS", "SHS ",
     [("h", "h_mm"), ("b", "b_mm"), ("t", "t_mm"), ("r", "ro_mm")],
     ["mass_kg_m", "A_cm2", "Iy_cm4", "Wel_y_cm3", "Wpl_y_cm3", "iy_cm", "It_cm4"]),
    ("RHS", "rhs.tsv", 10, "RHS", "RHS ",
     [("h", "h_mm"), ("b", "b_mm"), ("t", "t_mm"), ("r", "ro_mm")],
     ["mass_kg_m", "A_cm2", "Iy_cm4", "Wel_y_cm3", "Wpl_y_cm3", "iy_cm", "Iz_cm4", "Wel_z_cm3",
      "Wpl_z_cm3", "iz_cm", "It_cm4"]),
    ("CHS", "chs.tsv", 11, "CHS", "CHS ",
     [("D", "D_mm"), ("t", "t_mm")],
     ["mass_kg_m", "A_cm2", "I_cm4", "Wel_cm3", "Wpl_cm3", "i_cm"]),
]


def read_rows(path):
    with open(path, newline="", encoding="ascii") as f:
        return list(csv.DictReader(f, delimiter="\t"))


def table_lines(catalogue, data_dir):
    table, data_file, shape, data_prefix, user_prefix, values, properties = catalogue
    header = ["SysName", "I/O"] + LANGUAGES + [name for name, _ in values]
    header += [PROPERTY_NAMES[p] for p in properties]
    lines = [[str(shape)], header]
    for row in read_rows(os.path.join(data_dir, data_file)):
        name = row["name"]
        if not name.startswith(data_prefix):
            raise SystemExit(f"{data_file}: {name} does not start with {data_prefix}")
        sys_name = name[len(data_prefix):]
        cells = [sys_name, "1"] + [user_prefix + sys_name] * len(LANGUAGES)
        cells += [row[column] for _, column in values] + [row[p] for p in properties]
        lines.append(cells)
    return table, lines


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    data_dir, prof_dir = sys.argv[1], sys.argv[2]
    for catalogue in CATALOGUES:
        table, lines = table_lines(catalogue, data_dir)
        path = os.path.join(prof_dir, table + ".pr")
        with open(path, "wb") as f:
            f.write("".join("\t".join(cells) + "\r\n" for cells in lines).encode("cp1252"))
        print(f"{path}: {len(lines) - 2} sizes")


if __name__ == "__main__":
    main()
