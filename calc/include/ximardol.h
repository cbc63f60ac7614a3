/* ximardol: the calculation library of the 1999 income-tax (D-100, D-101) and wealth-tax (D-714) declarations.
 *
 * This header is the one description of the two data areas, shared by the library and the program, and the list of
 * the library's 49 exports. It compiles as C11 and as C++20.
 *
 * DatosRenta (61,624 bytes) and DatosPatrimonio (22,536 bytes) are plain byte blocks: at once the in-memory record,
 * the interface of the library and the stored format of a declaration. Every block is a distinct struct wrapping a
 * byte array, so that a block passed in the place of another is a compile error; nothing in here gives the fields
 * inside a block (the library reads them by offset, see calc/src/bloques/). All amounts are little-endian IEEE
 * doubles, codes are single bytes, texts are fixed-width Windows-1252 byte fields.
 *
 * The exports use the C calling convention. Every pointer points into the caller's data area and is not kept after
 * the call. The income-tax exports return an int that carries nothing; the last int selects the step to run.
 */
#ifndef XIMARDOL_H
#define XIMARDOL_H

#include <stddef.h>

#ifdef __cplusplus
#define XIMARDOL_COMPRUEBA(condicion, texto) static_assert(condicion, texto)
#else
#define XIMARDOL_COMPRUEBA(condicion, texto) _Static_assert(condicion, texto)
#endif

#if defined(__GNUC__)
#define XIMARDOL_API __attribute__((visibility("default")))
#else
#define XIMARDOL_API
#endif

/* A block: its own struct type around its bytes; size and alignment are those of the byte array. */
#define XIMARDOL_BLOQUE(nombre, tamano) \
  typedef struct nombre {               \
    unsigned char octetos[tamano];      \
  } nombre

/* A block's size and its offset in its area. */
#define XIMARDOL_COMPRUEBA_BLOQUE(area, tipo, miembro, desplazamiento, tamano)                  \
  XIMARDOL_COMPRUEBA(sizeof(tipo) == (tamano), "size of " #tipo);                                \
  XIMARDOL_COMPRUEBA(offsetof(area, miembro) == (desplazamiento), "offset of " #tipo " in " #area)

/* ---- DatosRenta: the income-tax declaration of one family unit --------------------------------------------- */

XIMARDOL_BLOQUE(RegDatosFamilia, 552);         /*     0: personal and family data */
XIMARDOL_BLOQUE(RegIdentificacion, 3576);      /*   552: identification; first the five MarcaSujeto bytes */
XIMARDOL_BLOQUE(RegRendTrabajo, 984);          /*  4128: section A, work income */
XIMARDOL_BLOQUE(RegRendCapInmobiliario, 712);  /*  5112: section B, real-estate capital income */
XIMARDOL_BLOQUE(RegRendCapMobiliario, 1688);   /*  5824: section C, movable capital income (8 subsections) */
XIMARDOL_BLOQUE(RegApartadoD1, 1360);          /*  7512: section D, economic activities, block 1 */
XIMARDOL_BLOQUE(RegApartadoD2, 1360);          /*  8872: section D, block 2 */
XIMARDOL_BLOQUE(RegApartadoD3, 168);           /* 10232: section D, block 3 */
XIMARDOL_BLOQUE(RegApartadoD4, 6248);          /* 10400: section D, block 4: activities by modules */
XIMARDOL_BLOQUE(RegApartadoD5, 8272);          /* 16648: section D, block 5: agricultural activities */
XIMARDOL_BLOQUE(RegApartadoE1, 288);           /* 24920: section E, block 1 */
XIMARDOL_BLOQUE(RegApartadoE2, 504);           /* 25208: section E, block 2 */
XIMARDOL_BLOQUE(RegApartadoE3, 168);           /* 25712: section E, block 3 */
XIMARDOL_BLOQUE(RegApartadoE4, 80);            /* 25880: section E, block 4 */
XIMARDOL_BLOQUE(RegApartadoE5, 240);           /* 25960: section E, block 5 */
XIMARDOL_BLOQUE(RegApartadoF1, 976);           /* 26200: section F1 */
XIMARDOL_BLOQUE(RegApartadoF2, 3912);          /* 27176: section F2, dated rows */
XIMARDOL_BLOQUE(RegApartadoF3, 6392);          /* 31088: section F3, dated rows */
XIMARDOL_BLOQUE(RegApartadoF4, 288);           /* 37480: section F totals */
XIMARDOL_BLOQUE(RegApartadoG, 184);            /* 37768: block between sections F and H */
XIMARDOL_BLOQUE(RegApartadoH, 160);            /* 37952: section H, personal and family minimum */
XIMARDOL_BLOQUE(RegApartadoI, 80);             /* 38112: section I */
XIMARDOL_BLOQUE(RegApartadoJ, 440);            /* 38192: section J, pension plans */
XIMARDOL_BLOQUE(RegApartadoK, 120);            /* 38632: section K */
XIMARDOL_BLOQUE(RegApartadoL, 120);            /* 38752: block between sections K and M */
XIMARDOL_BLOQUE(RegApartadoM, 2048);           /* 38872: section M, deductions */
XIMARDOL_BLOQUE(RegApartadoM4, 7248);          /* 40920: section M4, deductions limited by the quota */
XIMARDOL_BLOQUE(RegApartadoN, 3008);           /* 48168: section N, regional deductions */
XIMARDOL_BLOQUE(RegBaseImponible, 1776);       /* 51176: per-member groups of the taxable base */
XIMARDOL_BLOQUE(RegLiquidacion, 1520);         /* 52952: liquidation */
XIMARDOL_BLOQUE(RegResultados, 7152);          /* 54472: results of the declaration */

typedef struct DatosRenta {
  RegDatosFamilia DatosFamilia;
  RegIdentificacion Identificacion;
  RegRendTrabajo RendTrabajo;
  RegRendCapInmobiliario RendCapInmobiliario;
  RegRendCapMobiliario RendCapMobiliario;
  RegApartadoD1 ApartadoD1;
  RegApartadoD2 ApartadoD2;
  RegApartadoD3 ApartadoD3;
  RegApartadoD4 ApartadoD4;
  RegApartadoD5 ApartadoD5;
  RegApartadoE1 ApartadoE1;
  RegApartadoE2 ApartadoE2;
  RegApartadoE3 ApartadoE3;
  RegApartadoE4 ApartadoE4;
  RegApartadoE5 ApartadoE5;
  RegApartadoF1 ApartadoF1;
  RegApartadoF2 ApartadoF2;
  RegApartadoF3 ApartadoF3;
  RegApartadoF4 ApartadoF4;
  RegApartadoG ApartadoG;
  RegApartadoH ApartadoH;
  RegApartadoI ApartadoI;
  RegApartadoJ ApartadoJ;
  RegApartadoK ApartadoK;
  RegApartadoL ApartadoL;
  RegApartadoM ApartadoM;
  RegApartadoM4 ApartadoM4;
  RegApartadoN ApartadoN;
  RegBaseImponible BaseImponible;
  RegLiquidacion Liquidacion;
  RegResultados Resultados;
} DatosRenta;

XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegDatosFamilia, DatosFamilia, 0, 552);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegIdentificacion, Identificacion, 552, 3576);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegRendTrabajo, RendTrabajo, 4128, 984);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegRendCapInmobiliario, RendCapInmobiliario, 5112, 712);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegRendCapMobiliario, RendCapMobiliario, 5824, 1688);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoD1, ApartadoD1, 7512, 1360);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoD2, ApartadoD2, 8872, 1360);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoD3, ApartadoD3, 10232, 168);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoD4, ApartadoD4, 10400, 6248);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoD5, ApartadoD5, 16648, 8272);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoE1, ApartadoE1, 24920, 288);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoE2, ApartadoE2, 25208, 504);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoE3, ApartadoE3, 25712, 168);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoE4, ApartadoE4, 25880, 80);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoE5, ApartadoE5, 25960, 240);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoF1, ApartadoF1, 26200, 976);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoF2, ApartadoF2, 27176, 3912);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoF3, ApartadoF3, 31088, 6392);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoF4, ApartadoF4, 37480, 288);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoG, ApartadoG, 37768, 184);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoH, ApartadoH, 37952, 160);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoI, ApartadoI, 38112, 80);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoJ, ApartadoJ, 38192, 440);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoK, ApartadoK, 38632, 120);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoL, ApartadoL, 38752, 120);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoM, ApartadoM, 38872, 2048);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoM4, ApartadoM4, 40920, 7248);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegApartadoN, ApartadoN, 48168, 3008);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegBaseImponible, BaseImponible, 51176, 1776);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegLiquidacion, Liquidacion, 52952, 1520);
XIMARDOL_COMPRUEBA_BLOQUE(DatosRenta, RegResultados, Resultados, 54472, 7152);
XIMARDOL_COMPRUEBA(sizeof(DatosRenta) == 61624, "size of DatosRenta");

/* ---- DatosPatrimonio: the wealth-tax declaration; one record per page of the form ---------------------------- */

XIMARDOL_BLOQUE(RegPatA, 2096);               /*     0 */
XIMARDOL_BLOQUE(RegPatB, 1736);               /*  2096 */
XIMARDOL_BLOQUE(RegPatC, 1968);               /*  3832 */
XIMARDOL_BLOQUE(RegPatD, 1016);               /*  5800 */
XIMARDOL_BLOQUE(RegPatDatosPersonales, 528);  /*  6816 */
XIMARDOL_BLOQUE(RegPatDI, 56);                /*  7344 */
XIMARDOL_BLOQUE(RegPatE, 1160);               /*  7400 */
XIMARDOL_BLOQUE(RegPatF1, 1160);              /*  8560 */
XIMARDOL_BLOQUE(RegPatF2, 1088);              /*  9720 */
XIMARDOL_BLOQUE(RegPatG1, 944);               /* 10808 */
XIMARDOL_BLOQUE(RegPatG2, 1376);              /* 11752 */
XIMARDOL_BLOQUE(RegPatG3, 1016);              /* 13128 */
XIMARDOL_BLOQUE(RegPatG4, 872);               /* 14144 */
XIMARDOL_BLOQUE(RegPatH1, 440);               /* 15016 */
XIMARDOL_BLOQUE(RegPatH2, 440);               /* 15456 */
XIMARDOL_BLOQUE(RegPatI, 440);                /* 15896 */
XIMARDOL_BLOQUE(RegPatJ, 392);                /* 16336 */
XIMARDOL_BLOQUE(RegPatK, 1016);               /* 16728 */
XIMARDOL_BLOQUE(RegPatL, 728);                /* 17744 */
XIMARDOL_BLOQUE(RegPatM, 584);                /* 18472 */
XIMARDOL_BLOQUE(RegPatN, 512);                /* 19056 */
XIMARDOL_BLOQUE(RegPatO, 368);                /* 19568 */
XIMARDOL_BLOQUE(RegPatP, 368);                /* 19936 */
XIMARDOL_BLOQUE(RegPatQ, 872);                /* 20304 */
XIMARDOL_BLOQUE(RegPatDeudas, 800);           /* 21176 */
XIMARDOL_BLOQUE(RegPatResumen, 528);          /* 21976 */
XIMARDOL_BLOQUE(RegPatAjuste, 32);            /* 22504 */

typedef struct DatosPatrimonio {
  RegPatA PatA;
  RegPatB PatB;
  RegPatC PatC;
  RegPatD PatD;
  RegPatDatosPersonales PatDatosPersonales;
  RegPatDI PatDI;
  RegPatE PatE;
  RegPatF1 PatF1;
  RegPatF2 PatF2;
  RegPatG1 PatG1;
  RegPatG2 PatG2;
  RegPatG3 PatG3;
  RegPatG4 PatG4;
  RegPatH1 PatH1;
  RegPatH2 PatH2;
  RegPatI PatI;
  RegPatJ PatJ;
  RegPatK PatK;
  RegPatL PatL;
  RegPatM PatM;
  RegPatN PatN;
  RegPatO PatO;
  RegPatP PatP;
  RegPatQ PatQ;
  RegPatDeudas PatDeudas;
  RegPatResumen PatResumen;
  RegPatAjuste PatAjuste;
} DatosPatrimonio;

XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatA, PatA, 0, 2096);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatB, PatB, 2096, 1736);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatC, PatC, 3832, 1968);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatD, PatD, 5800, 1016);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatDatosPersonales, PatDatosPersonales, 6816, 528);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatDI, PatDI, 7344, 56);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatE, PatE, 7400, 1160);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatF1, PatF1, 8560, 1160);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatF2, PatF2, 9720, 1088);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatG1, PatG1, 10808, 944);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatG2, PatG2, 11752, 1376);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatG3, PatG3, 13128, 1016);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatG4, PatG4, 14144, 872);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatH1, PatH1, 15016, 440);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatH2, PatH2, 15456, 440);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatI, PatI, 15896, 440);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatJ, PatJ, 16336, 392);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatK, PatK, 16728, 1016);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatL, PatL, 17744, 728);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatM, PatM, 18472, 584);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatN, PatN, 19056, 512);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatO, PatO, 19568, 368);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatP, PatP, 19936, 368);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatQ, PatQ, 20304, 872);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatDeudas, PatDeudas, 21176, 800);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatResumen, PatResumen, 21976, 528);
XIMARDOL_COMPRUEBA_BLOQUE(DatosPatrimonio, RegPatAjuste, PatAjuste, 22504, 32);
XIMARDOL_COMPRUEBA(sizeof(DatosPatrimonio) == 22536, "size of DatosPatrimonio");

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Value exports ------------------------------------------------------------------------------------------ */

/* The value cut toward zero to `decimales` decimals (0 or less: a whole number); a scaled fraction beyond
 * 0.9999999 in size counts as a whole unit, so Trunc(0.29, 2) is 0.29 and Trunc(-0.29, 2) is -0.29. */
XIMARDOL_API double Trunc(double valor, int decimales);

/* The maximum pension-plan reduction of a person born in that year (years before 1934 count as 1934, years after
 * 1947 as 1947). */
XIMARDOL_API double DameCuantiaMaximaPlanPensiones(int anioNacimiento);

/* ---- Income-tax sections: blocks of DatosRenta, then the instance ------------------------------------------- */

XIMARDOL_API int Calculos100A(RegRendTrabajo* rendTrabajo, RegBaseImponible* baseImponible,
    RegRendCapInmobiliario* rendCapInmobiliario, RegRendCapMobiliario* rendCapMobiliario, RegApartadoD1* apartadoD1,
    RegApartadoD2* apartadoD2, RegApartadoD4* apartadoD4, RegApartadoD5* apartadoD5, RegApartadoF4* apartadoF4,
    RegResultados* resultados, RegDatosFamilia* datosFamilia, int instancia);
XIMARDOL_API int Calculos100B1(RegRendCapInmobiliario* rendCapInmobiliario, RegResultados* resultados,
    RegBaseImponible* baseImponible, int instancia);
XIMARDOL_API int Calculos100C(RegRendCapMobiliario* rendCapMobiliario, RegResultados* resultados,
    RegBaseImponible* baseImponible, int instancia);
XIMARDOL_API int Calculos100D(RegApartadoD1* apartadoD1, RegApartadoD2* apartadoD2, RegApartadoD3* apartadoD3,
    RegBaseImponible* baseImponible, RegApartadoD4* apartadoD4, RegApartadoD5* apartadoD5, int instancia);
XIMARDOL_API int Calculos100D5(RegApartadoD1* apartadoD1, RegApartadoD2* apartadoD2, RegApartadoD3* apartadoD3,
    RegBaseImponible* baseImponible, RegApartadoD4* apartadoD4, RegApartadoD5* apartadoD5, int instancia);
XIMARDOL_API int Calculos100E1(RegApartadoE1* apartadoE1, RegApartadoE2* apartadoE2, RegApartadoE3* apartadoE3,
    RegApartadoE4* apartadoE4, RegApartadoE5* apartadoE5, RegBaseImponible* baseImponible, RegResultados* resultados,
    RegLiquidacion* liquidacion, int instancia);
XIMARDOL_API int Calculos100F1(RegApartadoF1* apartadoF1, int instancia);
XIMARDOL_API int Calculos100F2(RegApartadoF2* apartadoF2, int instancia);
XIMARDOL_API int Calculos100F3(RegApartadoF3* apartadoF3, int instancia);
XIMARDOL_API int Calculos100F4(RegApartadoF4* apartadoF4, RegApartadoF1* apartadoF1, RegApartadoF2* apartadoF2,
    RegApartadoL* apartadoL, RegBaseImponible* baseImponible, RegRendCapMobiliario* rendCapMobiliario,
    RegApartadoF3* apartadoF3, int instancia);
XIMARDOL_API int Calculos100H(RegApartadoH* apartadoH, RegDatosFamilia* datosFamilia,
    RegIdentificacion* identificacion, int instancia);
XIMARDOL_API int Calculos100I(RegApartadoI* apartadoI, RegBaseImponible* baseImponible, RegApartadoH* apartadoH,
    RegApartadoG* apartadoG, int instancia);
XIMARDOL_API int Calculos100J(RegApartadoJ* apartadoJ, RegResultados* resultados, RegBaseImponible* baseImponible,
    RegRendTrabajo* rendTrabajo, RegApartadoD1* apartadoD1, RegApartadoD2* apartadoD2, RegApartadoD5* apartadoD5,
    RegApartadoD4* apartadoD4, RegDatosFamilia* datosFamilia, RegApartadoE2* apartadoE2, int instancia);
XIMARDOL_API int Calculos100K(RegApartadoK* apartadoK, RegBaseImponible* baseImponible, RegLiquidacion* liquidacion,
    RegApartadoL* apartadoL, RegApartadoI* apartadoI, int instancia);
XIMARDOL_API int Calculos100LI1(RegBaseImponible* baseImponible, RegApartadoF4* apartadoF4, RegApartadoL* apartadoL,
    RegApartadoI* apartadoI, RegApartadoG* apartadoG, int instancia);
XIMARDOL_API int Calculos100LI2(RegLiquidacion* liquidacion, RegDatosFamilia* datosFamilia,
    RegBaseImponible* baseImponible, int instancia);
XIMARDOL_API int Calculos100LI3(RegResultados* resultados, RegApartadoF1* apartadoF1, RegLiquidacion* liquidacion,
    RegBaseImponible* baseImponible, RegApartadoG* apartadoG, RegRendTrabajo* rendTrabajo,
    RegRendCapInmobiliario* rendCapInmobiliario, RegRendCapMobiliario* rendCapMobiliario, RegApartadoD1* apartadoD1,
    RegApartadoD2* apartadoD2, RegApartadoD4* apartadoD4, RegApartadoD5* apartadoD5,
    RegIdentificacion* identificacion, int instancia);
XIMARDOL_API int Calculos100M(RegApartadoM* apartadoM, RegApartadoK* apartadoK, RegLiquidacion* liquidacion,
    RegResultados* resultados, RegRendCapMobiliario* rendCapMobiliario, RegApartadoE2* apartadoE2, int instancia);
/* The seventh argument of Calculos100M4 points to the caller's per-person amounts from the family unit onward; the
 * library writes exactly five doubles there (40 bytes); a larger block may be passed. */
XIMARDOL_API int Calculos100M4(RegApartadoM4* apartadoM4, RegApartadoK* apartadoK, RegLiquidacion* liquidacion,
    RegResultados* resultados, RegRendCapMobiliario* rendCapMobiliario, RegApartadoE2* apartadoE2,
    double* importesPersona, int instancia);
XIMARDOL_API int Calculos100N(RegApartadoN* apartadoN, RegDatosFamilia* datosFamilia, RegBaseImponible* baseImponible,
    RegLiquidacion* liquidacion, RegApartadoG* apartadoG, RegApartadoM* apartadoM, RegApartadoD1* apartadoD1,
    RegApartadoD2* apartadoD2, RegApartadoD4* apartadoD4, RegApartadoD5* apartadoD5, RegApartadoK* apartadoK,
    RegApartadoI* apartadoI, RegApartadoH* apartadoH, RegResultados* resultados, int instancia);


/* ---- Wealth-tax pages: page record, flag (not 0: sum the page; 0: copy its total into the summary), summary ---- */

XIMARDOL_API void Calculos714A(RegPatA* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714B(RegPatB* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714C1(RegPatC* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714C2(RegPatC* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714D(RegPatD* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714E(RegPatE* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714F1(RegPatF1* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714F2(RegPatF2* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714G1(RegPatG1* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714G2(RegPatG2* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714G3(RegPatG3* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714G4(RegPatG4* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714H1(RegPatH1* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714H2(RegPatH2* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714I(RegPatI* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714J(RegPatJ* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714K(RegPatK* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714L(RegPatL* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714M(RegPatM* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714N(RegPatN* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714O(RegPatO* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714P(RegPatP* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714Q(RegPatQ* pagina, int indicador, RegPatResumen* resumen);
XIMARDOL_API void Calculos714DEUDAS(RegPatDeudas* pagina, int indicador, RegPatResumen* resumen);

/* ---- Wealth-tax liquidation --------------------------------------------------------------------------------- */
XIMARDOL_API void Calculos714DP(RegPatDatosPersonales* datosPersonales);
XIMARDOL_API void Calculos714LI(RegPatResumen* resumen, int indicador);
XIMARDOL_API void Calculos714DI(RegPatDI* di, RegPatResumen* resumen);

#ifdef __cplusplus
}
#endif

#endif /* XIMARDOL_H */
