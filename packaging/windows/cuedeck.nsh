; The .grp association of the Windows installer. SHCTX is the machine's part
; of the registry when installed for all users, the user's otherwise.
!define CUEDECK_PROGID "Cuedeck.TapeGroup"

!macro CuedeckAssociate
  WriteRegStr SHCTX "Software\Classes\.grp" "" "${CUEDECK_PROGID}"
  WriteRegStr SHCTX "Software\Classes\${CUEDECK_PROGID}" "" "Cuedeck Tape Group"
  WriteRegStr SHCTX "Software\Classes\${CUEDECK_PROGID}\DefaultIcon" "" "$INSTDIR\cuedeck.exe,0"
  WriteRegStr SHCTX "Software\Classes\${CUEDECK_PROGID}\shell\open" "" "Open with Cuedeck"
  WriteRegStr SHCTX "Software\Classes\${CUEDECK_PROGID}\shell\open\command" "" '"$INSTDIR\cuedeck.exe" "%1"'
  ; Explorer shows the new icon without a restart.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

!macro CuedeckDissociate
  ; .grp is left alone when another program has taken it since.
  ReadRegStr $0 SHCTX "Software\Classes\.grp" ""
  StrCmp $0 "${CUEDECK_PROGID}" 0 +2
    DeleteRegKey SHCTX "Software\Classes\.grp"
  DeleteRegKey SHCTX "Software\Classes\${CUEDECK_PROGID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

; The key the installer keeps its Start menu folder in lies below one named
; after the vendor: that one goes too, once nothing else is in it.
!macro CuedeckForgetVendor
  DeleteRegKey /ifempty SHCTX "Software\${CUEDECK_VENDOR}"
!macroend
