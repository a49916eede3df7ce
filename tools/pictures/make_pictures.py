#!/usr/bin/env python3
"""Technical line drawings of the program, written as SVG into data/calc/.

One picture per duct fitting variant (the fitting window), the regulating
elements (orifice plate, single-blade damper), the duct heat calculation
scheme, the sections and by-passes of the air-handling unit calculator and
the source positions of the acoustic calculator.
Each picture is described below by a short function in drawing coordinates
(a view box, usually 300 x 200); the helpers give every picture one style:
thin dark lines, a light fill for the duct body, dimension lines with arrow
heads and the symbols of the window's inputs, flow arrows where the flow
direction matters.

    make_pictures.py [DIR]           write the pictures into DIR (data/calc)
    make_pictures.py --check DIR     exit 1 when a picture in DIR differs

Standard library only; the output is reproducible byte for byte.
"""
import argparse
import math
import os
import sys

INK = "#1c232b"        # outlines, dimensions, texts
BODY = "#dfe8f0"       # duct body
DEVICE = "#c3d1de"     # coils, splitters, wheels: parts inside a casing
DARK = "#3b4652"       # plates, blades
FLOW = "#1b5c9e"       # flow arrows
HEAT = "#b3362b"       # heat flow
FONT = "DejaVu Sans, Arial, Helvetica, sans-serif"


def fmt(v):
    """A coordinate with at most two decimals and no trailing zeros."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def add(p, q, k=1.0):
    return (p[0] + k * q[0], p[1] + k * q[1])


def unit(a_deg):
    """Unit vector of a screen angle in degrees (0 = right, 90 = up)."""
    a = math.radians(a_deg)
    return (math.cos(a), -math.sin(a))


def arc_points(c, r, a0, a1, n=None):
    """Points of a circular arc from screen angle a0 to a1 (degrees, 0 = right, 90 = up)."""
    if n is None:
        n = max(6, int(abs(a1 - a0) / 4))
    return [add(c, unit(a0 + (a1 - a0) * i / n), r) for i in range(n + 1)]


class Picture:
    def __init__(self, width=300, height=200):
        self.w, self.h = width, height
        self.items = []

    # ---- primitives ----
    def line(self, p, q, width=1.0, color=INK, dash=None):
        d = f' stroke-dasharray="{dash}"' if dash else ""
        self.items.append(f'<line x1="{fmt(p[0])}" y1="{fmt(p[1])}" x2="{fmt(q[0])}" y2="{fmt(q[1])}" '
                          f'stroke="{color}" stroke-width="{fmt(width)}"{d}/>')

    def polyline(self, points, width=1.0, color=INK, dash=None):
        d = f' stroke-dasharray="{dash}"' if dash else ""
        self.items.append(f'<polyline points="{pts(points)}" fill="none" stroke="{color}" '
                          f'stroke-width="{fmt(width)}" stroke-linejoin="round"{d}/>')

    def polygon(self, points, fill=BODY, width=1.4, color=INK):
        stroke = f' stroke="{color}" stroke-width="{fmt(width)}" stroke-linejoin="round"' if width else ""
        self.items.append(f'<polygon points="{pts(points)}" fill="{fill}"{stroke}/>')

    def rect(self, x, y, w, h, fill=BODY, width=1.4):
        self.polygon([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], fill, width)

    def circle(self, c, r, fill=BODY, width=1.4, color=INK):
        self.items.append(f'<circle cx="{fmt(c[0])}" cy="{fmt(c[1])}" r="{fmt(r)}" fill="{fill}" '
                          f'stroke="{color}" stroke-width="{fmt(width)}"/>')

    def ellipse(self, c, rx, ry, fill=BODY, width=1.4, angle=0.0):
        rot = f' transform="rotate({fmt(angle)} {fmt(c[0])} {fmt(c[1])})"' if angle else ""
        self.items.append(f'<ellipse cx="{fmt(c[0])}" cy="{fmt(c[1])}" rx="{fmt(rx)}" ry="{fmt(ry)}" '
                          f'fill="{fill}" stroke="{INK}" stroke-width="{fmt(width)}"{rot}/>')

    def text(self, p, s, size=13, anchor="middle", color=INK, italic=True):
        style = ' font-style="italic"' if italic else ""
        self.items.append(f'<text x="{fmt(p[0])}" y="{fmt(p[1] + size * 0.36)}" font-family="{FONT}" '
                          f'font-size="{fmt(size)}" text-anchor="{anchor}" fill="{color}"{style}>{esc(s)}</text>')

    # ---- drawing conventions ----
    def centreline(self, points):
        self.polyline(points, 0.6, INK, "9 3 2 3")

    def head(self, tip, direction, length=7.0, half=2.4, color=INK):
        """A filled arrow head at tip pointing along direction (a vector)."""
        d = math.hypot(*direction)
        ux, uy = direction[0] / d, direction[1] / d
        base = (tip[0] - ux * length, tip[1] - uy * length)
        self.polygon([tip, (base[0] - uy * half, base[1] + ux * half), (base[0] + uy * half, base[1] - ux * half)],
                     color, 0)

    def dim(self, p, q, offset, label, label_side=None, ext_from=None):
        """Aligned dimension of the distance p-q, drawn offset (+: to the left of p->q
        on screen) with extension lines, arrow heads at both ends and the label beside
        the middle. ext_from: the points the extension lines start from (default p, q)."""
        dx, dy = q[0] - p[0], q[1] - p[1]
        d = math.hypot(dx, dy)
        u = (dx / d, dy / d)
        n = (u[1], -u[0])  # left of the direction on screen
        a, b = add(p, n, offset), add(q, n, offset)
        s = 1 if offset >= 0 else -1
        for base, end in zip(ext_from or (p, q), (a, b)):
            if math.hypot(end[0] - base[0], end[1] - base[1]) > 3:
                # from 2 px off the body to 3 px past the dimension line
                v = (end[0] - base[0], end[1] - base[1])
                lv = math.hypot(*v)
                start = add(base, v, 2 / lv)
                stop = add(end, v, 3 / lv)
                self.line(start, stop, 0.6)
        self.line(a, b, 0.7)
        self.head(a, (-u[0], -u[1]))
        self.head(b, u)
        self.dim_label(a, b, n, s, label, label_side)

    def dim_label(self, a, b, n, s, label, label_side=None):
        mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
        side = s if label_side is None else label_side
        # beside a vertical-ish line the label needs half its width, above a level one its half height
        gap = 4 + 3.8 * len(label) if abs(n[0]) > 0.7 else 9
        self.text(add(mid, n, side * gap), label)

    def dim_between(self, a, b, label, label_at):
        """A dimension line drawn between a and b (no extension lines), label at a point."""
        u = (b[0] - a[0], b[1] - a[1])
        self.line(a, b, 0.7)
        self.head(a, (-u[0], -u[1]))
        self.head(b, u)
        self.text(label_at, label)

    def angle(self, c, r, a0, a1, label, label_r=None):
        """An angle dimension: arc around c from screen angle a0 to a1 with arrow heads."""
        arc = arc_points(c, r, a0, a1)
        self.polyline(arc, 0.7)
        self.head(arc[0], (arc[0][0] - arc[1][0], arc[0][1] - arc[1][1]), 6, 2.2)
        self.head(arc[-1], (arc[-1][0] - arc[-2][0], arc[-1][1] - arc[-2][1]), 6, 2.2)
        self.text(add(c, unit((a0 + a1) / 2), label_r or r + 11), label)

    def radius(self, c, r, a, label, label_at=None):
        """A radius dimension from the centre mark c to the arc at screen angle a."""
        tip = add(c, unit(a), r)
        self.line(c, tip, 0.7)
        self.head(tip, unit(a))
        self.centre_mark(c)
        self.text(label_at or add(c, unit(a + 8), r * 0.55), label)

    def centre_mark(self, c, size=4):
        self.line((c[0] - size, c[1]), (c[0] + size, c[1]), 0.7)
        self.line((c[0], c[1] - size), (c[0], c[1] + size), 0.7)

    def flow(self, p, q, label=None, label_at=None, both=False, color=FLOW):
        """A flow arrow from p to q (both: the flow may run either way)."""
        u = (q[0] - p[0], q[1] - p[1])
        self.line(p, q, 1.6, color)
        self.head(q, u, 9, 3.4, color)
        if both:
            self.head(p, (-u[0], -u[1]), 9, 3.4, color)
        if label:
            self.text(label_at, label, 12, color=color)

    def flow_path(self, points, label=None, label_at=None, color=FLOW):
        self.polyline(points, 1.6, color)
        a, b = points[-2], points[-1]
        self.head(b, (b[0] - a[0], b[1] - a[1]), 9, 3.4, color)
        if label:
            self.text(label_at, label, 12, color=color)

    def hatch(self, x, y, w, h, step=6, width=0.6, color=INK):
        """45-degree hatching of an axis-parallel rectangle (lines rising to the right)."""
        k = -h
        while k < w:
            # the line from (x + k, y + h) to (x + k + h, y), clipped to the rectangle
            x1, y1, x2, y2 = x + k, y + h, x + k + h, y
            if x1 < x:
                y1 -= x - x1
                x1 = x
            if x2 > x + w:
                y2 += x2 - x - w
                x2 = x + w
            if x2 > x1:
                self.line((x1, y1), (x2, y2), width, color)
            k += step

    def section_inset(self, x, y, w, h, label_w, label_h):
        """Cross-section of a rectangular duct (a rectangle with its diagonals), with
        the side lengths: label_w over the width, label_h beside the height."""
        self.rect(x, y, w, h, BODY, 1.2)
        self.line((x, y), (x + w, y + h), 0.5)
        self.line((x + w, y), (x, y + h), 0.5)
        self.dim((x, y), (x + w, y), 9, label_w)
        self.dim((x, y + h), (x, y), 9, label_h)

    def svg(self):
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" viewBox="0 0 {self.w} {self.h}" '
                f'width="{self.w}" height="{self.h}">\n')
        return head + "".join(f"  {item}\n" for item in self.items) + "</svg>\n"


# =====================================================================
# Round and rectangular duct fittings
# =====================================================================

def round_end(p, c, r, angle=0.0):
    """The open end of a round duct seen from the side: an ellipse across the axis."""
    p.ellipse(c, r * 0.22, r, BODY, 1.2, angle)


def prostka_o():
    p = Picture()
    p.rect(50, 75, 190, 50)
    round_end(p, (240, 100), 25)
    p.centreline([(38, 100), (262, 100)])
    p.dim((50, 125), (240, 125), -28, "L")
    p.dim((50, 125), (50, 75), 22, "φ1")
    return p


def prostka_p():
    p = Picture()
    depth = (30, -22)
    front = [(45, 92), (215, 92), (215, 148), (45, 148)]
    p.polygon(front)
    p.polygon([(45, 92), add((45, 92), depth), add((215, 92), depth), (215, 92)], "#eef3f7")
    p.polygon([(215, 92), add((215, 92), depth), add((215, 148), depth), (215, 148)], "#cfdbe6")
    p.dim((45, 148), (215, 148), -22, "L")
    p.dim((45, 148), (45, 92), 18, "A")
    p.dim((215, 148), add((215, 148), depth), -12, "B")
    return p


def bend(segmented=False, rectangular=False):
    """A 90-degree bend: inlet from the left, outlet upwards, centre of curvature c."""
    p = Picture()
    c, R, half = (125, 85), 68, 21
    step = 22.5   # a five-piece gored elbow: half pieces at the ends, three whole pieces between
    corners = (270 + step / 2, 270 + 3 * step / 2, 270 + 5 * step / 2, 270 + 7 * step / 2)
    if segmented:
        def polygon_arc(r):
            k = r / math.cos(math.radians(step / 2))  # the corners lie outside the true arc
            return [add(c, unit(270), r)] + [add(c, unit(a), k) for a in corners] + [add(c, unit(360), r)]
        outer_pts, inner_pts = polygon_arc(R + half), polygon_arc(R - half)
    else:
        outer_pts = arc_points(c, R + half, 270, 360, 30)
        inner_pts = arc_points(c, R - half, 270, 360, 30)
    x_in = 45
    top = c[1] - 70
    body = [(x_in, c[1] + R - half)] + inner_pts + [(c[0] + R - half, top), (c[0] + R + half, top)]
    body += list(reversed(outer_pts)) + [(x_in, c[1] + R + half)]
    p.polygon(body)
    if segmented:
        for i, o in zip(inner_pts[1:-1], outer_pts[1:-1]):
            p.line(i, o, 0.9)  # the seams between the pieces
    if rectangular:
        p.line((c[0] + R - half, top), (c[0] + R + half, top), 1.4)
    else:
        p.ellipse((c[0] + R, top), half, half * 0.3, BODY, 1.2)
    p.centreline([(x_in - 10, c[1] + R)] + arc_points(c, R, 270, 360, 30) + [(c[0] + R, top - 10)])
    # where the bend begins and ends, and its angle
    p.line(c, (c[0], c[1] + R + half + 4), 0.5)
    p.line(c, (c[0] + R + half + 4, c[1]), 0.5)
    p.angle(c, 24, 0, -90, "α", 36)
    p.radius(c, R, -30, "R", (c[0] + 44, c[1] + 14))
    width = "A" if rectangular else "φ1"
    p.dim((x_in, c[1] + R + half), (x_in, c[1] + R - half), 18, width)
    if rectangular:
        p.section_inset(44, 34, 42, 26, "A", "B")
    return p


def kolano_o():
    return bend()


def kolano_o_s():
    return bend(segmented=True)


def luk_p():
    return bend(rectangular=True)


def kolano_p():
    """Rectangular mitred elbow: two straight legs meeting at a mitre."""
    p = Picture()
    half = 21
    cx, cy = 172, 148  # where the centrelines meet
    x_in, top = 45, 18
    p.polygon([(x_in, cy - half), (cx - half, cy - half), (cx - half, top), (cx + half, top),
               (cx + half, cy + half), (x_in, cy + half)])
    p.line((cx - half, cy - half), (cx + half, cy + half), 1.0)  # the mitre
    p.centreline([(x_in - 10, cy), (cx, cy), (cx, top - 8)])
    p.line((cx + half + 2, cy), (cx + 60, cy), 0.5, INK, "9 3 2 3")  # inlet axis continued
    p.angle((cx, cy), 40, 0, 90, "α", 52)
    p.dim((x_in, cy + half), (x_in, cy - half), 18, "A")
    p.section_inset(44, 34, 42, 26, "A", "B")
    return p


def offset(rectangular=False):
    p = Picture()
    half, y_in, y_out = 18, 140, 78
    x0, x1, x2, x3 = 45, 105, 195, 248
    top = [(x0, y_in - half), (x1, y_in - half)] + bezier((x1, y_in - half), (150, y_in - half),
                                                        (150, y_out - half), (x2, y_out - half)) + [(x3, y_out - half)]
    bottom = [(x3, y_out + half), (x2, y_out + half)] + bezier((x2, y_out + half), (150, y_out + half),
                                                             (150, y_in + half), (x1, y_in + half)) + [(x0, y_in + half)]
    p.polygon(top + bottom)
    if rectangular:
        p.section_inset(44, 40, 42, 26, "A", "B")
    else:
        round_end(p, (x3, y_out), half)
    p.centreline([(x0 - 8, y_in), (x1, y_in)] + bezier((x1, y_in), (150, y_in), (150, y_out), (x2, y_out))
                 + [(x3 + 10, y_out)])
    p.line((x1 + 2, y_in), (x3 + 30, y_in), 0.5, INK, "9 3 2 3")  # inlet axis continued
    p.dim((x1, y_in + half), (x2, y_in + half), -26, "L", ext_from=[(x1, y_in + half), (x2, y_out + half)])
    p.dim((x3 + 24, y_in), (x3 + 24, y_out), 0, "e", -1)
    p.dim((x0, y_in + half), (x0, y_in - half), 18, "A" if rectangular else "φ1")
    return p


def bezier(a, b, c, d, n=24):
    out = []
    for i in range(1, n):
        t = i / n
        mt = 1 - t
        out.append((mt ** 3 * a[0] + 3 * mt * mt * t * b[0] + 3 * mt * t * t * c[0] + t ** 3 * d[0],
                    mt ** 3 * a[1] + 3 * mt * mt * t * b[1] + 3 * mt * t * t * c[1] + t ** 3 * d[1]))
    return out


def odsadzka_o():
    return offset()


def odsadzka_p():
    return offset(rectangular=True)


def tee(rectangular=False, converging=False, shared=False):
    """A tee: main duct along the picture, branch leaving at 60 degrees.
    The converging tee is the mirror image, its branch joining in the flow direction."""
    p = Picture()
    m = (lambda q: (300 - q[0], q[1])) if converging else (lambda q: q)
    y, hm, hb = 135, 21, 15           # main centreline, half widths of main and branch
    o = (135, y)                       # branch axis meets the main axis
    u, n = unit(60), unit(-30)         # branch direction and its normal
    def wall(side, t):
        return add(add(o, u, t), n, side * hb)
    # where the branch walls leave the main's wall y - hm
    t_left = (-hm + hb * n[1]) / u[1]
    t_right = (-hm - hb * n[1]) / u[1]
    t_end = 118
    x0, x3 = 45, 272
    body = [(x0, y - hm), wall(-1, t_left), wall(-1, t_end), wall(1, t_end), wall(1, t_right),
            (x3, y - hm), (x3, y + hm), (x0, y + hm)]
    p.polygon([m(q) for q in body])
    end_c = add(o, u, t_end)
    if rectangular:
        p.line(m(wall(-1, t_end)), m(wall(1, t_end)), 1.4)
    else:
        ang = -60 if not converging else 60   # the ellipse's long axis across the branch
        p.ellipse(m(end_c), hb * 0.22, hb, BODY, 1.2, ang)
        round_end(p, m((x3, y)), hm)
    p.centreline([m((x0 - 8, y)), m((x3 + 10, y))])
    p.centreline([m(o), m(add(o, u, t_end + 10))])
    # angle between the common flow direction and the branch
    symbol = "α/β" if shared else ("α" if converging else "β")
    a_from, a_to = (0, 60) if not converging else (180, 120)
    p.angle(m(o), 46, a_from, a_to, symbol, 64 if shared else 58)
    # flows: the through flow on the main axis, Vb in the branch, Vc the combined flow
    both = shared
    if converging:
        p.flow(m((x3 - 8, y)), m((x3 - 62, y)))
        p.flow(m((x0 + 56, y)), m((x0 + 6, y)), "Vc", m((x0 + 31, y - 10)))
        p.flow(m(add(o, u, t_end - 8)), m(add(o, u, 62)), "Vb", m(add(add(o, u, 90), n, -27)))
    else:
        p.flow(m((x0 + 6, y)), m((x0 + 60, y)), "Vc", m((x0 + 33, y - 10)), both)
        p.flow(m((x3 - 62, y)), m((x3 - 8, y)), None, None, both)
        p.flow(m(add(o, u, 62)), m(add(o, u, t_end - 8)), "Vb", m(add(add(o, u, 90), n, 27)), both)
    # sizes of main and branch
    main, branch = ("A", "C") if rectangular else ("φ1", "φ2")
    p.dim(m((x0, y + hm)), m((x0, y - hm)), -18 if converging else 18, main)
    p.dim(m(wall(1, t_end)), m(wall(-1, t_end)), 12 if converging else -12, branch)
    if rectangular:
        # cross-sections of the main (A x B) and of the branch (C x D)
        p.section_inset(40 if not converging else 246, 36, 40, 26, "A", "B")
        p.section_inset(104 if not converging else 190, 36, 28, 20, "C", "D")
    return p


def trojnik_o():
    return tee(shared=True)


def trojnik_p():
    return tee(rectangular=True)


def trojnik_p_L():
    return tee(rectangular=True, converging=True)


def trojnik_orlowy_o():
    """Round symmetric wye: the main divides into two branches at α to its axis."""
    p = Picture()
    y, hm, hb = 100, 21, 15
    o = (128, y)
    x0 = 45
    t_end = 124
    body = [(x0, y - hm)]
    walls = []
    for s in (1, -1):
        u = unit(30 * s)
        n = unit(30 * s - 90)   # right of the branch direction
        outer = -s              # the outer wall of the upper branch lies to its left
        t_out = ((y - s * hm) - (o[1] + outer * hb * n[1])) / u[1]
        t_in = ((y) - (o[1] - outer * hb * n[1])) / u[1]
        walls.append((u, n, outer, t_out, t_in))
    u, n, outer, t_out, t_in = walls[0]
    body += [add(add(o, u, t_out), n, outer * hb), add(add(o, u, t_end), n, outer * hb),
             add(add(o, u, t_end), n, -outer * hb), add(add(o, u, t_in), n, -outer * hb)]
    u2, n2, outer2, t_out2, t_in2 = walls[1]
    body += [add(add(o, u2, t_end), n2, -outer2 * hb), add(add(o, u2, t_end), n2, outer2 * hb),
             add(add(o, u2, t_out2), n2, outer2 * hb), (x0, y + hm)]
    p.polygon(body)
    for s in (1, -1):
        p.ellipse(add(o, unit(30 * s), t_end), hb * 0.22, hb, BODY, 1.2, -30 * s)
        p.centreline([o, add(o, unit(30 * s), t_end + 10)])
    p.centreline([(x0 - 8, y), o])
    p.line(o, (o[0] + 92, y), 0.5, INK, "9 3 2 3")
    p.angle(o, 54, 0, 30, "α/β", 70)
    p.flow((x0 + 6, y), (x0 + 60, y), "Vc", (x0 + 33, y - 10), both=True)
    for s in (1, -1):
        u = unit(30 * s)
        nn = unit(30 * s + 90)
        p.flow(add(o, u, 56), add(o, u, t_end - 10), "Vb", add(add(o, u, 70), nn, 26 * s), both=True)
    p.dim((x0, y + hm), (x0, y - hm), 18, "φ1")
    u, n = unit(30), unit(-60)
    p.dim(add(add(o, u, t_end), n, hb), add(add(o, u, t_end), n, -hb), -12, "φ2")
    return p


def trojnik_orlowy_p():
    """Rectangular dovetail wye: two radius elbows side by side, turning either way;
    their heels meet at the divider on the main's axis."""
    p = Picture()
    x0, xm = 45, 125       # main from x0 to xm, width A
    y, wb = 100, 25         # each branch (width C) takes half the main
    hm, r = wb, 30          # half width of the main, throat radius of the elbows
    xo, xi = xm + r, xm + r + wb     # throat-side and heel-side walls of the branches
    top, bottom = 20, 180
    c_up, c_down = (xm, y - hm - r), (xm, y + hm + r)
    body = [(x0, y - hm)] + arc_points(c_up, r, 270, 360, 16) + [(xo, top), (xi, top)]
    body += arc_points(c_up, r + wb, 360, 270, 24) + arc_points(c_down, r + wb, 90, 0, 24)[1:]
    body += [(xi, bottom), (xo, bottom)] + arc_points(c_down, r, 0, 90, 16) + [(x0, y + hm)]
    p.polygon(body)
    p.centreline([(x0 - 8, y), (xm, y)])
    mid = r + wb / 2
    p.centreline([(xm + mid, top - 8)] + arc_points(c_up, mid, 360, 270, 20))
    p.centreline(arc_points(c_down, mid, 90, 0, 20) + [(xm + mid, bottom + 8)])
    p.flow((x0 + 6, y), (x0 + 58, y), "Vc", (x0 + 32, y - 10), both=True)
    xb = xo + wb / 2
    p.flow((xb, c_up[1] + 4), (xb, top + 4), "Vb", (xb + 24, top + 16), both=True)
    p.flow((xb, c_down[1] - 4), (xb, bottom - 4), "Vb", (xb + 24, bottom - 16), both=True)
    p.dim((x0, y + hm), (x0, y - hm), 18, "A")
    p.dim((xo, top), (xi, top), 10, "C")
    p.section_inset(60, 32, 40, 26, "A", "B")
    p.section_inset(64, 148, 30, 20, "C", "D")
    return p


def transition(round_first):
    """Round-to-rectangular (or back) transition seen obliquely, flow to the right."""
    p = Picture()
    xl, xr = 65, 215
    depth = (20, -15)
    if round_first:
        yr0, yr1 = 80, 120        # the round end
        yq0, yq1 = 62, 138        # the rectangular end C, depth D
        xq, xc = xr, xl
    else:
        yq0, yq1 = 62, 138
        yr0, yr1 = 80, 120
        xq, xc = xl, xr
    side = [(xl, yr0 if round_first else yq0), (xr, yq0 if round_first else yr0),
            (xr, yq1 if round_first else yr1), (xl, yr1 if round_first else yq1)]
    p.polygon(side)
    if round_first:
        p.polygon([(xl, yr0), add((xr, yq0), depth), (xr, yq0)], "#eef3f7")
        p.polygon([(xr, yq0), add((xr, yq0), depth), add((xr, yq1), depth), (xr, yq1)], "#cfdbe6")
        round_end(p, (xl, 100), 20)
    else:
        p.polygon([(xl, yq0), add((xl, yq0), depth), (xr, yr0)], "#eef3f7")
        round_end(p, (xr, 100), 20)
    p.centreline([(xl - 12, 100), (xr + 30, 100)])
    p.flow((xl + 22, 100), (xl + 78, 100))
    p.dim((xl, yq1), (xr, yq1), -26, "L",
          ext_from=[(xl, yr1 if round_first else yq1), (xr, yq1 if round_first else yr1)])
    if round_first:
        p.dim((xl, yr1), (xl, yr0), 18, "φ1")
        p.dim((xr, yq1), (xr, yq0), -30, "C", ext_from=[(xr + 2, yq1), (xr + 2, yq0)])
        p.dim((xr, yq0), add((xr, yq0), depth), 12, "D")
    else:
        p.dim((xl, yq1), (xl, yq0), 18, "C")
        p.dim((xl, yq0), add((xl, yq0), depth), 12, "D")
        p.dim((xr, yr1), (xr, yr0), -30, "φ1", ext_from=[(xr + 5, yr1), (xr + 5, yr0)])
    return p


def przejscie_o_p():
    return transition(True)


def przejscie_p_o():
    return transition(False)


def redukcja_o():
    p = Picture()
    x0, x1, x2, x3 = 40, 92, 200, 250
    h1, h2 = 20, 32
    p.polygon([(x0, 100 - h1), (x1, 100 - h1), (x2, 100 - h2), (x3, 100 - h2), (x3, 100 + h2),
               (x2, 100 + h2), (x1, 100 + h1), (x0, 100 + h1)])
    p.line((x1, 100 - h1), (x1, 100 + h1), 0.8)
    p.line((x2, 100 - h2), (x2, 100 + h2), 0.8)
    round_end(p, (x3, 100), h2)
    p.centreline([(x0 - 8, 100), (x3 + 14, 100)])
    p.flow((x0 + 4, 100), (x1 + 30, 100))
    p.dim((x1, 100 + h2), (x2, 100 + h2), -26, "L", ext_from=[(x1, 100 + h1), (x2, 100 + h2)])
    p.dim((x0, 100 + h1), (x0, 100 - h1), 18, "φ1")
    p.dim((x3, 100 + h2), (x3, 100 - h2), -22, "φ2", ext_from=[(x3 + 8, 100 + h2), (x3 + 8, 100 - h2)])
    return p


def redukcja_p():
    p = Picture()
    x1, x2 = 60, 205
    a, c = 26, 42              # half heights A and C
    b, d = (18, -13), (30, -22)  # depths B and D
    p.polygon([(x1, 100 - a), (x2, 100 - c), (x2, 100 + c), (x1, 100 + a)])
    p.polygon([(x1, 100 - a), add((x1, 100 - a), b), add((x2, 100 - c), d), (x2, 100 - c)], "#eef3f7")
    p.polygon([(x2, 100 - c), add((x2, 100 - c), d), add((x2, 100 + c), d), (x2, 100 + c)], "#cfdbe6")
    p.centreline([(x1 - 12, 100), (x2 + 8, 100)])
    p.flow((x1 + 12, 100), (x1 + 70, 100))
    p.dim((x1, 100 + c), (x2, 100 + c), -26, "L", ext_from=[(x1, 100 + a), (x2, 100 + c)])
    p.dim((x1, 100 + a), (x1, 100 - a), 18, "A")
    p.dim((x1, 100 - a), add((x1, 100 - a), b), 12, "B")
    p.dim((x2, 100 + c), (x2, 100 - c), -50, "C", ext_from=[(x2 + 2, 100 + c), add((x2, 100 - c), (d[0] + 2, 0))])
    p.dim((x2, 100 + c), add((x2, 100 + c), d), -12, "D")
    return p


def kratka_o():
    """Round ceiling grille: side view of the neck and the face seen from below."""
    p = Picture()
    xc, half = 85, 22
    ceiling = 118
    p.rect(xc - half, 32, 2 * half, ceiling - 32)
    p.ellipse((xc, 32), half, half * 0.28, BODY, 1.2)
    p.rect(10, ceiling, 150, 9, "#eceff2", 1.0)
    p.hatch(10, ceiling, 150, 9, 5, 0.5)
    p.rect(xc - half, ceiling, 2 * half, 9, "#ffffff", 0)
    # the grille face below the ceiling: frame and blades
    p.rect(xc - 42, ceiling + 9, 84, 6, DARK, 1.0)
    for k in range(-3, 4):
        p.line((xc + k * 9, ceiling + 2), (xc + k * 9 + 4, ceiling + 9), 0.9)
    p.centreline([(xc, 22), (xc, ceiling + 26)])
    p.dim((xc - half, 32), (xc + half, 32), 18, "φ1")
    # the face seen from below
    f = (232, 100)
    p.circle(f, 46, "#eceff2", 1.4)
    for rr in (38, 29, 20, 11):
        p.circle(f, rr, "none", 1.0)
    p.circle(f, 4, DARK, 0.8)
    p.centreline([(f[0] - 54, f[1]), (f[0] + 54, f[1])])
    p.centreline([(f[0], f[1] - 54), (f[0], f[1] + 54)])
    return p


def kratka_p():
    """Rectangular grille seen from the front: frame and blades."""
    p = Picture()
    x, y, w, h = 70, 40, 160, 104
    p.rect(x - 8, y - 8, w + 16, h + 16, "#eceff2", 1.4)
    p.rect(x, y, w, h, BODY, 1.0)
    for k in range(1, 11):
        yy = y + k * h / 11
        p.rect(x + 1, yy - 2.2, w - 2, 4.4, "#9fb0c0", 0.6)
    p.dim((x, y + h), (x + w, y + h), -30, "A", ext_from=[(x, y + h + 8), (x + w, y + h + 8)])
    p.dim((x + w, y + h), (x + w, y), -30, "B", ext_from=[(x + w + 8, y + h), (x + w + 8, y)])
    return p


def flex():
    """Flexible duct laid in a bend: corrugated walls, angle α between the ends."""
    p = Picture()
    c, R, half = (112, 38), 96, 18
    ang = 80                    # the bend of the drawing, degrees
    start = (40, c[1] + R)
    # centreline: a straight run, the arc and a short straight end
    centre = [(start[0] + i * 4, start[1]) for i in range(int((c[0] - start[0]) / 4) + 1)]
    centre += arc_points(c, R, 270, 270 + ang, 40)[1:]
    u_end = unit(ang)
    e0 = centre[-1]
    centre += [add(e0, u_end, 4 * i) for i in range(1, 8)]
    # walls at ±half from the centreline, with small corrugation rings
    left, right = [], []
    for i in range(len(centre)):
        a = centre[max(i - 1, 0)]
        b = centre[min(i + 1, len(centre) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy)
        n = (dy / ln, -dx / ln)
        ripple = 1.4 * math.cos(i * math.pi / 1.5)
        left.append(add(centre[i], n, half + ripple))
        right.append(add(centre[i], n, -half - ripple))
    p.polygon(left + list(reversed(right)))
    for i in range(2, len(centre) - 1, 3):
        p.line(left[i], right[i], 0.5)
    end = centre[-1]
    p.ellipse(end, half * 0.25, half, BODY, 1.2, -ang)
    p.centreline(centre)
    p.line(c, (c[0], c[1] + R + half + 4), 0.5)
    p.line(c, add(c, unit(ang - 90), R + half + 4), 0.5)
    p.line(c, add(c, unit(0), 40), 0.5, INK, "9 3 2 3")
    p.angle(c, 30, -90, ang - 90, "α", 42)
    p.dim(left[0], right[0], -18, "φ1")
    # length measured along the axis
    outer = arc_points(c, R + half + 14, 270, 270 + ang, 40)
    p.polyline([(start[0], start[1] + half + 14)] + outer, 0.7)
    p.head((start[0], start[1] + half + 14), (-1, 0))
    p.head(outer[-1], (outer[-1][0] - outer[-2][0], outer[-1][1] - outer[-2][1]))
    p.text(add(c, unit(270 + ang * 0.55), R + half + 26), "L")
    return p


def roof_hood(rectangular):
    """Roof intake/outlet hood: vertical duct through the roof with a cap at L above its end."""
    p = Picture()
    xc, half = 140, 24
    roof, duct_top = 168, 98
    cap = 66                   # underside of the cap at its edge
    p.rect(10, roof, 270, 10, "#eceff2", 1.0)
    p.hatch(10, roof, 270, 10, 5, 0.5)
    if rectangular:
        depth = (18, -12)
        p.rect(xc - half, duct_top, 2 * half, roof - duct_top)
        p.polygon([(xc - half, duct_top), add((xc - half, duct_top), depth), add((xc + half, duct_top), depth),
                   (xc + half, duct_top)], "#eef3f7")
        p.polygon([(xc + half, duct_top), add((xc + half, duct_top), depth), add((xc + half, roof), depth),
                   (xc + half, roof)], "#cfdbe6")
        cd = (26, -17)
        p.rect(xc - 50, cap - 6, 100, 6, DARK, 1.0)
        p.polygon([(xc - 50, cap - 6), add((xc - 50, cap - 6), cd), add((xc + 50, cap - 6), cd), (xc + 50, cap - 6)],
                  "#9fb0c0", 1.0)
        p.polygon([(xc + 50, cap - 6), add((xc + 50, cap - 6), cd), add((xc + 50, cap), cd), (xc + 50, cap)],
                  DARK, 1.0)
        for x in (xc - half + 6, xc + half - 6):
            p.line((x, duct_top), (x, cap), 1.0)
        p.dim((xc + 90, duct_top), (xc + 90, cap), 0, "L",
              ext_from=[(xc + half + depth[0], duct_top), (xc + 50 + cd[0], cap)])
        p.dim_between((xc - half, 140), (xc + half, 140), "A", (xc - half - 12, 140))
        p.dim((xc - half, duct_top), add((xc - half, duct_top), depth), 12, "B")
    else:
        p.rect(xc - half, duct_top, 2 * half, roof - duct_top)
        p.ellipse((xc, duct_top), half, half * 0.26, BODY, 1.2)
        slope = math.tan(math.radians(15)) * 52
        p.polygon([(xc - 52, cap), (xc, cap - slope), (xc + 52, cap), (xc + 52, cap - 4), (xc, cap - 4 - slope),
                   (xc - 52, cap - 4)], DARK, 1.0)
        for x in (xc - half + 6, xc + half - 6):
            p.line((x, duct_top - 4), (x, cap - 2 - slope * (1 - abs(x - xc) / 52)), 1.0)
        # cap angle α against the horizontal, at the left edge of the cap
        edge = (xc - 52, cap - 2)
        p.line(edge, (edge[0] - 44, edge[1]), 0.5)
        p.line(edge, add(edge, unit(180 + 15), 44), 0.5, INK, "9 3 2 3")
        p.angle(edge, 34, 180, 195, "α", 46)
        p.dim((xc + 90, duct_top), (xc + 90, cap), 0, "L", ext_from=[(xc + half, duct_top), (xc + 52, cap)])
        p.dim_between((xc - half, 140), (xc + half, 140), "φ1", (xc - half - 16, 140))
    p.centreline([(xc, roof + 18), (xc, cap - 30)])
    # intake or outlet: the air passes under the cap either way
    p.flow((xc - 86, cap + 14), (xc - 40, cap + 14), both=True)
    return p


def czerpnia_o():
    return roof_hood(False)


def czerpnia_p():
    return roof_hood(True)


def czerpnia_scienna():
    """Wall intake/outlet louvre: front view A x B and a section through the wall."""
    p = Picture()
    x, y, w, h = 40, 48, 130, 96
    p.rect(x - 8, y - 8, w + 16, h + 16, "#eceff2", 1.4)
    p.rect(x, y, w, h, BODY, 1.0)
    for k in range(1, 8):
        yy = y + k * h / 8
        p.polygon([(x + 1, yy - 4), (x + w - 1, yy - 4), (x + w - 1, yy + 1), (x + 1, yy + 1)], "#9fb0c0", 0.6)
    p.dim((x, y + h), (x + w, y + h), -26, "A", ext_from=[(x, y + h + 8), (x + w, y + h + 8)])
    p.dim((x, y + h), (x, y), 22, "B", ext_from=[(x - 8, y + h), (x - 8, y)])
    # section through the wall: blades slope down to the outside (left)
    wx, ww = 214, 22
    for y0, y1 in ((20, y), (y + h, 180)):
        p.rect(wx, y0, ww, y1 - y0, "#eceff2", 1.0)
        p.hatch(wx, y0, ww, y1 - y0, 5, 0.5)
    for k in range(0, 8):
        yy = y + 6 + k * (h - 12) / 7
        p.line((wx - 2, yy + 7), (wx + ww - 4, yy - 5), 1.6, DARK)
    p.line((wx + ww, y), (280, y), 1.4)
    p.line((wx + ww, y + h), (280, y + h), 1.4)
    p.flow((wx - 34, y + h / 2), (wx - 4, y + h / 2), both=True)
    return p


def silencer_round():
    p = Picture()
    x0, x1, x2, x3 = 40, 82, 218, 260
    hd, hc = 20, 42
    p.polygon([(x0, 100 - hd), (x1 - 10, 100 - hd), (x1, 100 - hc), (x2, 100 - hc), (x2 + 10, 100 - hd),
               (x3, 100 - hd), (x3, 100 + hd), (x2 + 10, 100 + hd), (x2, 100 + hc), (x1, 100 + hc),
               (x1 - 10, 100 + hd), (x0, 100 + hd)])
    # absorbent lining between the casing and the perforated inner tube
    for y0 in (100 - hc, 100 + hd):
        p.rect(x1, y0, x2 - x1, hc - hd, "#f4efe2", 0)
        p.hatch(x1, y0, x2 - x1, hc - hd, 5, 0.5, "#8a7a55")
    p.line((x1, 100 - hd), (x2, 100 - hd), 0.9, INK, "3 2")
    p.line((x1, 100 + hd), (x2, 100 + hd), 0.9, INK, "3 2")
    p.line((x1, 100 - hc), (x2, 100 - hc), 1.4)
    p.line((x1, 100 + hc), (x2, 100 + hc), 1.4)
    round_end(p, (x3, 100), hd)
    p.centreline([(x0 - 8, 100), (x3 + 14, 100)])
    p.flow((x1 + 30, 100), (x1 + 90, 100))
    p.dim((x1, 100 + hc), (x2, 100 + hc), -22, "L")
    p.dim((x0, 100 + hd), (x0, 100 - hd), 18, "φ1")
    return p


def silencer_rect():
    """Rectangular splitter silencer seen obliquely: the splitters show on the end face."""
    p = Picture()
    x1, x2, y0, y1 = 50, 205, 70, 150
    depth = (42, -30)
    p.rect(x1, y0, x2 - x1, y1 - y0)
    p.polygon([(x1, y0), add((x1, y0), depth), add((x2, y0), depth), (x2, y0)], "#eef3f7")
    face = [(x2, y0), add((x2, y0), depth), add((x2, y1), depth), (x2, y1)]
    p.polygon(face, "#ffffff")
    # three splitters across the height of the end face, running the length of the casing
    for f0, f1 in ((0.10, 0.28), (0.41, 0.59), (0.72, 0.90)):
        a, b = add((x2, y0), (0, (y1 - y0) * f0)), add((x2, y0), (0, (y1 - y0) * f1))
        p.polygon([a, add(a, depth), add(b, depth), b], DEVICE, 0.8)
        p.line((x1 + 6, a[1]), a, 0.5, INK, "3 2")
        p.line((x1 + 6, b[1]), b, 0.5, INK, "3 2")
    p.polygon(face, "none")
    p.dim((x1, y1), (x2, y1), -22, "L")
    p.dim((x1, y1), (x1, y0), 18, "A")
    p.dim((x2, y1), add((x2, y1), depth), -12, "B")
    return p


def tlumik_okr():
    return silencer_round()


def tlumik_pr():
    return silencer_rect()


def fan_symbol(p, c, r):
    """Impeller seen along its axis: hub and curved blades."""
    p.circle(c, r, "#ffffff", 1.2)
    for k in range(6):
        a = k * 60
        a0 = add(c, unit(a), r * 0.25)
        mid = add(c, unit(a + 25), r * 0.62)
        a1 = add(c, unit(a + 40), r * 0.9)
        p.polyline([a0] + bezier(a0, mid, mid, a1, 8) + [a1], 1.3, DARK)
    p.circle(c, r * 0.2, DARK, 0.8)


def wentylator_okr():
    p = Picture()
    x0, x1, x2, x3 = 40, 98, 202, 260
    hd, hc = 20, 46
    p.rect(x0, 100 - hd, x1 - x0, 2 * hd)
    p.rect(x2, 100 - hd, x3 - x2, 2 * hd)
    p.rect(x1, 100 - hc, x2 - x1, 2 * hc, "#d3dee8")
    round_end(p, (x3, 100), hd)
    fan_symbol(p, (150, 100), 34)
    p.centreline([(x0 - 8, 100), (x1 - 2, 100)])
    p.centreline([(x2 + 2, 100), (x3 + 14, 100)])
    p.flow((x2 + 4, 100), (x3 - 4, 100))
    p.dim((x1, 100 + hc), (x2, 100 + hc), -22, "L")
    p.dim((x0, 100 + hd), (x0, 100 - hd), 18, "φ1")
    return p


def wentylator_pr():
    p = Picture()
    x1, x2, y0, y1 = 62, 212, 66, 150
    depth = (34, -26)
    p.rect(x1, y0, x2 - x1, y1 - y0, "#d3dee8")
    p.polygon([(x1, y0), add((x1, y0), depth), add((x2, y0), depth), (x2, y0)], "#eef3f7")
    p.polygon([(x2, y0), add((x2, y0), depth), add((x2, y1), depth), (x2, y1)], "#b9c8d6")
    fan_symbol(p, ((x1 + x2) / 2, (y0 + y1) / 2), 32)
    p.flow((x2 + 20, (y0 + y1) / 2), (x2 + 60, (y0 + y1) / 2))
    p.dim((x1, y1), (x2, y1), -22, "L")
    p.dim((x1, y1), (x1, y0), 18, "A")
    p.dim((x2, y1), add((x2, y1), depth), -12, "B")
    return p


# The small tee pictures beside the tee lists: which path of the tee is
# calculated (drawn in the flow colour; the other path grey) for a diverging
# or a converging tee.
PATH_OFF = "#a9b4be"


def tee_path(branch_path, converging):
    p = Picture(120, 80)
    p.polygon([(6, 44), (50, 44), (50, 6), (70, 6), (70, 44), (114, 44), (114, 64), (6, 64)])
    on_through = FLOW if not branch_path else PATH_OFF
    on_branch = FLOW if branch_path else PATH_OFF
    if converging:
        p.flow((10, 54), (44, 54), color=on_through)      # through flow coming in
        p.flow((60, 10), (60, 46), color=on_branch)       # branch flow coming in
        p.flow((76, 54), (110, 54), color=FLOW)           # the combined flow, part of both paths
    else:
        p.flow((10, 54), (44, 54), color=FLOW)            # the combined flow, part of both paths
        p.flow((76, 54), (110, 54), color=on_through)     # through flow going on
        p.flow((60, 46), (60, 10), color=on_branch)       # branch flow leaving
    return p


def trojnik_przelot_rozplyw():
    return tee_path(False, False)


def trojnik_odgalezienie_rozplyw():
    return tee_path(True, False)


def trojnik_przelot_laczenie():
    return tee_path(False, True)


def trojnik_odgalezienie_laczenie():
    return tee_path(True, True)


# =====================================================================
# Regulating elements
# =====================================================================

def duct_section(p, x0, x1, yt, yb):
    """A duct cut along its axis: body and walls."""
    p.rect(x0, yt, x1 - x0, yb - yt, BODY, 0)
    p.line((x0, yt), (x1, yt), 2.2)
    p.line((x0, yb), (x1, yb), 2.2)


def kryza():
    """Orifice plate in a duct: section along the axis and the plate seen along the flow."""
    p = Picture()
    x0, x1, yt, yb = 45, 200, 58, 142
    duct_section(p, x0, x1, yt, yb)
    xp, hole = 120, 22
    p.rect(xp - 2.5, yt, 5, 100 - hole - yt, DARK, 0.8)
    p.rect(xp - 2.5, 100 + hole, 5, yb - 100 - hole, DARK, 0.8)
    p.centreline([(x0 - 8, 100), (x1 + 8, 100)])
    p.flow((x0 + 8, 100), (xp - 30, 100))
    p.dim((x0, yb), (x0, yt), 16, "D")
    p.dim_between((xp + 14, 100 + hole), (xp + 14, 100 - hole), "d0", (xp + 32, 88))
    p.line((xp + 3, 100 - hole), (xp + 18, 100 - hole), 0.6)
    p.line((xp + 3, 100 + hole), (xp + 18, 100 + hole), 0.6)
    # the plate seen along the flow
    c = (252, 100)
    p.circle(c, 42, DARK, 1.0)
    p.circle(c, 22, "#ffffff", 1.0)
    p.centreline([(c[0] - 48, c[1]), (c[0] + 48, c[1])])
    p.centreline([(c[0], c[1] - 48), (c[0], c[1] + 48)])
    return p


def przepustnica():
    """Single-blade damper: the blade turned by α out of the duct axis."""
    p = Picture()
    x0, x1, yt, yb = 45, 270, 58, 142
    duct_section(p, x0, x1, yt, yb)
    c, a = (165, 100), 35
    half = (yb - yt) / 2 - 2   # the blade spans the duct when closed
    tip1, tip2 = add(c, unit(a), half), add(c, unit(a + 180), half)
    p.line(tip1, tip2, 4.0, DARK)
    p.circle(c, 3.5, "#ffffff", 1.2)
    p.centreline([(x0 - 8, 100), (x1 + 8, 100)])
    p.angle(c, 30, 0, a, "α", 44)
    p.flow((x0 + 8, 100), (x0 + 64, 100))
    p.dim((x0, yb), (x0, yt), 16, "D")
    return p


# =====================================================================
# Duct heat loss: calculation scheme
# =====================================================================

def schemat_kanalu():
    p = Picture(420, 240)
    x0, x1 = 78, 300
    yi0, yi1 = 92, 148       # inside of the wall
    t1, t2 = 3, 12           # wall and insulation thickness in the drawing
    p.rect(x0, yi0 - t1 - t2, x1 - x0, t2, "#f4efe2", 0)
    p.hatch(x0, yi0 - t1 - t2, x1 - x0, t2, 5, 0.5, "#8a7a55")
    p.rect(x0, yi1 + t1, x1 - x0, t2, "#f4efe2", 0)
    p.hatch(x0, yi1 + t1, x1 - x0, t2, 5, 0.5, "#8a7a55")
    p.rect(x0, yi0 - t1, x1 - x0, t1, DARK, 0)
    p.rect(x0, yi1, x1 - x0, t1, DARK, 0)
    p.rect(x0, yi0, x1 - x0, yi1 - yi0, BODY, 0)
    for y in (yi0 - t1 - t2, yi1 + t1 + t2):
        p.line((x0, y), (x1, y), 1.2)
    p.line((x0, yi0 - t1 - t2), (x0, yi1 + t1 + t2), 1.2)
    p.line((x1, yi0 - t1 - t2), (x1, yi1 + t1 + t2), 1.2)
    p.centreline([(x0 - 10, 120), (x1 + 10, 120)])
    # inlet and outlet air
    p.flow((x0 + 6, 120), (x0 + 60, 120))
    p.text((38, 100), "ti", italic=True)
    p.text((38, 120), "φi", italic=True)
    p.text((38, 140), "V", italic=True)
    p.flow((x1 - 60, 120), (x1 - 6, 120))
    p.text((x1 + 18, 120), "tk")
    # surroundings
    p.text((50, 48), "te")
    p.flow((110, 48), (190, 48), "we", (150, 36))
    # heat through the wall
    for x in (150, 205, 260):
        p.flow((x, yi1 + 2), (x, yi1 + t1 + t2 + 20), color=HEAT)
    p.text((276, 180), "Q", color=HEAT)
    # wall and insulation layers
    p.line((225, yi0 - t1 / 2), (238, 60), 0.6)
    p.text((252, 54), "δ1, λ1")
    p.line((275, yi0 - t1 - t2 / 2), (290, 60), 0.6)
    p.text((312, 70), "δ2, λ2")
    p.dim((x0, yi1 + t1 + t2), (x1, yi1 + t1 + t2), -52, "L")
    # cross-section of the duct: insulation, wall and inside diameter d (or sides A x B)
    c = (372, 120)
    p.circle(c, 40, "#f4efe2", 1.2)
    p.circle(c, 30, DARK, 0)
    p.circle(c, 27, BODY, 0)
    p.dim_between((c[0] - 27, c[1]), (c[0] + 27, c[1]), "d", (c[0], c[1] - 10))
    return p


# =====================================================================
# Air-handling unit: sections and by-passes
# =====================================================================
# Every deck is 120 x 100; the supply deck carries the air to the right, the
# exhaust deck to the left. Recovery and mixing join both decks (120 x 200,
# exhaust deck above the supply deck).

def deck(p, y0=0):
    p.rect(4, y0 + 10, 112, 80, BODY, 1.4)


def deck_flow(p, y0, to_right):
    if to_right:
        p.flow((10, y0 + 80), (46, y0 + 80))
    else:
        p.flow((110, y0 + 80), (74, y0 + 80))


def louvre(p, x, y0):
    p.line((x, y0 + 10), (x, y0 + 90), 2.0)
    for k in range(6):
        yy = y0 + 18 + k * 12
        p.line((x - 5, yy + 4), (x + 5, yy - 4), 1.5, DARK)


def centrala_czerpnia():
    p = Picture(120, 100)
    deck(p)
    louvre(p, 10, 0)
    # filter: pleated insert
    zig = [(70 + (6 if k % 2 else -6), 16 + k * 8) for k in range(9)]
    p.rect(62, 14, 16, 68, "#f3f5f7", 1.0)
    p.polyline(zig, 1.1, DARK)
    p.flow((20, 50), (50, 50))
    p.flow((86, 50), (112, 50))
    return p


def centrala_wyrzutnia():
    p = Picture(120, 100)
    deck(p)
    louvre(p, 10, 0)
    p.flow((100, 50), (24, 50))
    return p


def coil(p, sign):
    p.rect(42, 16, 36, 60, DEVICE, 1.2)
    p.line((42, 76), (78, 16), 1.0)
    p.text((53, 32), sign, 18, italic=False)
    p.flow((8, 46), (36, 46))
    p.flow((84, 46), (112, 46))


def centrala_nagrzewnica():
    p = Picture(120, 100)
    deck(p)
    coil(p, "+")
    return p


def centrala_chlodnica():
    p = Picture(120, 100)
    deck(p)
    coil(p, "−")
    # drip tray under the coil and the condensate drain
    p.polyline([(36, 78), (36, 84), (84, 84), (84, 78)], 1.4)
    p.line((60, 84), (60, 93), 1.6, FLOW)
    p.head((60, 99), (0, 1), 6, 2.4, FLOW)
    return p


def centrala_nawilzacz():
    p = Picture(120, 100)
    deck(p)
    # steam supply and distributor pipe with nozzles
    p.line((60, 2), (60, 74), 3.0, DARK)
    for k in range(5):
        yy = 22 + k * 12
        p.line((60, yy), (67, yy), 1.4, DARK)
        for dx in (0, 5):
            p.polyline([(70 + dx, yy), (73 + dx, yy - 3), (76 + dx, yy), (79 + dx, yy - 3)], 0.8, INK)
    deck_flow(p, 0, True)
    return p


def fan_section(to_right):
    p = Picture(120, 100)
    deck(p)
    c = (60, 46)
    fan_symbol(p, c, 26)
    deck_flow(p, 0, to_right)
    return p


def centrala_nawiew():
    return fan_section(True)


def centrala_wywiew():
    return fan_section(False)


def centrala_obejscie_nawiew():
    p = Picture(120, 100)
    deck(p)
    p.flow((14, 50), (106, 50))
    return p


def centrala_obejscie_wywiew():
    p = Picture(120, 100)
    deck(p)
    p.flow((106, 50), (14, 50))
    return p


def centrala_obejscie_podwojne():
    p = Picture(120, 200)
    deck(p, 0)
    deck(p, 100)
    p.flow((106, 50), (14, 50))
    p.flow((14, 150), (106, 150))
    return p


def centrala_rekuperator():
    """Rotary heat exchanger across both decks: exhaust above, supply below."""
    p = Picture(120, 200)
    deck(p, 0)
    deck(p, 100)
    p.rect(52, 14, 16, 172, DEVICE, 1.2)
    for y in range(20, 186, 6):
        p.line((52, y), (68, y), 0.5)
    p.circle((60, 100), 3, DARK, 0.8)
    # rotation
    arc = arc_points((60, 100), 24, 120, 60, 12)
    p.polyline(arc, 1.0)
    p.head(arc[-1], (arc[-1][0] - arc[-2][0], arc[-1][1] - arc[-2][1]), 6, 2.2)
    p.flow((108, 50), (76, 50))
    p.flow((44, 50), (12, 50))
    p.flow((12, 150), (44, 150))
    p.flow((76, 150), (108, 150))
    return p


def centrala_komora_mieszania():
    """Mixing chamber: part of the exhaust air returns through a damper to the supply deck."""
    p = Picture(120, 200)
    deck(p, 0)
    deck(p, 100)
    # the opening in the partition with the recirculation damper
    p.rect(40, 88, 40, 24, BODY, 0)
    p.line((40, 90), (40, 110), 1.4)
    p.line((80, 90), (80, 110), 1.4)
    for x in (48, 60, 72):
        p.line((x - 5, 104), (x + 5, 96), 2.0, DARK)
    p.flow((110, 40), (12, 40))
    p.flow_path([(96, 40), (60, 70), (60, 130), (96, 160)])
    p.flow((8, 160), (110, 160))
    return p


# =====================================================================
# Acoustic calculator: where the sound source sits (directivity factor Q)
# =====================================================================

Q_CAPTIONS = {
    1: ("Q = 1", "w przestrzeni"),
    2: ("Q = 2", "przy jednej płaszczyźnie"),
    4: ("Q = 4", "przy dwóch płaszczyznach"),
    8: ("Q = 8", "w narożniku"),
}
# The same captions for the windows in English (pictures "…_en").
Q_CAPTIONS_EN = {
    1: ("Q = 1", "in free space"),
    2: ("Q = 2", "on one surface"),
    4: ("Q = 4", "where two surfaces meet"),
    8: ("Q = 8", "in a corner"),
}


def waves(p, c, a0, a1, radii=(16, 28, 40)):
    """The sound spreading from a source at c into the free angle a0 … a1."""
    for r in radii:
        p.polyline(arc_points(c, r, a0, a1), 1.2, FLOW)


def source(p, c):
    p.circle(c, 4.5, DARK, 1.0)


def directivity_panel(p, ox, oy, q, captions=Q_CAPTIONS):
    """One source position in a cell of 150 x 170 with its top left corner at (ox, oy)."""
    cx = ox + 75
    if q == 1:
        c = (cx, oy + 70)
        waves(p, c, 0, 360)
    elif q == 2:
        c = (cx, oy + 105)
        p.hatch(ox + 15, oy + 105, 120, 9)
        p.line((ox + 15, oy + 105), (ox + 135, oy + 105), 2.0)
        waves(p, c, 0, 180)
    elif q == 4:
        c = (ox + 40, oy + 110)
        p.hatch(ox + 31, oy + 20, 9, 90)
        p.hatch(ox + 31, oy + 110, 104, 9)
        p.polyline([(ox + 40, oy + 20), c, (ox + 135, oy + 110)], 2.0)
        waves(p, c, 0, 90, (24, 44, 64))
    else:
        # a room corner seen from inside: the vertical edge and the two floor edges
        c = (cx, oy + 62)
        left = add(c, unit(210), 64)
        right = add(c, unit(-30), 64)
        top = (cx, oy + 8)
        p.polygon([top, c, left, (left[0], top[1] + 32)], BODY, 0)
        p.polygon([top, c, right, (right[0], top[1] + 32)], DEVICE, 0)
        p.line(top, c, 2.0)
        p.line(c, left, 2.0)
        p.line(c, right, 2.0)
        waves(p, c, -30, -150, (18, 30, 42))
    source(p, c)
    title, where = captions[q]
    p.text((cx, oy + 138), title, 13, italic=True)
    p.text((cx, oy + 156), where, 10, italic=False)


def zrodlo(q, captions=Q_CAPTIONS):
    def draw():
        p = Picture(150, 170)
        directivity_panel(p, 0, 0, q, captions)
        return p
    return draw


def kierunkowosc(captions=Q_CAPTIONS):
    """The four positions side by side, for the help of Q."""
    p = Picture(600, 170)
    for k, q in enumerate((1, 2, 4, 8)):
        directivity_panel(p, 150 * k, 0, q, captions)
        if k:
            p.line((150 * k, 10), (150 * k, 160), 0.5, DEVICE)
    return p


PICTURES = {
    # the fitting window
    "prostka_o": prostka_o, "kolano_o": kolano_o, "kolano_o_s": kolano_o_s, "odsadzka_o": odsadzka_o,
    "trojnik_o": trojnik_o, "czerpnia_o": czerpnia_o, "trojnik_orlowy_o": trojnik_orlowy_o,
    "przejscie_o_p": przejscie_o_p, "redukcja_o": redukcja_o, "kratka_o": kratka_o,
    "prostka_p": prostka_p, "luk_p": luk_p, "kolano_p": kolano_p, "odsadzka_p": odsadzka_p,
    "trojnik_p": trojnik_p, "trojnik_p_L": trojnik_p_L, "czerpnia_p": czerpnia_p,
    "trojnik_orlowy_p": trojnik_orlowy_p, "przejscie_p_o": przejscie_p_o, "redukcja_p": redukcja_p,
    "kratka_p": kratka_p, "flex": flex, "czerpnia_scienna": czerpnia_scienna, "tlumik_okr": tlumik_okr,
    "tlumik_pr": tlumik_pr, "wentylator_okr": wentylator_okr, "wentylator_pr": wentylator_pr,
    "trojnik_przelot_rozplyw": trojnik_przelot_rozplyw, "trojnik_odgalezienie_rozplyw": trojnik_odgalezienie_rozplyw,
    "trojnik_przelot_laczenie": trojnik_przelot_laczenie, "trojnik_odgalezienie_laczenie": trojnik_odgalezienie_laczenie,
    # regulating elements
    "kryza": kryza, "przepustnica": przepustnica,
    # duct heat calculation scheme
    "schemat_kanalu": schemat_kanalu,
    # air-handling unit
    "centrala_czerpnia": centrala_czerpnia, "centrala_rekuperator": centrala_rekuperator,
    "centrala_komora_mieszania": centrala_komora_mieszania, "centrala_chlodnica": centrala_chlodnica,
    "centrala_nagrzewnica": centrala_nagrzewnica, "centrala_nawilzacz": centrala_nawilzacz,
    "centrala_nawiew": centrala_nawiew, "centrala_wywiew": centrala_wywiew,
    "centrala_wyrzutnia": centrala_wyrzutnia, "centrala_obejscie_nawiew": centrala_obejscie_nawiew,
    "centrala_obejscie_wywiew": centrala_obejscie_wywiew, "centrala_obejscie_podwojne": centrala_obejscie_podwojne,
    # acoustic calculator: source positions (level at a distance) and the help of Q
    "zrodlo_q1": zrodlo(1), "zrodlo_q2": zrodlo(2), "zrodlo_q4": zrodlo(4), "zrodlo_q8": zrodlo(8),
    "kierunkowosc": kierunkowosc,
    "zrodlo_q1_en": zrodlo(1, Q_CAPTIONS_EN), "zrodlo_q2_en": zrodlo(2, Q_CAPTIONS_EN),
    "zrodlo_q4_en": zrodlo(4, Q_CAPTIONS_EN), "zrodlo_q8_en": zrodlo(8, Q_CAPTIONS_EN),
    "kierunkowosc_en": lambda: kierunkowosc(Q_CAPTIONS_EN),
}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    parser.add_argument("dir", nargs="?", default=os.path.join(here, "..", "..", "data", "calc"))
    args = parser.parse_args(argv)
    bad = 0
    for stem, draw in PICTURES.items():
        svg = draw().svg().encode("utf-8")
        path = os.path.join(args.dir, stem + ".svg")
        if args.check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == svg
            except OSError:
                same = False
            if not same:
                print(f"{path}: differs from what {os.path.basename(__file__)} draws", file=sys.stderr)
                bad += 1
        else:
            with open(path, "wb") as f:
                f.write(svg)
    if args.check:
        print(f"{len(PICTURES) - bad} of {len(PICTURES)} pictures current")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
