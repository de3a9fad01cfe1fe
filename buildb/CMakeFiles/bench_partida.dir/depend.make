# Empty dependencies file for bench_partida.
# This may be replaced when dependencies are built.
