"""Pixel questions on screenshots of the viewer (used by pruebaVisorPrograma.sh).

  imagenVisor.py caja IMAGEN R G B [x0 y0 x1 y1]  -> "n x0 x1 y0 y1" of pixels of that colour
  imagenVisor.py difiere A B x0 y0 x1 y1          -> number of differing pixels in the box
Coordinates are image pixels (y downwards), boxes inclusive.
"""
import sys

from PIL import Image


def caja(ruta, color, zona):
    img = Image.open(ruta).convert("RGB")
    w, h = img.size
    x0, y0, x1, y1 = zona if zona else (0, 0, w - 1, h - 1)
    px = img.load()
    n, bx0, bx1, by0, by1 = 0, w, -1, h, -1
    for y in range(max(0, y0), min(h - 1, y1) + 1):
        for x in range(max(0, x0), min(w - 1, x1) + 1):
            if px[x, y] == color:
                n += 1
                bx0, bx1, by0, by1 = min(bx0, x), max(bx1, x), min(by0, y), max(by1, y)
    return n, bx0, bx1, by0, by1


def difiere(a, b, zona):
    ia, ib = Image.open(a).convert("RGB"), Image.open(b).convert("RGB")
    pa, pb = ia.load(), ib.load()
    x0, y0, x1, y1 = zona
    return sum(1 for y in range(y0, y1 + 1) for x in range(x0, x1 + 1) if pa[x, y] != pb[x, y])


if __name__ == "__main__":
    if sys.argv[1] == "caja":
        zona = tuple(int(v) for v in sys.argv[6:10]) if len(sys.argv) > 6 else None
        print(*caja(sys.argv[2], tuple(int(v) for v in sys.argv[3:6]), zona))
    else:
        print(difiere(sys.argv[2], sys.argv[3], tuple(int(v) for v in sys.argv[4:8])))
