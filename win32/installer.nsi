; The installer of the Windows program: Program Files, a Start-menu entry, answers files
; opened by a double click, an entry under Apps with the version, and an uninstaller.
; Silent with /S. Built by scripts/build-windows.sh: makensis -DVERSION=... -DPROGRAM=...
; -DCONSOLE=... -DMODULE=... -DOUTFILE=... installer.nsi (PROGRAM the window program,
; CONSOLE the console program of the same name, MODULE the PDF writer and the printers).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define TITLE "中心多边形三边平差"
!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\central-polygon"

Name "${TITLE}"
Icon "${__FILEDIR__}/central-polygon.ico"
UninstallIcon "${__FILEDIR__}/central-polygon.ico"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\central-polygon"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "/oname=central-polygon.exe" "${PROGRAM}"
  File "/oname=central-polygon.com" "${CONSOLE}"
  File "/oname=central-polygon-report.dll" "${MODULE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetShellVarContext all
  CreateShortCut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\central-polygon.exe"
  ; An answers file opens in the window and is replayed.
  WriteRegStr HKLM "Software\Classes\.answers" "" "CentralPolygon.Answers"
  WriteRegStr HKLM "Software\Classes\CentralPolygon.Answers" "" "${TITLE} 答案文件"
  WriteRegStr HKLM "Software\Classes\CentralPolygon.Answers\shell\open\command" "" '"$INSTDIR\central-polygon.exe" "%1"'
  WriteRegStr HKLM "${KEY}" "DisplayName" "${TITLE}"
  WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${KEY}" "Publisher" "central-polygon"
  WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\central-polygon.exe"
  WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  ; The program goes first: while it runs, its file cannot be removed, and removing the
  ; rest would leave it without its uninstaller. Then nothing is removed, and the
  ; uninstaller says so and ends with status 2.
  ClearErrors
  Delete "$INSTDIR\central-polygon.exe"
  IfErrors 0 removed
    MessageBox MB_OK|MB_ICONSTOP "${TITLE}正在运行，请先关闭它再卸载。" /SD IDOK
    SetErrorLevel 2
    Abort
  removed:
  Delete "$INSTDIR\central-polygon.com"
  Delete "$INSTDIR\central-polygon-report.dll"
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "Software\Classes\CentralPolygon.Answers"
  DeleteRegKey HKLM "Software\Classes\.answers"
  DeleteRegKey HKLM "${KEY}"
SectionEnd
