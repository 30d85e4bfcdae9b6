; alone
;

   
R1=1;x;y
MSG("A;B") ; C
MSG
MSG()
MSG("Hello")
MSG("R1=" << R1)
MSG("A") MSG("B")
MSG(5)
MSG(R1)
;say "hi" \ back
; é
R1=1	;a	b
