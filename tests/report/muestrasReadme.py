#!/usr/bin/env python3
"""README's sample lines against what the program writes.

Usage: muestrasReadme.py KARVEL2D_REPORTE README INGRESO_DATOS

Runs karvel2d-reporte --tablas in a scratch directory on the example frame
and on the fixed-fixed beam of README's estaciones.csv example, and checks
three code blocks of README line by line:

- the first lines of each table of resultados-tablas/ ("==> x.csv <=="),
- the beginning of resumen.txt,
- the rows of estaciones.csv around the point load of the beam.

Words must be equal; numbers are compared by value, so that a sample may
show fewer digits than a CSV table holds only where the value is the same:
two numbers agree when they differ by at most 1e-9 of the larger, or when
both are below 1e-12 in magnitude (rounding noise, such as an equilibrium
error of 1e-16). The comparison itself is checked on altered copies of the
samples: a changed digit and a changed node number must both be caught.
"""
import os
import re
import subprocess
import sys
import tempfile

TOLERANCIA_RELATIVA = 1e-9
RUIDO = 1e-12

# README's estaciones.csv example: a fixed-fixed beam of 4 with a force of
# 10 downwards at x = 1, E·I = 2e7 · 0.001 = 20000 (the deflections of the
# sample follow from that rigidity: at x = 0.8, v = -P·b²·x²·(3·a·L -
# x·(3·a + b)) / (6·L³·E·I) = -5.4e-05 with a = 1, b = 3).
VIGA_BIEMPOTRADA = """nudos: 1 0 0 2 4 0
barras: 1 1 2
apoyo: 1 1 1 1 2
seccionGenerica: S 1 0.001 2e7 0 1
puntualLocal: P 1 0 -10 0 1
combo: C1 1 P
"""

PALABRA = re.compile(r"[^\s,]+")


def numero(palabra):
    try:
        return float(palabra.rstrip(","))
    except ValueError:
        return None


def iguales(a, b):
    """Two sample words agree: the same text, or the same number."""
    if a == b:
        return True
    x, y = numero(a), numero(b)
    if x is None or y is None:
        return False
    mayor = max(abs(x), abs(y))
    return abs(x - y) <= TOLERANCIA_RELATIVA * mayor or mayor <= RUIDO


def diferencias_de_linea(muestra, programa, donde):
    a, b = PALABRA.findall(muestra), PALABRA.findall(programa)
    if len(a) != len(b) or not all(iguales(x, y) for x, y in zip(a, b)):
        return ["%s:\n  README:   %s\n  programa: %s" % (donde, muestra, programa)]
    return []


def bloques(readme):
    """Code blocks of the README, as lists of lines, with the text before."""
    partes = readme.split("```")
    return [(partes[i - 1], partes[i].split("\n")[1:]) for i in range(1, len(partes), 2)]


def bloque_que_empieza(readme, comienzo):
    for _, lineas in bloques(readme):
        if lineas and lineas[0].strip().startswith(comienzo):
            return [l for l in lineas if l.strip()]
    return None


def bloque_tras(readme, frase):
    for antes, lineas in bloques(readme):
        if frase in " ".join(antes.split()[-40:]):
            return [l.strip() for l in lineas if l.strip()]
    return None


def bloque_con(readme, marca):
    for _, lineas in bloques(readme):
        if any(l.startswith(marca) for l in lineas):
            return lineas
    return None


def comparar_tablas(lineas, carpeta):
    """The "==> x.csv <==" block: each section, the first lines of x.csv."""
    fallas, archivo, muestra = [], None, {}
    for l in lineas:
        m = re.match(r"==> (\S+) <==", l)
        if m:
            archivo = m.group(1)
            muestra[archivo] = []
        elif archivo and l.strip():
            muestra[archivo].append(l)
    if not muestra:
        return ["no hay muestras de tablas"]
    for nombre, filas in muestra.items():
        with open(os.path.join(carpeta, nombre), encoding="utf-8") as f:
            reales = f.read().split("\n")
        for k, fila in enumerate(filas):
            real = reales[k] if k < len(reales) else "(falta)"
            fallas += diferencias_de_linea(fila, real, "%s, línea %d" % (nombre, k + 1))
    return fallas


def comparar_resumen(lineas, carpeta):
    with open(os.path.join(carpeta, "resumen.txt"), encoding="utf-8") as f:
        reales = [l for l in f.read().split("\n") if l.strip()]
    fallas = []
    for k, fila in enumerate(lineas):
        real = reales[k] if k < len(reales) else "(falta)"
        fallas += diferencias_de_linea(fila, real, "resumen.txt, línea %d" % (k + 1))
    return fallas


def comparar_consecutivas(lineas, carpeta):
    """The rows appear one after another in estaciones.csv."""
    with open(os.path.join(carpeta, "estaciones.csv"), encoding="utf-8") as f:
        reales = f.read().split("\n")
    for inicio in range(len(reales)):
        if all(
            inicio + k < len(reales) and not diferencias_de_linea(l, reales[inicio + k], "")
            for k, l in enumerate(lineas)
        ):
            return []
    return ["estaciones.csv de la viga biempotrada no tiene seguidas las filas:\n  " +
            "\n  ".join(lineas)]


def todas_las_diferencias(readme, tablas, viga):
    fallas = []
    muestras = {
        "tablas": bloque_con(readme, "==> desplazamientos.csv <=="),
        "resumen": bloque_que_empieza(readme, "Resumen de resultados de ingresoDatos.txt"),
        "viga": bloque_tras(readme, "viga biempotrada de 4"),
    }
    for nombre, lineas in muestras.items():
        if not lineas:
            fallas.append("README no tiene el bloque de muestra «%s»" % nombre)
    if fallas:
        return fallas
    fallas += comparar_tablas(muestras["tablas"], tablas)
    fallas += comparar_resumen(muestras["resumen"], tablas)
    fallas += comparar_consecutivas(muestras["viga"], viga)
    return fallas


def ejecutar(programa, carpeta, archivo):
    subprocess.run([programa, "--tablas", archivo], cwd=carpeta, check=True,
                   stdout=subprocess.DEVNULL)
    return os.path.join(carpeta, "resultados-tablas")


def main():
    programa, ruta_readme, ingreso = sys.argv[1:4]
    with open(ruta_readme, encoding="utf-8") as f:
        readme = f.read()
    with tempfile.TemporaryDirectory() as tmp:
        portico, viga = os.path.join(tmp, "portico"), os.path.join(tmp, "viga")
        os.makedirs(portico)
        os.makedirs(viga)
        with open(ingreso, encoding="utf-8") as f, \
                open(os.path.join(portico, "ingresoDatos.txt"), "w", encoding="utf-8") as g:
            g.write(f.read())
        with open(os.path.join(viga, "viga.txt"), "w", encoding="utf-8") as g:
            g.write(VIGA_BIEMPOTRADA)
        tablas = ejecutar(programa, portico, "ingresoDatos.txt")
        tablas_viga = ejecutar(programa, viga, "viga.txt")

        fallas = todas_las_diferencias(readme, tablas, tablas_viga)
        for f in fallas:
            print("FALLA:", f)

        # The check catches a changed digit in a table and in the summary,
        # and a changed node number (a tie broken the other way).
        for de, a in [("1,C1,0,0,0", "1,C1,0,0,1"),
                      ("Mayor giro:            nudo 2", "Mayor giro:            nudo 3"),
                      ("Suma de cargas                       0       -128.832",
                       "Suma de cargas                       0       -128.833"),
                      ("1,C1,0.8,0,8.4375", "1,C1,0.8,0,8.4376")]:
            if de not in readme:
                fallas.append("la muestra «%s» no está en README" % de)
                print("FALLA:", fallas[-1])
                continue
            alterado = readme.replace(de, a, 1)
            if not todas_las_diferencias(alterado, tablas, tablas_viga):
                fallas.append("la comparación no ve el cambio de «%s» por «%s»" % (de, a))
                print("FALLA:", fallas[-1])
    if fallas:
        sys.exit(1)
    print("las muestras del README coinciden con el programa")


if __name__ == "__main__":
    main()
