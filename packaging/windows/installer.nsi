; The Windows installer of the ZAV TCP/IP Utility, built by scripts/windows-package:
;   makensis -DVERSION=2.2.0 -DSTAGE=<folder with the program> -DFILES=<removal list>
;            -DICON=<zav-utility.ico> -DOUTFILE=<installer.exe> installer.nsi
; Installs for every user of the machine under Program Files, with a Start-menu
; entry, zavctl on the PATH of new consoles and firewall rules for the two
; programs that receive from readers; the uninstaller takes back all of that.
; "installer.exe /S" and "uninstall.exe /S" run without questions.

Unicode true
Target amd64-unicode
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "LogicLib.nsh"
!include "MUI2.nsh"
!include "WinMessages.nsh"
!include "WordFunc.nsh"
!include "x64.nsh"

!define PRODUCT "ZAV TCP/IP Utility"
!define FOLDER "ZAV TCP-IP Utility"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${FOLDER}"
!define ENVIRONMENT_KEY "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"
!define LOG "$INSTDIR\install.log"
; The product's name without the slash that a file name cannot hold.
!define SHORTCUT "$SMPROGRAMS\${FOLDER}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${FOLDER}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "ZAV"
VIAddVersionKey /LANG=1033 "LegalCopyright" "ZAV"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var log

; A line in the installation's details and in install.log, which IT
; departments read after a silent install.
!macro Note text
    DetailPrint "${text}"
    ${If} $log != ""
        FileWrite $log "${text}$\r$\n"
    ${EndIf}
!macroend

; Adds an inbound rule for one program and looks it up again (Wine's netsh,
; for one, reports success and adds nothing). A rule that is not there is a
; warning in the log, not a failed installation.
!macro AllowThroughFirewall rule program
    nsExec::ExecToStack 'netsh advfirewall firewall add rule name="${rule}" dir=in action=allow enable=yes profile=any program="${program}"'
    Pop $0
    Pop $1
    nsExec::ExecToStack 'netsh advfirewall firewall show rule name="${rule}"'
    Pop $0
    Pop $1
    ClearErrors
    ${WordFind} "$1" "${rule}" "E*" $2
    ${If} ${Errors}
        !insertmacro Note "Warning: the firewall rule '${rule}' could not be added; allow ${program} in Windows Firewall by hand."
    ${Else}
        !insertmacro Note "Firewall rule added: ${rule}"
    ${EndIf}
!macroend

!macro RemoveFirewallRule rule
    nsExec::ExecToStack 'netsh advfirewall firewall delete rule name="${rule}"'
    Pop $0
    Pop $1
    ${If} $0 == 0
        DetailPrint "Firewall rule removed: ${rule}"
    ${Else}
        DetailPrint "Warning: the firewall rule '${rule}' could not be removed ($0)."
    ${EndIf}
!macroend

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} needs 64-bit Windows." /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

; Tells running programs (Explorer, so new consoles) that the PATH changed.
!macro AnnounceEnvironment
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=2000
!macroend

Section "Install"
    SetOutPath "$INSTDIR"
    FileOpen $log "${LOG}" w
    !insertmacro Note "${PRODUCT} ${VERSION} into $INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "${SHORTCUT}" "$INSTDIR\zav-utility.exe" "" "$INSTDIR\zav-utility.exe" 0
    !insertmacro Note "Start-menu entry: ${SHORTCUT}"

    ; zavctl for new consoles: the folder at the end of the machine's PATH.
    ; A PATH longer than this installer can hold (1024 characters) is left
    ; alone rather than cut.
    ReadRegStr $0 HKLM "${ENVIRONMENT_KEY}" "Path"
    StrLen $1 "$0;$INSTDIR"
    ClearErrors
    ${WordFind} ";$0;" ";$INSTDIR;" "E*" $2
    ${If} ${Errors}
        ${If} $1 >= 1000
            !insertmacro Note "Warning: the PATH is too long to change here; add $INSTDIR to it by hand to run zavctl."
        ${Else}
            ${If} $0 == ""
                WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$INSTDIR"
            ${Else}
                WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$0;$INSTDIR"
            ${EndIf}
            WriteRegDWORD HKLM "${UNINSTALL_KEY}" "AddedToPath" 1
            !insertmacro AnnounceEnvironment
            !insertmacro Note "Added to the PATH of new consoles: $INSTDIR"
        ${EndIf}
    ${EndIf}

    !insertmacro AllowThroughFirewall "${PRODUCT}" "$INSTDIR\zav-utility.exe"
    !insertmacro AllowThroughFirewall "${PRODUCT} (zavctl)" "$INSTDIR\zavctl.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "ZAV"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zav-utility.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    !insertmacro Note "Installed."
    FileClose $log
SectionEnd

Section "Uninstall"
    !insertmacro RemoveFirewallRule "${PRODUCT}"
    !insertmacro RemoveFirewallRule "${PRODUCT} (zavctl)"

    ; Only the entry this installer added; the rest of the PATH stays as it is.
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "AddedToPath"
    ReadRegStr $1 HKLM "${ENVIRONMENT_KEY}" "Path"
    StrLen $2 $1
    ${If} $0 == 1
    ${AndIf} $2 < 1000
        ${WordReplace} ";$1;" ";$INSTDIR;" ";" "+" $3
        StrCpy $3 $3 "" 1
        StrCpy $3 $3 -1
        ${If} $3 != $1
            ${If} $3 == ""
                DeleteRegValue HKLM "${ENVIRONMENT_KEY}" "Path"
            ${Else}
                WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$3"
            ${EndIf}
            !insertmacro AnnounceEnvironment
            DetailPrint "Removed from the PATH: $INSTDIR"
        ${EndIf}
    ${ElseIf} $0 == 1
        DetailPrint "Warning: the PATH is too long to change here; take $INSTDIR out of it by hand."
    ${EndIf}

    Delete "${SHORTCUT}"
    ; Exactly the files the installer wrote, then their folders if empty.
    !include "${FILES}"
    Delete "${LOG}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
