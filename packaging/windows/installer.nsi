; The Windows installer of ЗОРВАТ (makensis, made by scripts/windows --installer).
; By default it installs for the current user only, into %LOCALAPPDATA%\Programs\ЗОРВАТ,
; without asking for an administrator; "для всіх користувачів" installs into Program Files
; after Windows' prompt. Silent installs for IT departments:
;   zorvat-<version>-setup.exe /S [/ALLUSERS] [/NODESKTOP] [/D=C:\Path\Without\Quotes]
; The clerk's own data (settings, recovery copies, the directory of organisations, the word
; list) lives in the user's folders and is never touched by an install; the uninstaller
; asks before it removes it (silently only with /REMOVEDATA).
; Defines given by scripts/windows: VERSION, VERSION4, DIST (the folder to install), OUTFILE,
; LICENSE (UTF-8 text), UNINSTALL_LIST (the generated Delete/RMDir lines of DIST).

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define APP "ЗОРВАТ"
!define PUBLISHER "Розробники ЗОРВАТ"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORVAT"
!define PROGID "ZORVAT.Card"
!define DATA_DIR "ЗОРВАТ"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP}: встановлення"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

Var AllUsers
Var ScopeMine
Var ScopeAll

!define MUI_ICON "${DIST}\zorvat.ico"
!define MUI_UNICON "${DIST}\zorvat.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zorvat.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
Page custom ScopePage ScopePageLeave
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Ukrainian first: it is the installer's language unless Windows speaks another.
!insertmacro MUI_LANGUAGE "Ukrainian"
!insertmacro MUI_LANGUAGE "English"

LangString ScopeTitle ${LANG_UKRAINIAN} "Для кого встановити"
LangString ScopeTitle ${LANG_ENGLISH} "Who uses it"
LangString ScopeText ${LANG_UKRAINIAN} "ЗОРВАТ можна встановити лише для вас (права адміністратора не потрібні) або для всіх користувачів цього комп'ютера."
LangString ScopeText ${LANG_ENGLISH} "ЗОРВАТ can be installed for you alone (no administrator needed) or for every user of this computer."
LangString ScopeMineText ${LANG_UKRAINIAN} "Лише для мене"
LangString ScopeMineText ${LANG_ENGLISH} "Only for me"
LangString ScopeAllText ${LANG_UKRAINIAN} "Для всіх користувачів (Windows попросить права адміністратора)"
LangString ScopeAllText ${LANG_ENGLISH} "For all users (Windows will ask for an administrator)"
LangString NeedAdmin ${LANG_UKRAINIAN} "Для встановлення для всіх користувачів потрібні права адміністратора."
LangString NeedAdmin ${LANG_ENGLISH} "Installing for all users needs an administrator."
LangString SecProgram ${LANG_UKRAINIAN} "ЗОРВАТ"
LangString SecProgram ${LANG_ENGLISH} "ЗОРВАТ"
LangString SecDesktop ${LANG_UKRAINIAN} "Ярлик на робочому столі"
LangString SecDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString GuideLink ${LANG_UKRAINIAN} "ЗОРВАТ — посібник"
LangString GuideLink ${LANG_ENGLISH} "ЗОРВАТ — посібник"
LangString CardType ${LANG_UKRAINIAN} "Картка ЗОРВАТ"
LangString CardType ${LANG_ENGLISH} "ЗОРВАТ card"
LangString RemoveData ${LANG_UKRAINIAN} "Видалити також ваші дані ЗОРВАТ: налаштування, довідник організацій, власний словник і копії незаписаних карток?$\r$\n$\r$\nФайли карток, які ви записали, залишаться."
LangString RemoveData ${LANG_ENGLISH} "Also remove your ЗОРВАТ data: settings, directory of organisations, personal word list and copies of unsaved cards?$\r$\n$\r$\nThe card files you saved stay."

Function .onInit
  StrCpy $AllUsers 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/NODESKTOP" $R1
  ${IfNot} ${Errors}
    SectionSetFlags 1 0
  ${EndIf}
  Call ApplyScope
FunctionEnd

; Where and for whom, from $AllUsers: the folder changes only when it is still the default
; of the other choice (a folder given with /D= stays).
Function ApplyScope
  ${If} $AllUsers == 1
    UserInfo::GetAccountType
    Pop $R2
    ${If} $R2 != "Admin"
      ${If} ${Silent}
        SetErrorLevel 5
        Quit
      ${EndIf}
    ${EndIf}
    SetShellVarContext all
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\${APP}"
      StrCpy $INSTDIR "$PROGRAMFILES64\${APP}"
    ${EndIf}
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Function ScopePage
  ; An installer started for all users (again, after Windows' prompt) does not ask twice.
  ${If} $AllUsers == 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(ScopeTitle)" ""
  nsDialogs::Create 1018
  Pop $R0
  ${NSD_CreateLabel} 0 0 100% 30u "$(ScopeText)"
  Pop $R0
  ${NSD_CreateRadioButton} 10u 40u 100% 12u "$(ScopeMineText)"
  Pop $ScopeMine
  ${NSD_CreateRadioButton} 10u 58u 100% 12u "$(ScopeAllText)"
  Pop $ScopeAll
  ${NSD_Check} $ScopeMine
  nsDialogs::Show
FunctionEnd

Function ScopePageLeave
  ${NSD_GetState} $ScopeAll $R0
  ${If} $R0 == ${BST_CHECKED}
    UserInfo::GetAccountType
    Pop $R2
    ${If} $R2 != "Admin"
      ; Started again with Windows' administrator prompt; this one ends.
      ExecShell "runas" "$EXEPATH" "/ALLUSERS"
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
  ${EndIf}
  Call ApplyScope
FunctionEnd

Section "$(SecProgram)" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${DIST}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\zorvat.exe" "" "$INSTDIR\zorvat.exe" 0
  CreateShortcut "$SMPROGRAMS\$(GuideLink).lnk" "$INSTDIR\zorvat.exe" "--guide" "$INSTDIR\zorvat.exe" 0

  ; "Open with" for card files: ЗОРВАТ is offered for .txt files and never made their
  ; default program.
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "$(CardType)"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\zorvat.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\zorvat.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\.txt\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "Software\Classes\Applications\zorvat.exe" "FriendlyAppName" "${APP}"
  WriteRegStr SHCTX "Software\Classes\Applications\zorvat.exe\SupportedTypes" ".txt" ""
  WriteRegStr SHCTX "Software\Classes\Applications\zorvat.exe\shell\open\command" "" '"$INSTDIR\zorvat.exe" "%1"'

  ; "Programs and Features" / "Apps"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\zorvat.exe,0"
  WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  ${If} $AllUsers == 1
    WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S /ALLUSERS'
    WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /ALLUSERS'
  ${Else}
    WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  ${EndIf}
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $R0 $R1 $R2
  IntFmt $R0 "0x%08X" $R0
  WriteRegDWORD SHCTX "${UNINST_KEY}" "EstimatedSize" "$R0"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "$(SecDesktop)" SecDesktop
  CreateShortcut "$DESKTOP\${APP}.lnk" "$INSTDIR\zorvat.exe" "" "$INSTDIR\zorvat.exe" 0
SectionEnd

Function un.onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; Every file the installer put there, and no other.
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${APP}.lnk"
  Delete "$SMPROGRAMS\$(GuideLink).lnk"
  Delete "$DESKTOP\${APP}.lnk"

  DeleteRegValue SHCTX "Software\Classes\.txt\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.txt\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.txt"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegKey SHCTX "Software\Classes\Applications\zorvat.exe"
  DeleteRegKey SHCTX "${UNINST_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; The clerk's own data: only when asked (silently: /REMOVEDATA). It is the data of the
  ; user who uninstalls.
  SetShellVarContext current
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVEDATA" $R1
  ${If} ${Errors}
    ${If} ${Silent}
      Goto keepData
    ${EndIf}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveData)" /SD IDNO IDNO keepData
  ${EndIf}
  RMDir /r "$APPDATA\${DATA_DIR}"
  RMDir /r "$LOCALAPPDATA\${DATA_DIR}"
  keepData:
SectionEnd
