; SPDX-License-Identifier: GPL-3.0-or-later
; The installer of the Windows programs: both programs with what they need,
; start-menu entries, the document type *.mv8 opening in mvconf, and an
; uninstaller that takes away all of it but the user's own settings.
; makensis -DVERSION=x.y -DDIST=folder -DOUTFILE=setup.exe installer.nsi
; The programs are 64-bit, and so is the installer (Wine runs it without 32-bit support).
Target amd64-unicode
!include "MUI2.nsh"

Name "mvconf ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\mvconf"
InstallDirRegKey HKLM "Software\mvconf" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\mvconf"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${DIST}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Programme"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${DIST}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\mvconf"
  CreateShortcut "$SMPROGRAMS\mvconf\Systemtelefon konfigurieren.lnk" "$INSTDIR\mvconf.exe"
  CreateShortcut "$SMPROGRAMS\mvconf\Firmware laden.lnk" "$INSTDIR\fwload.exe"
  CreateShortcut "$SMPROGRAMS\mvconf\Deinstallieren.lnk" "$INSTDIR\uninstall.exe"

  ; A double-click on a document opens it in mvconf.
  WriteRegStr HKLM "Software\Classes\.mv8" "" "mvconf.Dokument"
  WriteRegStr HKLM "Software\Classes\mvconf.Dokument" "" "Konfiguration des Systemtelefons"
  WriteRegStr HKLM "Software\Classes\mvconf.Dokument\DefaultIcon" "" "$INSTDIR\mvconf.exe,0"
  WriteRegStr HKLM "Software\Classes\mvconf.Dokument\shell\open\command" "" '"$INSTDIR\mvconf.exe" "%1"'

  WriteRegStr HKLM "Software\mvconf" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "mvconf und fwload"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\mvconf.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The profiles under %APPDATA% and the kept copies under %LOCALAPPDATA% are
; the user's and stay.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\mvconf\*.lnk"
  RMDir "$SMPROGRAMS\mvconf"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\translations"
  Delete "$INSTDIR\*.exe"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\qt.conf"
  Delete "$INSTDIR\LICENSE.txt"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "Software\Classes\.mv8"
  DeleteRegKey HKLM "Software\Classes\mvconf.Dokument"
  DeleteRegKey HKLM "Software\mvconf"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
