; The Windows installer, weather-editor-VERSION-setup.exe, made by scripts/build-windows.sh:
;   makensis -DVERSION=1.1.0 -DEXE=weather-editor.exe -DICON=weather-editor.ico
;            -DREADME=README.md -DLICENSE=LICENSE -DOUTFILE=setup.exe installer.nsi
; Installs for the current user without administrator rights (in %LOCALAPPDATA%\Programs).
; For every user of the computer: run it as administrator and answer Yes, or pass /ALLUSERS
; (and /S for a silent install). Adds a Start menu entry and an uninstaller listed in Apps &
; features.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define APPNAME "Weather Configurations Editor"
!define PUBLISHER "The Weather Configurations Editor authors"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\WeatherConfigurationsEditor"

Name "${APPNAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APPNAME}"
BrandingText "${APPNAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${APPNAME}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${APPNAME} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\weather-editor.exe"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

LangString AllUsersQuestion ${LANG_ENGLISH} "Install ${APPNAME} for every user of this computer?$\n$\nNo installs it for you alone."
LangString AllUsersQuestion ${LANG_GERMAN} "${APPNAME} für alle Benutzer dieses Computers installieren?$\n$\nNein installiert es nur für Sie."
LangString NeedsAdmin ${LANG_ENGLISH} "Installing for every user needs administrator rights: run the setup as administrator."
LangString NeedsAdmin ${LANG_GERMAN} "Die Installation für alle Benutzer braucht Administratorrechte: Starten Sie das Setup als Administrator."

Var AllUsers

!macro ChooseContext UN
Function ${UN}ChooseContext
    StrCpy $AllUsers 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/ALLUSERS" $1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    UserInfo::GetAccountType
    Pop $1
    ${If} $AllUsers == 0
    ${AndIf} $1 == "Admin"
    ${AndIfNot} ${Silent}
    !if "${UN}" == ""
        ClearErrors
        ${GetOptions} $0 "/CURRENTUSER" $2
        ${If} ${Errors}
            MessageBox MB_YESNO|MB_ICONQUESTION "$(AllUsersQuestion)" IDNO +2
            StrCpy $AllUsers 1
        ${EndIf}
    !endif
    ${EndIf}
    SetRegView 64
    ${If} $AllUsers == 1
        ${If} $1 != "Admin"
            MessageBox MB_OK|MB_ICONSTOP "$(NeedsAdmin)" /SD IDOK
            Abort
        ${EndIf}
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\${APPNAME}"
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd
!macroend
!insertmacro ChooseContext ""
!insertmacro ChooseContext "un."

Function .onInit
    Call ChooseContext
FunctionEnd

Function un.onInit
    Call un.ChooseContext
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    File "/oname=weather-editor.exe" "${EXE}"
    File "/oname=README.md" "${README}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\weather-editor.exe"

    ${If} $AllUsers == 1
        StrCpy $0 '"$INSTDIR\uninstall.exe" /ALLUSERS'
    ${Else}
        StrCpy $0 '"$INSTDIR\uninstall.exe"'
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${APPNAME}"
    WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\weather-editor.exe"
    WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" "$0"
    WriteRegStr SHCTX "${UNINSTKEY}" "QuietUninstallString" "$0 /S"
    WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    WriteRegDWORD SHCTX "${UNINSTKEY}" "EstimatedSize" $1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${APPNAME}.lnk"
    Delete "$INSTDIR\weather-editor.exe"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTKEY}"
SectionEnd
