#!/usr/bin/env python3
"""Reads the lists bench_druckschau printed, before and now, from the texts each one recorded
(<list>.calls) and the district's values (werte.txt): pages, lines of rows and words cut in
the captains' lists, and what a reader would find wrong on a page. Writes a Markdown report.

usage: druckschau_auswertung.py <folder before> <folder now> <report.md>
"""
import collections
import os
import re
import subprocess
import sys

LEITER = ("leiter-verein", "leiter-klasse", "leiter-alle", "leiter-serie", "leiter-alle-disziplinen")
ROEMISCH = {"I", "II", "III"}


def zahlartig(wort):
    return bool(re.fullmatch(r"[0-9][0-9/\-+]*", wort or ""))


class Werte:
    def __init__(self, datei):
        self.art = collections.defaultdict(set)
        with open(datei, encoding="cp1252") as f:
            for zeile in f:
                art, _, text = zeile.rstrip("\n").partition("\t")
                self.art[art].add(text)
        woerter = set()
        for texte in self.art.values():
            for t in texte:
                woerter.update(t.split())
        self.woerter = woerter
        self.alle = "\n".join(sorted(woerter))
        # Every place a telephone could be broken at a blank: its first and its last groups.
        self.telbrueche = set()
        for t in self.art["tel"]:
            g = t.split()
            for k in range(1, len(g)):
                self.telbrueche.add((" ".join(g[:k]), " ".join(g[k:])))
        self.zahlen = {w for w in woerter if zahlartig(w)}
        self.mannschaften = "\n".join(sorted(self.art["mannschaft"]))
        self.strassen = "\n".join(sorted(self.art["strasse"]))

    def wort_mit(self, teil):
        """The data word that holds `teil`, or None."""
        i = self.alle.find(teil)
        if i < 0:
            return None
        a = self.alle.rfind("\n", 0, i) + 1
        e = self.alle.find("\n", i)
        return self.alle[a:e if e >= 0 else None]


class Text:
    __slots__ = ("seite", "x", "y", "w", "h", "leer", "groesse", "fett", "text")

    def __init__(self, f):
        self.seite, self.x, self.y, self.w, self.h, self.leer, self.groesse, self.fett = map(int, f[1:9])
        self.text = f[9] if len(f) > 9 else ""


def lies(datei):
    texte, linien, seite = [], [], (0, 0)
    with open(datei, encoding="cp1252") as f:
        for zeile in f:
            f_ = zeile.rstrip("\n").split("\t")
            if f_[0] == "B":
                seite = (int(f_[1]), int(f_[2]))
            elif f_[0] == "T":
                texte.append(Text(f_))
            elif f_[0] == "L":
                linien.append(tuple(map(int, f_[1:6])))
    return texte, linien, seite


def seiten(pdf):
    out = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    m = re.search(r"Pages:\s+(\d+)", out)
    return int(m.group(1)) if m else 0


def png(liste, seite, anzahl):
    """The name pdftoppm gives a page."""
    return "%s-%0*d.png" % (liste, len(str(anzahl)), seite)


class Befund:
    """What one printed list shows."""

    def __init__(self, ordner, liste, werte):
        self.liste = liste
        self.seiten = seiten(os.path.join(ordner, liste + ".pdf"))
        self.texte, self.linien, (self.breite, self.hoehe) = lies(os.path.join(ordner, liste + ".calls"))
        self.werte = werte
        self.fehler = collections.defaultdict(list)  # kind -> [(page, text)]
        self.schnitte = collections.Counter()
        self.silben = []
        self.zeilen = 0
        self.spalten = []
        self.pruefe()

    def f(self, art, t, text):
        self.fehler[art].append((t.seite, text))

    def pruefe(self):
        proSeite = collections.defaultdict(list)
        for t in self.texte:
            proSeite[t.seite].append(t)
            if t.x < 0 or t.y < 0 or t.x + t.w > self.breite or t.y + t.h > self.hoehe:
                self.f("vom Papier", t, t.text)
        for seite, texte in proSeite.items():
            if seite > 1:
                self.rang(texte)
            self.ueberdeckt(texte)
            self.luecken(texte)
            self.fortsetzungen(texte)
        if self.liste in LEITER:
            self.leiterzeilen(proSeite)

    def ueberdeckt(self, texte):
        texte = sorted(texte, key=lambda t: t.y)
        for i, a in enumerate(texte):
            for b in texte[i + 1:]:
                if b.y >= a.y + a.h:
                    break
                ra, rb = a.h / 5, b.h / 5
                quer = min(a.x + a.w, b.x + b.w) - max(a.x, b.x) > 0
                hoch = min(a.y + a.h - ra, b.y + b.h - rb) - max(a.y + ra, b.y + rb) > 0
                if quer and hoch:
                    self.f("Text über Text", a, "%s | %s" % (a.text, b.text))

    def rang(self, texte):
        """A page of a ranked list whose first row has no rank: a tied group went on from the page before."""
        for k in (t for t in texte if t.fett and t.text == "Rang"):
            zeilen = sorted({t.y for t in texte if t.y > k.y and not t.fett and t.text.strip()})
            if not zeilen:
                continue
            erste = [t for t in texte if t.y == zeilen[0]]
            if not any(t.x < k.x + k.w + t.leer and t.x + t.w > k.x - 3 * t.leer for t in erste):
                self.f("Rang fehlt in der ersten Reihe der Seite", erste[0],
                       " ".join(t.text for t in sorted(erste, key=lambda t: t.x)))

    def luecken(self, texte):
        """Neighbouring texts on one line less than a blank apart."""
        zeilen = collections.defaultdict(list)
        for t in texte:
            zeilen[t.y].append(t)
        for z in zeilen.values():
            z = sorted((t for t in z if t.text.strip()), key=lambda t: t.x)
            for a, b in zip(z, z[1:]):
                luecke = b.x - (a.x + a.w)
                if 0 <= luecke < a.leer:
                    self.f("weniger als ein Leerzeichen Abstand", a, "%s | %s" % (a.text, b.text))
                elif 0 <= luecke < 2 * a.leer:
                    self.f("weniger als zwei Leerzeichen Abstand", a, "%s | %s" % (a.text, b.text))

    def fortsetzungen(self, texte):
        """Each text against the line above it in its column (or indented under it)."""
        spalte = collections.defaultdict(list)
        for t in texte:
            spalte[t.x].append(t)
        w = self.werte
        for t in texte:
            if not t.text.strip():
                continue
            oben = None
            for x in spalte:
                if t.x - 4 * t.leer <= x <= t.x:
                    for a in spalte[x]:
                        if 0 < t.y - a.y <= 1.6 * t.h and (oben is None or a.y > oben.y):
                            oben = a
            if oben is None or not oben.text.split():
                continue
            la, fb = oben.text.split()[-1], t.text.split()[0]
            if fb in ROEMISCH and (la + " " + fb) in w.mannschaften:
                self.f("Mannschaftsnummer allein am Zeilenanfang", t, oben.text + " / " + t.text)
                continue
            if re.fullmatch(r"[0-9]+[a-z]?", fb) and (la + " " + fb) in w.strassen:
                self.f("Hausnummer allein", t, oben.text + " / " + t.text)
                continue
            ta, tb = oben.text.split(), t.text.split()
            if zahlartig(la) and zahlartig(fb) and any(
                    (" ".join(ta[-k:]), " ".join(tb[:m])) in w.telbrueche
                    for k in range(1, min(len(ta), 5) + 1) for m in range(1, min(len(tb), 5) + 1)):
                self.f("Telefon gebrochen", t, oben.text + " / " + t.text)
                continue
            if la == "-":
                continue  # the dash between home and guest
            if la in w.woerter and fb in w.woerter:
                continue  # a break between two words
            ganz = la + fb
            if (ganz in w.zahlen and len(ganz) >= 5) or (la[-1] in "-/" and len(la) >= 3 and
                                                          any(z.startswith(ganz) for z in w.zahlen)):
                self.f("Zahl gebrochen", t, oben.text + " / " + t.text)
                continue
            wort = w.wort_mit(ganz)
            if wort is not None:
                if zahlartig(wort):
                    pass
                elif la[-1] in ".@-/_" and not la.endswith("--"):
                    self.schnitte["an Bindestrich/Punkt/@"] += 1
                elif "@" in wort or wort.startswith("www"):
                    self.schnitte["E-Mail in einem Teil"] += 1
                    self.f("E-Mail in einem Teil geschnitten", t, oben.text + " / " + t.text)
                else:
                    self.schnitte["ohne Trennstrich"] += 1
                    self.f("Wort ohne Trennstrich geschnitten", t, oben.text + " / " + t.text)
                continue
            if la.endswith("-") and len(la) > 1:
                # The middle piece of a word cut twice ends with a hyphen of its own.
                kern = fb[:-1] if fb.endswith("-") and len(fb) > 1 else fb
                wort = w.wort_mit(la[:-1] + kern)
                if wort is not None:
                    if zahlartig(wort) or "@" in wort:
                        self.f("Trennstrich in E-Mail oder Zahl", t, oben.text + " / " + t.text)
                    self.schnitte["Silbe mit Trennstrich"] += 1
                    self.silben.append((t.seite, la + fb))

    def leiterzeilen(self, proSeite):
        """Lines of rows: the lines between the headings' rule and the footer."""
        for seite, texte in proSeite.items():
            ys = sorted(l[2] for l in self.linien if l[0] == seite and l[2] == l[4])
            if len(ys) >= 2:
                oben, unten = ys[0], ys[-1]
            else:  # a list without rules: below its bold headings, above the footer
                fett = [t.y + t.h for t in texte if t.fett]
                oben, unten = (max(fett) if fett else 0), self.hoehe
            fuss = [t for t in texte if oben < t.y < unten and unten - t.y < 2 * t.h and
                    re.fullmatch(r"[0-9./\-]+", t.text)]
            grenze = min((t.y for t in fuss), default=unten)
            self.zeilen += len({t.y for t in texte if oben < t.y < grenze and not t.fett})
        # The columns: headings of the first page, each column's widest text and its lines.
        kopf = sorted((t for t in proSeite.get(1, []) if t.fett), key=lambda t: t.x)
        # A serial print shares each club's page anew; the other lists share it once.
        if kopf and self.liste not in ("leiter-alle-disziplinen", "leiter-serie"):
            ys = collections.Counter(t.y for t in kopf)
            y = ys.most_common(1)[0][0]
            kopf = [t for t in kopf if t.y == y]
            rechts = max((l[3] for l in self.linien), default=self.breite)
            for i, k in enumerate(kopf):
                ende = kopf[i + 1].x if i + 1 < len(kopf) else rechts
                inhalt = [t for t in self.texte if k.x <= t.x < ende and not t.fett and t.y > k.y]
                self.spalten.append((k.text, ende - k.x, max((t.w for t in inhalt), default=0),
                                     len({(t.seite, t.y) for t in inhalt})))

    def schnittzahl(self):
        return sum(n for k, n in self.schnitte.items() if k != "an Bindestrich/Punkt/@")


def main(alt, neu, bericht):
    werte = Werte(os.path.join(neu, "werte.txt"))
    if os.path.exists(os.path.join(alt, "werte.txt")):
        with open(os.path.join(alt, "werte.txt"), "rb") as a, open(os.path.join(neu, "werte.txt"), "rb") as b:
            gleich = a.read() == b.read()
    else:
        gleich = False
    listen = sorted(f[:-6] for f in os.listdir(neu) if f.endswith(".calls"))
    out = []
    out.append("# Druckschau: %s (vorher) gegen %s (jetzt)\n" % (alt, neu))
    out.append("Bezirk in beiden Läufen gleich: %s\n" % ("ja" if gleich else "NEIN"))
    out.append("| Liste | Seiten vorher | Seiten jetzt | | Auffälligkeiten jetzt |")
    out.append("|---|---:|---:|---|---|")
    befunde = {}
    for l in listen:
        n = Befund(neu, l, werte)
        a = Befund(alt, l, werte) if os.path.exists(os.path.join(alt, l + ".calls")) else None
        befunde[l] = (a, n)
        mark = "" if a is None or n.seiten <= a.seiten else "LÄNGER"
        arten = ", ".join("%s %d" % (k, len(v)) for k, v in sorted(n.fehler.items()) if "zwei" not in k)
        out.append("| %s | %s | %d | %s | %s |" % (l, a.seiten if a else "-", n.seiten, mark, arten))
    out.append("\n## Mannschaftsleiter: Zeilen der Reihen und im Wort geschnittene Wörter\n")
    out.append("| Liste | Zeilen vorher | Zeilen jetzt | Schnitte vorher | Schnitte jetzt | jetzt: Art der Schnitte |")
    out.append("|---|---:|---:|---:|---:|---|")
    for l in LEITER:
        if l not in befunde:
            continue
        a, n = befunde[l]
        out.append("| %s | %s | %d | %s | %d | %s |" % (
            l, a.zeilen if a else "-", n.zeilen, a.schnittzahl() if a else "-", n.schnittzahl(),
            ", ".join("%s %d" % kv for kv in sorted(n.schnitte.items()))))
    for l in LEITER:
        if l in befunde and befunde[l][1].spalten:
            out.append("\n### Spalten von %s (Breite, breitester Text, Zeilen; Einheiten der Seite)\n" % l)
            out.append("| Spalte | vorher | jetzt |")
            out.append("|---|---|---|")
            a, n = befunde[l]
            alt_sp = {s[0]: s for s in a.spalten} if a else {}
            for s in n.spalten:
                v = alt_sp.get(s[0])
                out.append("| %s | %s | %d / %d / %d |" % (s[0], "%d / %d / %d" % v[1:] if v else "-", *s[1:]))
    out.append("\n## Silbentrennungen jetzt (Liste: Wort getrennt)\n")
    for l, (a, n) in befunde.items():
        if n.silben:
            out.append("- %s: %s" % (l, ", ".join(sorted({s for _, s in n.silben}))))
    out.append("\n## Auffälligkeiten jetzt, mit Seite (PNG) und Beispielen\n")
    for l, (a, n) in befunde.items():
        for art, faelle in sorted(n.fehler.items()):
            seiten_ = sorted({s for s, _ in faelle})
            beispiele = "; ".join(sorted({t for _, t in faelle})[:4])
            vorher = len(a.fehler.get(art, [])) if a else "-"
            out.append("- %s, %s: %d (vorher %s), %s: %s" % (
                l, art, len(faelle), vorher,
                " ".join(png(l, s, n.seiten) for s in seiten_[:6]) + (" …" if len(seiten_) > 6 else ""), beispiele))
    text = "\n".join(out) + "\n"
    with open(bericht, "w", encoding="utf-8") as f:
        f.write(text)
    print(text)


if __name__ == "__main__":
    main(*sys.argv[1:4])
