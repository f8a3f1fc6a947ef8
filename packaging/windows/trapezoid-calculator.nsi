; SPDX-License-Identifier: GPL-3.0-or-later
; Installer of the calculator for one user, no administrator rights needed.
; tools/build-windows passes the paths in:
;   makensis -DVERSION=1.0.0 -DPROGRAM_DIR=<folder with the two .exe>
;            -DSOURCE_DIR=<project> -DOUT_FILE=<setup.exe> trapezoid-calculator.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define PRODUCT_NAME "Правоъгълен трапец"
!define PROGRAM "trapezoid-calculator"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PROGRAM}"

Name "${PRODUCT_NAME}"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PROGRAM}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1026 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=1026 "FileDescription" "${PRODUCT_NAME} — инсталиране"
VIAddVersionKey /LANG=1026 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${SOURCE_DIR}\data\icons\trapezoid-calculator.ico"
!define MUI_UNICON "${SOURCE_DIR}\data\icons\trapezoid-calculator.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE_DIR}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

Section "${PRODUCT_NAME}"
    SetOutPath "$INSTDIR"
    File "${PROGRAM_DIR}\${PROGRAM}.exe"
    File "${PROGRAM_DIR}\${PROGRAM}-cli.exe"
    File /oname=LICENSE.txt "${SOURCE_DIR}\LICENSE"
    File /oname=THIRD-PARTY.txt "${SOURCE_DIR}\packaging\windows\third-party.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${PRODUCT_NAME}.lnk" "$INSTDIR\${PROGRAM}.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${PRODUCT_NAME}.lnk"
    Delete "$INSTDIR\${PROGRAM}.exe"
    Delete "$INSTDIR\${PROGRAM}-cli.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\THIRD-PARTY.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
