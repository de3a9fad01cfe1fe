# Empty dependencies file for bench_temporada.
# This may be replaced when dependencies are built.
