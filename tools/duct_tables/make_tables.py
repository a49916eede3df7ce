#!/usr/bin/env python3
"""Generates the loss-coefficient and acoustic tables of data/calc/ from the
readable source tables beside this script (each names its source).

Usage: make_tables.py [output folder]   (default: <repo>/data/calc)
       make_tables.py --check [folder]  (exit 1 when a file differs)

Output format, one table line per text line, every value followed by a comma:
line 0 = 0 then the column axis; every further line = the row-axis value then
the values. All ζ are referred to the velocity of the fitting's main section
w1 (the inlet, or the combined flow of a converging junction)."""

import csv
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))


def read_matrix(name):
    """(row keys, column keys, values[row][col]) of a source CSV."""
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        lines = [l for l in f if l.strip() and not l.lstrip().startswith("#")]
    rows = list(csv.reader(lines))
    cols = [float(c) if is_num(c) else c for c in rows[0][1:]]
    keys, values = [], []
    for r in rows[1:]:
        keys.append(float(r[0]) if is_num(r[0]) else r[0])
        values.append([float(v) for v in r[1:]])
        if len(values[-1]) != len(cols):
            raise SystemExit(f"{name}: ragged line {r}")
    return keys, cols, values


def is_num(s):
    try:
        float(s)
        return True
    except ValueError:
        return False


def fmt(v):
    v = round(v, 4) + 0.0  # no "-0"
    s = f"{v:.4f}".rstrip("0").rstrip(".")
    return "0" if s in ("", "-0") else s


def table_text(row_axis, col_axis, values, digits=2):
    assert len(row_axis) <= 15 and len(col_axis) <= 15, "at most 16 x 16 with the axes"
    assert all(b > a for a, b in zip(row_axis, row_axis[1:])), "rows ascend"
    assert all(b > a for a, b in zip(col_axis, col_axis[1:])), "columns ascend"
    out = ["0," + "".join(fmt(c) + "," for c in col_axis)]
    for r, line in zip(row_axis, values):
        assert len(line) == len(col_axis)
        out.append(fmt(r) + "," + "".join(fmt(round(v, digits)) + "," for v in line))
    return "\n".join(out) + "\n"


def column(name, key_col=0):
    keys, _, values = read_matrix(name)
    return dict(zip(keys, (v[key_col] for v in values)))


def tables():
    t = {}
    k_factor = column("bend_angle_factor.csv")
    angles = sorted(k_factor)

    # Round bends: ζ = C90(R/D) · K(α).
    c90 = column("round_bend_smooth_c90.csv")
    rd = sorted(c90)
    t["luk_okragly.txt"] = table_text(rd, angles, [[c90[r] * k_factor[a] for a in angles] for r in rd])
    g_rd, g_cols, g_vals = read_matrix("round_gored_elbow_90.csv")
    for pieces in (5, 4, 3):
        j = g_cols.index(float(pieces))
        t[f"kolano_segmentowe{pieces}.txt"] = table_text(
            g_rd, angles, [[g_vals[i][j] * k_factor[a] for a in angles] for i in range(len(g_rd))])

    # Rectangular radius bends: ζ = K(α) · C90(r/W, H/W), one file per angle.
    r_rows, r_cols, r_vals = read_matrix("rect_radius_elbow_90.csv")
    for a in (30, 45, 60, 90):
        t[f"Luk_prostokatny{a}.txt"] = table_text(
            r_rows, r_cols, [[v * k_factor[a] for v in line] for line in r_vals])
    m_rows, m_cols, m_vals = read_matrix("rect_mitred_elbow.csv")
    t["kolano_prostokatne.txt"] = table_text(m_rows, m_cols, m_vals)

    # Diverging tees, through path: one row (row axis 1), column ws/w1; the
    # loss does not depend on the branch angle.
    through = column("tee_diverging_through.csv")
    ws = sorted(through)
    for a in (30, 45, 90):
        t[f"TR_P_{a}ST_RS.txt"] = table_text([1], ws, [[through[x] for x in ws]])

    # Diverging tees, branch: Idelchik's formula (computed), rows Ab/Ac,
    # columns Qb/Qc: ζ = A·[1 + u² − 2u·cos α], u = wb/wc = (Qb/Qc)/(Ab/Ac).
    areas = [0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1.0]
    flows = [round(0.1 * i, 1) for i in range(11)]
    for a in (30, 45, 90):
        rows = []
        for ar in areas:
            line = []
            for q in flows:
                u = q / ar
                if ar <= 0.35:
                    big_a = 1.1 - 0.7 * q if q <= 0.4 else 0.85
                else:
                    big_a = 1 - 0.6 * q if q <= 0.6 else 0.6
                line.append(big_a * (1 + u * u - 2 * u * math.cos(math.radians(a))))
            rows.append(line)
        t[f"TR_O_{a}ST_RS.txt"] = table_text(areas, flows, rows)

    # Converging round wyes/tees, branch: DFDB Cb (branch velocity) → ζ1 =
    # Cb·(wb/wc)², wb/wc = (Qb/Qc)/(Ab/Ac). Rows Qb/Qc (30°, 45°) or Qs/Qc =
    # 1 − Qb/Qc (90°), columns Ab/Ac.
    for a in (30, 45, 90):
        ab, qb, cb = read_matrix(f"round_converging_branch_cb_{a}.csv")
        z = [[cb[i][j] * (qb[j] / ab[i]) ** 2 for i in range(len(ab))] for j in range(len(qb))]
        if a == 90:
            rows = [round(1 - q, 2) for q in qb][::-1]
            z = z[::-1]
        else:
            rows = qb
        t[f"TR_O_{a}ST_LS.txt"] = table_text(rows, ab, z)

    # Converging round wyes 30°/45°, through path: Idelchik (computed), rows
    # Qb/Qc, columns Ab/Ac: ζ = 1 − (1 − q)² − k·(Ac/Ab)·q², k = 1.74 / 1.41.
    c_areas = [0.2, 0.4, 0.6, 0.8, 1.0]
    for a, k in ((30, 1.74), (45, 1.41)):
        rows = [[1 - (1 - q) ** 2 - k * (1 / ar) * q * q for ar in c_areas] for q in flows]
        t[f"TR_P_{a}ST_LS.txt"] = table_text(flows, c_areas, rows)
    # Converging tee 90°, through path: Idelchik ζ = 1.55·q − q², q = 1 − Qs/Qc
    # (computed), one row (row axis 0), columns Qs/Qc.
    t["TR_P_90ST_LS.txt"] = table_text(
        [0], flows, [[1.55 * (1 - s) - (1 - s) ** 2 for s in flows]])

    # Rectangular converging tee, branch, by velocity class (rows 5 and 10).
    v_rows, v_cols, v_vals = read_matrix("rect_converging_tee_branch_velocity.csv")
    t["TR_O_90ST_LS_PROSTOKAT.txt"] = table_text(v_rows, v_cols, v_vals)

    # Roof hoods: rows angle, columns L/D.
    for name, src in (("czerpnia.txt", "roof_intake_hood.csv"), ("wyrzutnia.txt", "roof_exhaust_hood.csv")):
        rows, cols, vals = read_matrix(src)
        t[name] = table_text(rows, cols, vals)

    # Symmetric wyes.
    for name, src in (("TR_ORLOWY_OKR_RS.txt", "symmetric_wye_diverging.csv"),
                      ("TR_ORLOWY_OKR_LS.txt", "symmetric_wye_converging.csv")):
        rows, cols, vals = read_matrix(src)
        t[name] = table_text(rows, cols, vals)
    d_rows, d_cols, d_vals = read_matrix("dovetail_wye_rect.csv")
    t["TR_ORLOWY_PR_RS.txt"] = table_text([1], d_cols, [d_vals[d_rows.index("diverging")]])
    t["TR_ORLOWY_PR_LS.txt"] = table_text([1], d_cols, [d_vals[d_rows.index("converging")]])

    # Transitions and reducers: rows inlet/outlet area, columns angle, with
    # the equal-area row (ζ = 0) inserted.
    equal = column("equal_area_transition.csv")
    def with_equal_row(src):
        rows, cols, vals = read_matrix(src)
        out_rows, out_vals = [], []
        for r, line in zip(rows, vals):
            if r > 1.0 and 1.0 not in out_rows:
                out_rows.append(1.0)
                out_vals.append([equal[1.0]] * len(cols))
            out_rows.append(r)
            out_vals.append(line)
        return table_text(out_rows, cols, out_vals)
    pyramidal = with_equal_row("pyramidal_transition.csv")
    t["przejscie_o_p.txt"] = pyramidal
    t["przejscie_p_o.txt"] = pyramidal
    t["redukcja_prostokAtna.txt"] = pyramidal
    t["redukcja_okrAgLa.txt"] = with_equal_row("round_conical_transition.csv")

    # Flexible duct bend: the R/D 1 column of the estimate, one row (row axis
    # 0), columns angle, with 0 at 0° (Idelchik's A1 = 0.9·sin 0 = 0).
    flex = column("flex_bend_estimate.csv")
    f_angles = [0.0] + sorted(flex)
    t["flex.txt"] = table_text([0], f_angles, [[0.0] + [flex[a] for a in sorted(flex)]])

    # Grilles: end-reflection loss of the connecting duct, flush mounting
    # (computed): ERL = 10·lg[1 + (0.7·c/(π·f·D))²], c = 343 m/s.
    bands = [63, 125, 250, 500, 1000, 2000, 4000, 8000]
    p_rows, p_cols, p_vals = read_matrix("end_reflection_flush_printed.csv")
    erl = [[10 * math.log10(1 + (0.7 * 343 / (math.pi * f * d / 1000)) ** 2) for f in bands] for d in p_rows]
    for d, mine, printed in zip(p_rows, erl, p_vals):
        for f, a, b in zip(bands, mine, printed):
            if abs(round(a, 1) - b) > 0.11:
                raise SystemExit(f"end reflection D {d} f {f}: computed {a:.2f}, printed {b}")
    t["nawiewnik.txt"] = table_text(p_rows, bands, erl, digits=1)

    # Flexible ducts: insertion loss by length (rows, with 0 dB at 0 m) and
    # band; 8 kHz estimated as 0.85 × the 4 kHz value; diameters between the
    # tabulated ones interpolated linearly in D.
    with open(os.path.join(HERE, "flex_duct_insertion_loss.csv"), encoding="utf-8") as f:
        lines = [l for l in f if l.strip() and not l.lstrip().startswith("#")]
    il = {}
    for r in list(csv.reader(lines))[1:]:
        il[(float(r[0]), float(r[1]))] = [float(v) for v in r[2:]]
    diameters = sorted({d for d, _ in il})
    lengths = sorted({l for _, l in il})
    def at(d, l):
        if d in diameters:
            return il[(d, l)]
        lo = max(x for x in diameters if x < d)
        hi = min(x for x in diameters if x > d)
        w = (d - lo) / (hi - lo)
        return [a + w * (b - a) for a, b in zip(il[(lo, l)], il[(hi, l)])]
    for d in (100, 125, 160, 180, 200, 225, 250, 315, 355, 400):
        rows = [[0.0] * 8]
        for l in lengths:
            v = at(float(d), l)
            rows.append(v + [0.85 * v[-1]])
        t[f"flex{d}.txt"] = table_text([0.0] + lengths, bands, rows, digits=1)
    return t


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    folder = args[0] if args else os.path.join(REPO, "data", "calc")
    os.makedirs(folder, exist_ok=True)
    differ = []
    for name, text in sorted(tables().items()):
        path = os.path.join(folder, name)
        if check:
            try:
                with open(path, encoding="utf-8") as f:
                    if f.read() != text:
                        differ.append(name)
            except OSError:
                differ.append(name)
        else:
            with open(path, "w", encoding="utf-8", newline="\n") as f:
                f.write(text)
    if differ:
        print("differ from the sources:", ", ".join(differ))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
