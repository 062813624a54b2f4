#!/usr/bin/env python3
"""The tables of karvel2d-reporte --tablas read by Python's csv module, as a
script or a spreadsheet would read them.

Usage: verificarTablas.py KARVEL2D_REPORTE EJEMPLO

Runs the tool in a scratch directory on the example frame (4 nodes, 3 bars,
supports at nodes 1 and 4, two combinations) with its combinations renamed
"G,1" and 'Q"2', so that both names need quoting. Checks every file: UTF-8,
LF line ends, the documented header, the documented number of rows in input
order (bars or nodes, then combinations, then stations), numbers that parse
and are finite, and the names back as they were written.
"""
import csv
import io
import math
import os
import subprocess
import sys
import tempfile

NUDOS = [1, 2, 3, 4]
APOYOS = [1, 4]
BARRAS = [1, 2, 3]
COMBOS = ["G,1", 'Q"2']
ESTACIONES = 21
# Lengths of the example's bars: columns of 3, beam of 4.
LONGITUDES = {1: 3.0, 2: 4.0, 3: 3.0}
# Rows of envolventes.csv at an interior extreme off the stations, per bar.
# The columns carry no transverse load (their self weight acts along them,
# a constant axial load): N and M are linear, V constant, none has an
# interior extreme. The beam carries a uniform transverse load in both
# combinations: V is linear and crosses zero once in each, where M peaks.
# G,1 is symmetric (symmetric frame, both bases fixed, symmetric loads), so
# its zero is at mid-span, station 10; the wind of Q"2 moves its zero off
# the stations: one extra row.
EXTREMOS_INTERIORES = {1: 0, 2: 1, 3: 0}

ENCABEZADOS = {
    "desplazamientos.csv": "nudo,combo,ux,uy,giro",
    "reacciones.csv": "nudo,combo,Rx,Ry,Mz",
    "extremos.csv": "barra,combo,N_inicio,V_inicio,M_inicio,N_fin,V_fin,M_fin",
    "estaciones.csv": "barra,combo,x,N,V,M,v",
    "maximos.csv": "barra,combo,Nmax,x_Nmax,Nmin,x_Nmin,Vmax,x_Vmax,Vmin,x_Vmin,"
    "Mmax,x_Mmax,Mmin,x_Mmin",
    "envolventes.csv": "barra,x,Nmax,combo_Nmax,Nmin,combo_Nmin,Vmax,combo_Vmax,"
    "Vmin,combo_Vmin,Mmax,combo_Mmax,Mmin,combo_Mmin",
}

# Leading key columns of every row, in the order the rows must come.
CLAVES = {
    "desplazamientos.csv": [(str(n), c) for n in NUDOS for c in COMBOS],
    "reacciones.csv": [(str(n), c) for n in APOYOS for c in COMBOS],
    "extremos.csv": [(str(b), c) for b in BARRAS for c in COMBOS],
    "estaciones.csv": [(str(b), c) for b in BARRAS for c in COMBOS for _ in range(ESTACIONES)],
    "maximos.csv": [(str(b), c) for b in BARRAS for c in COMBOS],
    "envolventes.csv": [
        (str(b),) for b in BARRAS for _ in range(ESTACIONES + EXTREMOS_INTERIORES[b])
    ],
}

fallos = []


def comprobar(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)


def leer(carpeta, archivo):
    with open(os.path.join(carpeta, archivo), "rb") as f:
        datos = f.read()
    texto = datos.decode("utf-8")
    comprobar(b"\r" not in datos, f"{archivo}: tiene CR")
    comprobar(datos.endswith(b"\n"), f"{archivo}: no termina en LF")
    return texto


def verificarCsv(carpeta, archivo):
    filas = list(csv.reader(io.StringIO(leer(carpeta, archivo), newline="")))
    encabezado = ENCABEZADOS[archivo].split(",")
    comprobar(filas[0] == encabezado, f"{archivo}: encabezado {filas[0]}")
    cuerpo = filas[1:]
    claves = CLAVES[archivo]
    comprobar(len(cuerpo) == len(claves), f"{archivo}: {len(cuerpo)} filas, se esperan {len(claves)}")
    for i, (fila, clave) in enumerate(zip(cuerpo, claves)):
        comprobar(len(fila) == len(encabezado), f"{archivo} fila {i + 1}: {len(fila)} campos")
        comprobar(tuple(fila[: len(clave)]) == clave, f"{archivo} fila {i + 1}: {fila[:2]}")
        for nombre, campo in zip(encabezado, fila):
            if nombre in ("nudo", "barra") or nombre.startswith("combo"):
                if nombre.startswith("combo_"):
                    comprobar(campo in COMBOS, f"{archivo} fila {i + 1}: combinación {campo!r}")
                continue
            comprobar(math.isfinite(float(campo)), f"{archivo} fila {i + 1}: {nombre} = {campo}")
    return encabezado, cuerpo


def main():
    herramienta, ejemplo = os.path.abspath(sys.argv[1]), sys.argv[2]
    with open(ejemplo, encoding="utf-8") as f:
        modelo = f.read().replace("combo: C1", "combo: G,1").replace("combo: C2", 'combo: Q"2')
    with tempfile.TemporaryDirectory(prefix="karvel-csv-") as trabajo:
        with open(os.path.join(trabajo, "modelo.txt"), "w", encoding="utf-8") as f:
            f.write(modelo)
        salida = subprocess.run([herramienta, "--tablas", "modelo.txt"], cwd=trabajo,
                                capture_output=True, text=True)
        comprobar(salida.returncode == 0, f"código de salida {salida.returncode}")
        comprobar(salida.stdout.endswith("Resultados escritos en resultados.txt\n"
                                         "Tablas escritas en resultados-tablas/\n"),
                  f"consola: {salida.stdout[-200:]!r}")
        carpeta = os.path.join(trabajo, "resultados-tablas")
        comprobar(sorted(os.listdir(carpeta)) == sorted(list(ENCABEZADOS) + ["resumen.txt"]),
                  f"archivos: {sorted(os.listdir(carpeta))}")
        for archivo in ENCABEZADOS:
            encabezado, cuerpo = verificarCsv(carpeta, archivo)
            # Stations run evenly from 0 to the bar's length; in the envelope
            # the rows at interior extremes come in between, in order of x.
            if archivo in ("estaciones.csv", "envolventes.csv"):
                k = encabezado.index("x")
                i = 0
                while i < len(cuerpo):
                    barra = int(cuerpo[i][0])
                    n = ESTACIONES
                    if archivo == "envolventes.csv":
                        n += EXTREMOS_INTERIORES[barra]
                    todas = [float(f[k]) for f in cuerpo[i : i + n]]
                    L = LONGITUDES[barra]
                    paso = L / (ESTACIONES - 1)
                    enEstacion = [abs(x / paso - round(x / paso)) < 1e-12 * ESTACIONES for x in todas]
                    bloque = [x for x, e in zip(todas, enEstacion) if e]
                    extras = [f for f, e in zip(cuerpo[i : i + n], enEstacion) if not e]
                    comprobar(bloque[0] == 0 and bloque[-1] == L, f"{archivo}: x de {bloque[0]} a {bloque[-1]}")
                    comprobar(len(bloque) == ESTACIONES and
                              all(abs(x - j * paso) < 1e-12 * L for j, x in enumerate(bloque)),
                              f"{archivo}: estaciones {bloque}")
                    comprobar(todas == sorted(todas), f"{archivo}: x fuera de orden {todas}")
                    # The extra row of the beam is where the shear of Q"2 is
                    # zero: its smallest V there is that zero.
                    for f in extras:
                        v = float(f[encabezado.index("Vmin")])
                        comprobar(f[encabezado.index("combo_Vmin")] == 'Q"2' and abs(v) < 1e-9,
                                  f"{archivo}: fila de x = {f[k]} sin cortante nulo: {f}")
                    i += n
        resumen = leer(carpeta, "resumen.txt")
        for c in COMBOS:
            comprobar(f"\nCombinación {c}\n" in resumen, f"resumen.txt: falta la combinación {c}")
        comprobar(resumen.count("Error relativo de equilibrio: ") == len(COMBOS),
                  "resumen.txt: errores de equilibrio")
    for f in fallos:
        print("FALLO:", f)
    print("1 passed, 0 failed" if not fallos else "0 passed, 1 failed")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
