; The Windows installer: per user, without administrator rights, into the user's own
; programs folder. A Start-menu entry, .qkf files opened by the window (with its icon), an
; entry in "Installed apps", and an uninstaller that takes the programs and the association
; away and leaves the user's sets and history (%APPDATA%\vt350-config) alone. Neither
; the installer nor the uninstaller replaces or removes programs that are running; both
; refuse Windows older than 10 version 1809, which Qt 6 needs. A silent run (/S) that
; cannot go on says why in %TEMP%\vt350-config-setup.log and exits with a non-zero status.
; makensis -DVERSION=1.0.0 -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe>
;          [-DSIGN=<command that signs the file named after it>] vt350-config.nsi
; A 64-bit installer for 64-bit programs: it runs where they run.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define NAME "VT-350 configuration"
!define PROGID "vt350config.qkf"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\vt350-config"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\vt350-config"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "FileDescription" "${NAME} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "MIT licence"
; A file in use is an error, never skipped: the upgrade must not leave old and new mixed.
AllowSkipFiles off
!ifdef SIGN
; The uninstaller is signed before it is packed, as the programs and the installer are.
!uninstfinalize '"${SIGN}" "%1"'
!endif

!include "LogicLib.nsh"
!include "WinVer.nsh"
!include "FileFunc.nsh"

!include "MUI2.nsh"
!define MUI_ICON "${STAGE}\vt350-config.ico"
!define MUI_UNICON "${STAGE}\vt350-config.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vt350-config.exe"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${STAGE}\installer-side.bmp"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The pages in the language of the user's Windows, where it is one the window speaks.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Polish"

LangString OldWindows ${LANG_ENGLISH} "${NAME} needs Windows 10 version 1809 or later."
LangString OldWindows ${LANG_GERMAN} "${NAME} benötigt Windows 10 Version 1809 oder neuer."
LangString OldWindows ${LANG_FRENCH} "${NAME} nécessite Windows 10 version 1809 ou plus récent."
LangString OldWindows ${LANG_SPANISH} "${NAME} necesita Windows 10 versión 1809 o posterior."
LangString OldWindows ${LANG_ITALIAN} "${NAME} richiede Windows 10 versione 1809 o successiva."
LangString OldWindows ${LANG_DUTCH} "${NAME} vereist Windows 10 versie 1809 of nieuwer."
LangString OldWindows ${LANG_POLISH} "${NAME} wymaga systemu Windows 10 w wersji 1809 lub nowszej."
; The type of .qkf files, as Explorer names it.
LangString FileTypeName ${LANG_ENGLISH} "VT-350 parameter set"
LangString FileTypeName ${LANG_GERMAN} "VT-350-Parametersatz"
LangString FileTypeName ${LANG_FRENCH} "Jeu de paramètres VT-350"
LangString FileTypeName ${LANG_SPANISH} "Juego de parámetros VT-350"
LangString FileTypeName ${LANG_ITALIAN} "Set di parametri VT-350"
LangString FileTypeName ${LANG_DUTCH} "VT-350-parameterset"
LangString FileTypeName ${LANG_POLISH} "Zestaw parametrów VT-350"
LangString Running ${LANG_ENGLISH} "${NAME} is running (the window or vt350ctl).$\r$\nClose it, then choose Retry."
LangString Running ${LANG_GERMAN} "${NAME} läuft (das Fenster oder vt350ctl).$\r$\nBitte schließen und dann „Wiederholen“ wählen."
LangString Running ${LANG_FRENCH} "${NAME} est en cours d’exécution (la fenêtre ou vt350ctl).$\r$\nFermez-le, puis choisissez Réessayer."
LangString Running ${LANG_SPANISH} "${NAME} está en ejecución (la ventana o vt350ctl).$\r$\nCiérrelo y elija Reintentar."
LangString Running ${LANG_ITALIAN} "${NAME} è in esecuzione (la finestra o vt350ctl).$\r$\nChiuderlo, poi scegliere Riprova."
LangString Running ${LANG_DUTCH} "${NAME} is actief (het venster of vt350ctl).$\r$\nSluit het en kies daarna Opnieuw."
LangString Running ${LANG_POLISH} "Program ${NAME} jest uruchomiony (okno lub vt350ctl).$\r$\nZamknij go, a następnie wybierz „Ponów próbę”."

;   ${Say} LOG BOX: one line for a silent run's log, in English as scripts read it, or a
;   box in the user's language for the person at the screen.
!macro SayMacro LOG BOX
    IfSilent 0 +6
    FileOpen $9 "$TEMP\vt350-config-setup.log" a
    FileSeek $9 0 END
    FileWrite $9 "${LOG}$\r$\n"
    FileClose $9
    Goto +2
    MessageBox MB_OK|MB_ICONSTOP "${BOX}"
!macroend
!define Say "!insertmacro SayMacro"

; Qt 6 runs on Windows 10 version 1809 (build 17763) and later.
!macro RefuseOldWindows
    ${IfNot} ${AtLeastWin10}
    ${OrIfNot} ${AtLeastBuild} 17763
        ${Say} "${NAME} needs Windows 10 version 1809 or later." "$(OldWindows)"
        SetErrorLevel 1150 ; ERROR_OLD_WIN_VERSION
        Quit
    ${EndIf}
!macroend

; The programs hold a named mutex while they run. Asked to close them, a person may try
; again; a silent run stops with status 5 (ERROR_ACCESS_DENIED), nothing changed.
!macro RefuseWhileRunning WHAT
    ${Do}
        System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Local\vt350-config-running") p .r0'
        ${If} $0 == 0
            ${Break}
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
        ${If} ${Silent}
            ${Say} "${NAME} is running (the window or vt350ctl); close it, then ${WHAT} again." ""
            SetErrorLevel 5
            Quit
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" IDRETRY +3
        SetErrorLevel 5
        Quit
    ${Loop}
!macroend

Function .onInit
    !insertmacro RefuseOldWindows
    !insertmacro RefuseWhileRunning "install"
FunctionEnd

Function un.onInit
    !insertmacro RefuseWhileRunning "uninstall"
FunctionEnd

Section "Install"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${STAGE}\vt350-config.exe"
    File "${STAGE}\vt350ctl.exe"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\vt350-config.exe" "" "$INSTDIR\vt350-config.exe" 0

    WriteRegStr HKCU "Software\Classes\.qkf" "" "${PROGID}"
    WriteRegStr HKCU "Software\Classes\${PROGID}" "" "$(FileTypeName)"
    WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\vt350-config.exe,0"
    WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\vt350-config.exe" "%1"'
    ; Explorer redraws the files' icons.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The vt350-config developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vt350-config.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\vt350-config.exe"
    Delete "$INSTDIR\vt350ctl.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    ; .qkf goes only while it is still ours.
    ReadRegStr $0 HKCU "Software\Classes\.qkf" ""
    StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.qkf"
    DeleteRegKey HKCU "Software\Classes\${PROGID}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
