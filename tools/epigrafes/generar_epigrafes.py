#!/usr/bin/env python3
"""Builds the heading table source data/tablas/EPIGRAFE.txt from the extract of the tariffs.

The extract (data/tablas/fuentes/TARIFAS_IAE.md) holds, line by line, the titles of the sections, divisions,
groupings, groups and headings of the tariffs of the tax on economic activities, copied from the law's text. Lines
starting with "%%" are ours: "%% FUENTE <BOE id>" opens the block of one text; a later block (an amending law)
replaces the wording of the codes it names and removes those followed by "**(Suprimido)**"; "%% SECCION n" sets the
section of the lines that follow when a block has no section title of its own; "%% SUSTITUYE <code>" removes that
code and every code under it, because the law gives the whole group (or grouping) anew in the lines that follow.
An amending law may give a group's title on the line after "GRUPO nnn", as its text stands.

Each row of the table: key (the code without its point, as the heading search seeks it), description (the code
with its point, a blank and the title, cut to the field's 47 characters; the rates that some headings carry on the
same line are left out) and section ("1" business, "2" professionals, "3" artists and sportsmen), in the order of
the text.

Usage: generar_epigrafes.py [extract] [table source]   (defaults: the repository's files)
Run it after any change to the extract and commit both files; the test TablasEntregadas.EpigrafesDelTexto checks
that they agree.
"""

import re
import sys
from pathlib import Path

RAIZ = Path(__file__).resolve().parents[2]
EXTRACTO = RAIZ / "data" / "tablas" / "fuentes" / "TARIFAS_IAE.md"
TABLA = RAIZ / "data" / "tablas" / "EPIGRAFE.txt"

ANCHO_DESCRIPCION = 47
SECCIONES = {"PRIMERA": "1", "SEGUNDA": "2", "TERCERA": "3"}
# A title line: its level and its code (digits, with a point before the last digit for a heading).
# A line of an amending law quotes the new title between « and », and names a group without the hashes.
TITULO = re.compile(
    r"^«?(## DIVISIÓN|### Agrupación|Agrupación|###### Grupo|Grupo|(?:### )?GRUPO|Ep[ií]grafe) (\d{1,3}(?:\.\d)?)"
    r"(?:[.:]?\s+(.*?))?[.:]?»?$")
SUPRIMIDO = "**(Suprimido)**"


class ErrorExtracto(Exception):
    pass


def texto_titulo(resto):
    """The title without the rates that follow it on the same line and without its final point."""
    texto = re.split(r"\.?\s+Cuota\b", resto, maxsplit=1)[0].strip()
    return texto.rstrip(".:").strip()


def leer_extracto(ruta):
    """The rows of the extract, in the order of the first text, with the later texts applied."""
    filas = {}  # (section, key) -> [code, title]
    fuente = None
    seccion = None
    ultimo = None
    sin_titulo = None  # a "GRUPO nnn" line whose title is the next line
    for numero, linea in enumerate(ruta.read_text(encoding="utf-8").splitlines(), start=1):
        donde = f"{ruta.name}: línea {numero}"
        if linea.startswith("%%"):
            palabras = linea[2:].split()
            if palabras[:1] == ["FUENTE"] and len(palabras) == 2:
                fuente = palabras[1]
                seccion = None
            elif palabras[:1] == ["SECCION"] and len(palabras) == 2 and palabras[1] in ("1", "2", "3"):
                seccion = palabras[1]
            elif palabras[:1] == ["SUSTITUYE"] and len(palabras) == 2:
                clave = palabras[1].replace(".", "")
                if seccion is None or (seccion, clave) not in filas:
                    raise ErrorExtracto(f"{donde}: SUSTITUYE de un código que no está")
                for llave in [k for k in filas if k[0] == seccion and k[1].startswith(clave)]:
                    del filas[llave]
            elif palabras[:1] in (["FUENTE"], ["SECCION"], ["SUSTITUYE"]):
                raise ErrorExtracto(f"{donde}: orden mal escrita")
            continue
        if fuente is None:
            raise ErrorExtracto(f"{donde}: una línea antes de la primera FUENTE")
        if sin_titulo is not None:
            filas[sin_titulo][1] = texto_titulo(linea.lstrip("#« ").strip())
            ultimo = sin_titulo
            sin_titulo = None
            continue
        if linea.startswith("# SECCIÓN "):
            nombre = linea.split()[2].rstrip(".")
            if nombre not in SECCIONES:
                raise ErrorExtracto(f"{donde}: sección desconocida")
            seccion = SECCIONES[nombre]
            ultimo = None
            continue
        if linea.strip() == SUPRIMIDO:
            if ultimo is None:
                raise ErrorExtracto(f"{donde}: supresión sin título delante")
            filas.pop(ultimo, None)
            ultimo = None
            continue
        m = TITULO.match(linea)
        if not m:
            ultimo = None
            continue
        if seccion is None:
            raise ErrorExtracto(f"{donde}: un título fuera de sección")
        nivel, codigo, resto = m.groups()
        esperado = {"## DIVISIÓN": 1, "### Agrupación": 2, "Agrupación": 2, "###### Grupo": 3, "Grupo": 3,
                    "GRUPO": 3, "### GRUPO": 3}.get(nivel, 4)
        clave = codigo.replace(".", "")
        if len(clave) != esperado or (esperado == 4 and "." not in codigo):
            raise ErrorExtracto(f"{donde}: el código {codigo} no es de su nivel")
        if esperado > 1 and not (seccion == "3" and esperado == 2):  # section 3 has no divisions
            padre = (seccion, clave[:-1])
            if padre not in filas:
                raise ErrorExtracto(f"{donde}: {codigo} sin su título superior {clave[:-1]}")
        llave = (seccion, clave)
        filas[llave] = [codigo, texto_titulo(resto or "")]
        ultimo = llave
        if not resto:
            if not nivel.endswith("GRUPO"):
                raise ErrorExtracto(f"{donde}: {codigo} sin título")
            sin_titulo = llave
    if sin_titulo is not None:
        raise ErrorExtracto(f"{ruta.name}: el último grupo sin título")
    # In the order of the codes within each section, which is the text's: a heading an amending law adds takes its
    # place among its group's.
    return sorted(filas.items(), key=lambda f: f[0])


def descripcion(codigo, titulo):
    texto = f"{codigo} {titulo}"
    if len(texto) > ANCHO_DESCRIPCION:
        texto = texto[:ANCHO_DESCRIPCION].rstrip()
    texto.encode("cp1252")  # every character must exist in the table's code page
    return texto.replace("\\", "\\\\").replace("|", "\\|")


CABECERA = """\
# The headings of the economic activities for the heading search of the activity boxes: key (the code without its
# point: "6594"), description (the code with its point and the title, cut to 47 characters) and section of the
# tariffs ("1" business, "2" professionals, "3" artists and sportsmen): every division, grouping, group and heading,
# section by section in the order of their codes (the text's order).
# Source: the tariffs of the tax on economic activities, annex I of Real Decreto Legislativo 1175/1990, de 28 de
# septiembre (BOE-A-1990-23930), in the extract data/tablas/fuentes/TARIFAS_IAE.md (which says where it was read
# and which later laws were checked; docs/TABLAS_CONSULTA.md lists what could not be checked).
# Made by tools/epigrafes/generar_epigrafes.py from that extract: do not edit by hand.
# The same rows serve every language: the four twins are built from this source.
TABLA EPIGRAFE
CAMPO clave    C 5
CAMPO descripc C 47
CAMPO seccion  C 1
ETIQUETA CLAVE clave
FILAS
"""


def main(argv):
    extracto = Path(argv[1]) if len(argv) > 1 else EXTRACTO
    tabla = Path(argv[2]) if len(argv) > 2 else TABLA
    try:
        filas = leer_extracto(extracto)
    except ErrorExtracto as e:
        print(f"generar_epigrafes: {e}", file=sys.stderr)
        return 1
    lineas = [CABECERA]
    for (seccion, clave), (codigo, titulo) in filas:
        lineas.append(f"{clave}|{descripcion(codigo, titulo)}|{seccion}\n")
    tabla.write_text("".join(lineas), encoding="utf-8")
    por_nivel = {}
    for (seccion, clave), _ in filas:
        por_nivel[(seccion, len(clave))] = por_nivel.get((seccion, len(clave)), 0) + 1
    print(f"{tabla}: {len(filas)} filas")
    for (seccion, largo), n in sorted(por_nivel.items()):
        print(f"  sección {seccion}, códigos de {largo} cifras: {n}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
