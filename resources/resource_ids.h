/* Resource ids of Quelrin: dialog templates, controls, menu items and icon.
   Included by quelrin.rc and by the C++ code; free of windows.h. */
#ifndef QUELRIN_RESOURCE_IDS_H
#define QUELRIN_RESOURCE_IDS_H

/* The dialog manager's own commands: the default button (Enter) and Escape. */
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* Dialog templates, menu and icon. */
#define IDD_MAIN 100
#define IDD_ABOUT 200
#define IDD_EDITOR 300
#define IDD_UNITS 400
#define IDD_DIAGRAM 500
#define IDR_MAIN_MENU 1000
#define IDI_APP 2000

/* Main window (IDOK is "Calcula", IDCANCEL is "Sair"). */
#define IDC_EQUATION_LIST 101
#define IDC_FLUID_LIST 102
#define IDC_TEMPERATURE_EDIT 103
#define IDC_PRESSURE_EDIT 104
#define IDC_ESTIMATE_EDIT 105
#define IDC_PRESSURE_LABEL 106
#define IDC_TEMPERATURE_LABEL 107
#define IDC_ITERATION_LOG 108
#define IDC_ABOUT_BUTTON 109
#define IDC_CONVERGENCE_NOTE 110

/* Main menu. */
#define IDM_ABOUT 1030
#define IDM_HELP 1040
#define IDM_FLUID_EDITOR 1050
#define IDM_EXIT 1060
#define IDM_CALCULATE 1070
#define IDM_UNITS 1080
#define IDM_DIAGRAM 1090

/* Fluid editor. */
#define IDC_EDITOR_FLUID_LIST 301
#define IDC_EDITOR_CLEAR 302
#define IDC_EDITOR_ADD 303
#define IDC_EDITOR_ANTOINE 304
#define IDC_EDITOR_WAGNER 305
#define IDC_EDITOR_ENVELOPE 306
#define IDC_EDITOR_NAME 307
#define IDC_EDITOR_CONSTANT_1 308
#define IDC_EDITOR_CONSTANT_2 309
#define IDC_EDITOR_CONSTANT_3 310
#define IDC_EDITOR_CONSTANT_4 311
#define IDC_EDITOR_PC 312
#define IDC_EDITOR_TC 313
#define IDC_EDITOR_ACENTRIC 314
#define IDC_EDITOR_CRITICAL_GROUP 316
#define IDC_EDITOR_LIST_FRAME 321
#define IDC_EDITOR_EDIT 322
#define IDC_EDITOR_SAVE 324
#define IDC_EDITOR_EXIT 325
#define IDC_EDITOR_DELETE 328

/* Units dialog: radio button 403 + i is pressure unit i, 409 + j is
   temperature unit j. */
#define IDC_UNITS_OK 401
#define IDC_UNITS_CANCEL 402
#define IDC_PRESSURE_BAR 403
#define IDC_PRESSURE_ATM 404
#define IDC_PRESSURE_KPA 405
#define IDC_PRESSURE_PSI 406
#define IDC_PRESSURE_MMHG 407
#define IDC_TEMPERATURE_K 409
#define IDC_TEMPERATURE_R 410
#define IDC_TEMPERATURE_C 411
#define IDC_TEMPERATURE_F 412

/* Diagram (IDOK is "Fechar"). */
#define IDC_DIAGRAM_ISOTHERM 501
#define IDC_DIAGRAM_SATURATION 502
#define IDC_DIAGRAM_LOG_VOLUME 503
#define IDC_DIAGRAM_PLOT 504

#endif
