# Empty dependencies file for bench_carga.
# This may be replaced when dependencies are built.
