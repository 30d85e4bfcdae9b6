%_N_MAIN_MPF
%_N_SUB_1_SPF
%_N_MPF
%_n_part2_mpf
%_N_MAIN_MPF ; X
%_N_MAIN_MPFX
##LANGUAGE AC
##language ac
##LANGUAGE AC N10
%_N_A;B_MPF
