#!/usr/bin/env python3
"""Checks of the climate-year generator on the committed files (python3 -m unittest)."""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import make_climate_years as g  # noqa: E402

KLIMAT = os.path.join(HERE, "..", "..", "data", "KLIMAT")
# Leave-one-out fidelity on the five real years (measured: 1st percentile within 1.6 K,
# 99th within 0.7 K, coldest hour within 2.5 K).
PERCENTILE_TOLERANCE_K = 2.0
DESIGN_HOUR_TOLERANCE_K = 3.0
# 99th percentile of the hourly enthalpy (measured: within 4.1 kJ/kg).
ENTHALPY_TOLERANCE = 5.0


class GeneratorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.normals = g.read_normals(os.path.join(HERE, "monthly_normals.csv"))
        cls.real = {s: g.read_klimat_file(os.path.join(KLIMAT, s + ".txt"))
                    for s in g.REAL_YEAR_STATIONS}

    def test_synthetic_files_match_the_normals_to_a_tenth(self):
        for city in g.CITIES:
            if city in g.REAL_YEAR_STATIONS:
                continue
            year = g.read_klimat_file(os.path.join(KLIMAT, city + ".txt"))
            for m, (got, want) in enumerate(zip(g.month_statistics(year),
                                                self.normals[city]["months"]), start=1):
                for what, a, b in zip(("mean", "mean daily max", "mean daily min"), got, want):
                    self.assertLessEqual(abs(a - b), 0.1, f"{city} month {m} {what}: {a} vs {b}")
                self.assertLessEqual(abs((got[1] - got[2]) - (want[1] - want[2])), 0.1)

    def test_file_is_exactly_what_the_generator_makes_from_its_donor(self):
        # The synthetic file is reproducible from the committed real year and normals alone.
        city = "KATOWICE"
        donor = g.nearest_donor(self.normals, city, g.REAL_YEAR_STATIONS)
        self.assertEqual(donor, "BIELSKO BIALA")
        year, _ = g.synthesise(self.real[donor], self.normals[city]["months"])
        shipped = g.read_klimat_file(os.path.join(KLIMAT, city + ".txt"))
        self.assertEqual([(h.t, h.rh) for h in year], [(h.t, h.rh) for h in shipped])

    def test_humidity_is_the_donors_and_never_above_saturation(self):
        year, _ = g.synthesise(self.real["ELBLAG"], self.normals["HEL"]["months"])
        self.assertEqual([h.rh for h in year], [h.rh for h in self.real["ELBLAG"]])
        self.assertTrue(all(0 <= h.rh <= 100 for h in year))
        # The dew point moves no more from one hour to the next than in the real years
        # (with a margin for the steeper temperature steps).
        def largest_dew_step(y):
            td = [g.dew_point(h.t, h.rh) for h in y]
            return max(abs(td[i] - td[i - 1]) for i in range(1, len(td)))
        real_step = max(largest_dew_step(y) for y in self.real.values())
        self.assertLessEqual(largest_dew_step(year), real_step + 1.0)

    def test_leave_one_out_fidelity_on_the_real_years(self):
        for r in g.fidelity(KLIMAT):
            with self.subTest(station=r["station"], donor=r["donor"]):
                self.assertLessEqual(abs(r["p1_real"] - r["p1_synth"]), PERCENTILE_TOLERANCE_K)
                self.assertLessEqual(abs(r["p99_real"] - r["p99_synth"]), PERCENTILE_TOLERANCE_K)
                self.assertLessEqual(abs(r["design_real"] - r["design_synth"]),
                                     DESIGN_HOUR_TOLERANCE_K)
                self.assertLessEqual(abs(r["i99_real"] - r["i99_synth"]), ENTHALPY_TOLERANCE)

    def test_month_transform_keeps_order_and_hits_the_three_targets(self):
        days = [[float(h % 12 + d) for h in range(24)] for d in range(30)]
        new, k, shift, p = g.transform_month(days, 5.0, 9.0, 1.0)
        flat = [t for d in new for t in d]
        self.assertAlmostEqual(sum(flat) / len(flat), 5.0, places=6)
        self.assertAlmostEqual(sum(max(d) for d in new) / 30, 9.0, places=9)
        self.assertAlmostEqual(sum(min(d) for d in new) / 30, 1.0, places=9)
        for old, nd in zip(days, new):  # warmer hours of a day stay warmer
            order = sorted(range(24), key=lambda i: old[i])
            self.assertEqual(sorted(range(24), key=lambda i: (nd[i], old[i])), order)

    def test_impossible_normals_are_refused(self):
        days = [[float(h) for h in range(24)] for _ in range(30)]
        with self.assertRaises(ValueError):
            g.transform_month(days, 0.0, 1.0, 2.0)  # maximum below minimum
        with self.assertRaises(ValueError):
            g.transform_month(days, 5.0, 3.0, 1.0)  # mean outside the daily range

    def test_design_hour_takes_the_earliest_of_equal_minima(self):
        hours = [g.Hour(1, 1, i, t, 50 + i) for i, t in enumerate([3.0, -4.0, 2.0, -4.0])]
        self.assertEqual(g.winter_design_hour(hours), (-4.0, 51, 2))


if __name__ == "__main__":
    unittest.main()
