# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading the thesauri: senses, their marks, and phrases with optional words left out."""

import os
import tempfile
import unittest

import import_thesaurus as imp


class Thesauri(unittest.TestCase):
    def write(self, text, encoding="utf-8"):
        f = tempfile.NamedTemporaryFile("wb", delete=False, suffix=".dat")
        f.write(text.encode(encoding))
        f.close()
        self.addCleanup(os.unlink, f.name)
        return f.name

    def test_mythes_senses_keep_marks_and_drop_optional_words(self):
        path = self.write("ISO8859-1\naplastar|2\n-|hundir|chafar|apachurrar (vulg.)\n"
                          "(fig.)|abatir|humillar\n(se) ir|1\n-|marcharse\n", "latin-1")
        senses = imp.read_mythes(path)
        self.assertEqual(senses["aplastar"][0][1][2], ("apachurrar", {"vulg."}))
        self.assertEqual(senses["aplastar"][1][0], {"fig."})
        self.assertNotIn("ir", senses)  # "(se) ir" is a part of a phrase

    def test_openthesaurus_gives_each_member_the_others(self):
        path = self.write("# comment\nFahrrad;Rad;Drahtesel (ugs.);(das) Velo\nArsch (derb);Hintern;Po\n")
        senses = imp.read_openthesaurus(path)
        self.assertEqual([i for i, _ in senses["Fahrrad"][0][1]], ["Rad", "Drahtesel", "Velo"])
        self.assertNotIn("Velo", senses)
        self.assertEqual(senses["Arsch"][0][0], {"derb"})


if __name__ == "__main__":
    unittest.main()
