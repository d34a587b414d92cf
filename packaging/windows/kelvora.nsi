; Installs Kelvora for the user who runs it, without asking for an
; administrator: the files go under %LOCALAPPDATA%\Programs\Kelvora, the
; Start menu entries and the uninstaller's entry in Settings > Apps are the
; user's own. The installer is a 64-bit program, as Kelvora is: NSIS's 32-bit
; default would not start where Windows' 32-bit layer is missing (a 64-bit
; Wine, which tests it). cmake/Windows.cmake runs makensis with
;   VERSION  the program's version
;   FILES    files.nsh, with the macros INSTALL_FILES and DELETE_FILES over
;            the files the zip holds, made from the same list as the zip
;   ICON     the program's .ico
;   OUTFILE  the installer to write

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvora"
!define PROGRAM_LINK "$SMPROGRAMS\Kelvora.lnk"
!define GUIDE_LINK "$SMPROGRAMS\Hướng dẫn sử dụng Kelvora.lnk"

Name "Kelvora ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Kelvora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kelvora.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Vietnamese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_VIETNAMESE} "ProductName" "Kelvora"
VIAddVersionKey /LANG=${LANG_VIETNAMESE} "FileDescription" "Kelvora ${VERSION}"
VIAddVersionKey /LANG=${LANG_VIETNAMESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_VIETNAMESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_VIETNAMESE} "LegalCopyright" "Kelvora"

; Windows lets no one write to the file of a running program: while Kelvora
; runs from $INSTDIR, an install or uninstall would replace or remove only the
; files it has not loaded. So the user is asked to close it first; with /S, or
; when they cancel, the run ends at once with status 2, having changed nothing.
!macro CLOSED_OR_QUIT un
Function ${un}closedOrQuit
    retry:
    IfFileExists "$INSTDIR\kelvora.exe" 0 closed
    ClearErrors
    ; "a" opens the file as it is (it exists), for writing.
    FileOpen $0 "$INSTDIR\kelvora.exe" a
    IfErrors 0 opened
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Kelvora đang chạy từ $INSTDIR. Hãy đóng mọi cửa sổ Kelvora rồi thử lại." \
        /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
    opened:
    FileClose $0
    closed:
FunctionEnd
!macroend
!insertmacro CLOSED_OR_QUIT ""
!insertmacro CLOSED_OR_QUIT "un."

; Installed before into another folder, Kelvora is first removed from there
; by its own uninstaller, so that one install remains, the one that Settings
; > Apps and the Start menu name. (Started with _?=, the uninstaller works in
; place and is waited for, and leaves itself behind.)
Function removeOtherInstall
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $0 "" done
    StrCmp $0 $INSTDIR done
    IfFileExists "$0\uninstall.exe" 0 done
    ExecWait '"$0\uninstall.exe" /S _?=$0' $1
    StrCmp $1 0 removed
    MessageBox MB_OK|MB_ICONSTOP \
        "Không gỡ được Kelvora đã cài ở $0. Hãy đóng mọi cửa sổ Kelvora rồi chạy lại trình cài đặt." \
        /SD IDOK
    SetErrorLevel 2
    Quit
    removed:
    Delete "$0\uninstall.exe"
    RMDir "$0"
    done:
FunctionEnd

Section "Kelvora"
    SetShellVarContext current
    Call closedOrQuit
    Call removeOtherInstall
    !insertmacro INSTALL_FILES
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; The program's icon is a resource of kelvora.exe, which both entries show.
    CreateShortcut "${PROGRAM_LINK}" "$INSTDIR\kelvora.exe"
    CreateShortcut "${GUIDE_LINK}" "$INSTDIR\huong-dan-su-dung.html" "" "$INSTDIR\kelvora.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kelvora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kelvora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kelvora.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    Call un.closedOrQuit
FunctionEnd

; Removes what the installer wrote, file by file: a folder the user pointed
; the installer at may hold files of theirs, which stay, and so does the
; folder that holds them.
Section "Uninstall"
    SetShellVarContext current
    Delete "${PROGRAM_LINK}"
    Delete "${GUIDE_LINK}"
    !insertmacro DELETE_FILES
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
