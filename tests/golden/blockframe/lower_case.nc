n10 r1=r2+1 ; note
N10 R1=R2+1 ; NOTE
msg("hello")
MSG("HELLO")
lab_1: $r3=.5 r[4]=set(1)
LAB_1: $R3=.5 R[4]=SET(1)
