N10 G1 X=R1+2 ; start
DEF REAL ARR[5]=(1,,3)
